#include "billing/invoice_setup.hpp"

#include "common/codepage.hpp"
#include "common/text.hpp"
#include "profiles/insurer_profile.hpp"

namespace lumtaris {

namespace {

constexpr int kHeightWithBankFields = 610;

bool Flag(const ProfileRow& row, InsurerIndex insurer)
{
    return row[insurer] == "1";
}

// A history entry's part, or nothing when the entry is too short to hold it.
std::string_view EntryPart(std::string_view entry, std::size_t offset, std::size_t width)
{
    return entry.size() >= offset + width ? entry.substr(offset, width) : std::string_view();
}

long NumberOr(std::string_view text, long fallback)
{
    long value = 0;
    return ReadInteger(text, value) ? value : fallback;
}

FilePageOutcome Refusal(std::string message)
{
    FilePageOutcome outcome;
    outcome.errorMessage = std::move(message);
    return outcome;
}

InvoicePageSetup SetupWithoutKBatch(const FilePageInput& input)
{
    InvoicePageSetup setup;
    setup.showPickIcz = !input.historyIcz.empty();
    setup.subject = NewestIczEntry(input.historyIcz);
    setup.iczEnabled = true;
    setup.invoiceAmountEnabled = false;
    setup.itemRows = FlatRateRows(input.insurer, input.kind, false, true);
    setup.itemEffect = EdtVYU2PausalKapitaceChange(setup.itemRows.front(), false);
    setup.relationTypeText = RelationTypeText('1');
    setup.showBatchList = false;
    // No batches: both type-80 facts as before any file was read, so an earlier failed read
    // leaves no trace in the invoice.
    setup.kbatch.HasType80Batch = false;
    setup.kbatch.AllBatchesType80 = false;
    return setup;
}

InvoicePageSetup SetupWithKBatch(const FilePageInput& input, std::string path, KBatchContent kbatch)
{
    const auto& table = InsurerProfileTable;
    const KBatchRecord& first = kbatch.records.front();
    InvoicePageSetup setup;
    setup.hideFlatRatePanel =
        kbatch.HasType80Batch && Flag(table.NoFlatRateWithType80, input.insurer);
    setup.showPickIcz = false;
    setup.subject = SubjectForBatchIcz(first.Icz(), input.historyIcz);
    setup.iczEnabled = false;
    setup.invoiceAmountEnabled = true;
    setup.itemRows = FlatRateRows(input.insurer, input.kind, true, kbatch.AllBatchesType80);
    setup.itemEffect = EdtVYU2PausalKapitaceChange(setup.itemRows.front(), false);
    setup.relationTypeText = RelationTypeText(first.RelationType());
    setup.showBatchList = true;
    setup.batchList = MakeBatchList(kbatch.records, path, input.insurer);
    const std::string_view bankMode = table.BankAccountMode[input.insurer];
    if (bankMode == "1" || bankMode == "5")
        setup.windowHeight = kHeightWithBankFields;
    setup.KBatchPath = std::move(path);
    setup.kbatch = std::move(kbatch);
    return setup;
}

} // namespace

std::string FlatRateItemText(FlatRateItem item, InsurerIndex insurer)
{
    const auto& table = InsurerProfileTable;
    switch (item) {
    case FlatRateItem::FlatRate:
        return std::string(table.ItemFlatRate[insurer]);
    case FlatRateItem::Capitation:
        return std::string(table.ItemCapitation[insurer]);
    case FlatRateItem::None:
        break;
    }
    return std::string(table.ItemNone[insurer]);
}

std::vector<FlatRateItem> FlatRateRows(InsurerIndex insurer, ActionKind kind, bool withKBatch,
                                       bool allBatchesType80)
{
    const auto& table = InsurerProfileTable;
    const bool capitationOnly = allBatchesType80 && Flag(table.Type80NeedsCapitation, insurer);
    std::vector<FlatRateItem> rows;
    if (withKBatch && !capitationOnly)
        rows.push_back(FlatRateItem::None);
    if (Flag(table.FlatRateOffered, insurer))
        rows.push_back(FlatRateItem::FlatRate);
    const bool capitation =
        kind == ActionKind::Vyu1 || (withKBatch ? capitationOnly : rows.empty());
    if (capitation)
        rows.push_back(FlatRateItem::Capitation);
    return rows;
}

FlatRateChoiceEffect EdtVYU2PausalKapitaceChange(FlatRateItem item, bool byUser)
{
    FlatRateChoiceEffect effect;
    if (item == FlatRateItem::None) {
        effect.clearAmount = true;
        return effect;
    }
    effect.FlatRateItemChosen = true;
    effect.showAmount = true;
    effect.focusAmount = byUser;
    return effect;
}

std::optional<SubjectFields> NewestIczEntry(const std::vector<std::string>& historyIcz)
{
    if (historyIcz.empty())
        return std::nullopt;
    const std::string& entry = historyIcz.back();
    return SubjectFields{std::string(EntryPart(entry, 0, 8)), std::string(EntryPart(entry, 11, 8)),
                         std::string(EntryPart(entry, 22, 2))};
}

SubjectFields SubjectForBatchIcz(std::string_view batchIcz,
                                 const std::vector<std::string>& historyIcz)
{
    // Both sides are read as whole numbers, so leading zeros do not matter; text that is
    // no number never matches, as the two fallbacks differ. The newest match wins.
    SubjectFields subject{std::string(batchIcz), "0", "0"};
    const long wanted = NumberOr(batchIcz, -1);
    for (const std::string& entry : historyIcz) {
        if (entry.size() < 24 || NumberOr(EntryPart(entry, 0, 8), -2) != wanted)
            continue;
        subject.ico = std::string(EntryPart(entry, 11, 8));
        subject.orgUnit = std::string(EntryPart(entry, 22, 2));
    }
    return subject;
}

BatchList MakeBatchList(const std::vector<KBatchRecord>& records, std::string_view kBatchPath,
                        InsurerIndex insurer)
{
    const auto& table = InsurerProfileTable;
    const auto heading = [insurer](const ProfileRow& row, ColumnWidthRule rule) {
        return BatchListColumn{std::string(row[insurer]), rule};
    };
    BatchList list;
    list.title =
        std::string(table.TitleBatchList[insurer]) + " " + Utf8FromCp1250(FileNamePart(kBatchPath));
    list.columns = {
        heading(table.ColumnCharacter, ColumnWidthRule::FitHeading),
        heading(table.ColumnBatchType, ColumnWidthRule::FitHeading),
        heading(table.LabelIcz, ColumnWidthRule::FitContents),
        heading(table.LabelBillingYear, ColumnWidthRule::FitContents),
        heading(table.LabelBillingMonth, ColumnWidthRule::FitHeading),
        heading(table.ColumnBatchNumber, ColumnWidthRule::FitHeading),
        heading(table.ColumnDocumentCount, ColumnWidthRule::FitHeading),
        heading(table.ColumnPoints, ColumnWidthRule::FitContents),
        heading(table.ColumnMoney, ColumnWidthRule::FitContents),
    };
    list.rows.reserve(records.size());
    for (const KBatchRecord& r : records) {
        list.rows.push_back({std::string(r.Character()), std::string(r.BatchType()),
                             std::string(r.Icz()), std::string(r.Year()), std::string(r.Month()),
                             std::string(r.BatchNumber()), std::string(r.DocumentCount()),
                             std::string(r.Points()), std::string(r.Money())});
    }
    return list;
}

FilePageOutcome BtnVYUPoriditClick(const FilePageInput& input, KBatchFileAccess& files)
{
    const auto& table = InsurerProfileTable;
    std::string path = Trim(input.kBatchFieldText);

    if (path.empty()) {
        if (!Flag(table.InvoiceWithoutBatchAllowed, input.insurer))
            return Refusal(std::string(table.MsgKBatchRequired[input.insurer]));
        // No batches may survive from an earlier failed read.
        FilePageOutcome outcome;
        outcome.showInvoicePage = true;
        outcome.setup = SetupWithoutKBatch(input);
        return outcome;
    }

    if (!files.CanOpenForReading(path))
        return Refusal(std::string(kMsgKBatchUnreadable));
    if (auto refusal = CheckKBatchFileName(path, input.insurer))
        return Refusal(std::move(*refusal));

    KBatchReadResult read;
    std::string readError;
    const KBatchReadStatus status = files.Read(
        path, [&](std::string_view bytes) { read = NactiKDavku(bytes, path, input.insurer); },
        readError);
    if (status == KBatchReadStatus::CannotOpen)
        return Refusal({}); // it vanished or was locked after the check above
    if (status == KBatchReadStatus::Failed)
        return Refusal(readError.empty() ? std::string(kMsgKBatchUnreadable) : readError);
    if (!read.ok)
        return Refusal(std::move(read.errorMessage));

    FilePageOutcome outcome;
    outcome.showInvoicePage = true;
    outcome.setup = SetupWithKBatch(input, std::move(path), std::move(read.content));
    return outcome;
}

bool AcceptAmountKey(char key, std::string_view text, char decimalSeparator)
{
    if (key == decimalSeparator)
        return text.find(decimalSeparator) == std::string_view::npos;
    return key == '\b' || key == '\t' || key == '.' || (key >= '0' && key <= '9');
}

std::string FilterAmountInput(std::string_view text, std::string_view inserted,
                              char decimalSeparator)
{
    std::string result(text);
    std::string accepted;
    for (const char c : inserted) {
        // Backspace and Tab pass as keys but are not text.
        if (c == '\b' || c == '\t' || !AcceptAmountKey(c, result, decimalSeparator))
            continue;
        result += c;
        accepted += c;
    }
    return accepted;
}

} // namespace lumtaris
