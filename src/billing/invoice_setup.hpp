#pragma once

// What the file page's "Pořídit" (btnVYUPoriditClick) decides: whether the invoice page may
// open, and how it opens: subject fields, the flat-rate/capitation rows, the relation type and
// the batch list. The page reads its fields, calls BtnVYUPoriditClick and shows the answer.
//
// Texts for display only (messages, headings, row texts) are UTF-8; texts that go into fields
// or come from the K-batch file are code page 1250, as all core data.

#include "billing/kbatch_reader.hpp"
#include "profiles/insurer.hpp"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumtaris {

enum class FlatRateItem : std::uint8_t
{
    None,       // "Není"
    FlatRate,   // "Paušál"
    Capitation, // "Kapitace"
};

// The row text of an item (UTF-8).
std::string FlatRateItemText(FlatRateItem item, InsurerIndex insurer);

// The rows of the flat-rate/capitation choice, in order; the first is selected.
std::vector<FlatRateItem> FlatRateRows(InsurerIndex insurer, ActionKind kind, bool withKBatch,
                                       bool allBatchesType80);

// edtVYU2PausalKapitaceChange: what choosing `item` does. `byUser` is the handler's sender.
struct FlatRateChoiceEffect
{
    bool FlatRateItemChosen = false;
    bool showAmount = false;  // edtVYU2Castka visible
    bool clearAmount = false; // edtVYU2Castka set to 0
    bool focusAmount = false; // focus to edtVYU2Castka
};
FlatRateChoiceEffect EdtVYU2PausalKapitaceChange(FlatRateItem item, bool byUser);

// IČZ, IČO and unit as the invoice page's fields hold them (code page 1250).
struct SubjectFields
{
    std::string icz;
    std::string ico;
    std::string orgUnit;
    friend bool operator==(const SubjectFields&, const SubjectFields&) = default;
};

// The newest entry of the IČZ history cut into its three parts; nothing for an empty history.
std::optional<SubjectFields> NewestIczEntry(const std::vector<std::string>& historyIcz);

// The subject for a K-batch file whose first batch has `batchIcz`: that IČZ, and the IČO and
// unit of the newest history entry with the same IČZ value ("0" and "0" without one).
SubjectFields SubjectForBatchIcz(std::string_view batchIcz,
                                 const std::vector<std::string>& historyIcz);

enum class ColumnWidthRule : std::uint8_t
{
    FitHeading,
    FitContents,
};

struct BatchListColumn
{
    std::string heading; // UTF-8
    ColumnWidthRule width;
};

inline constexpr std::size_t kBatchListColumnCount = 9;
using BatchListRow = std::array<std::string, kBatchListColumnCount>; // record text, 1250

struct BatchList
{
    std::string title; // lblVYU2DavkyNadpis, UTF-8
    std::vector<BatchListColumn> columns;
    std::vector<BatchListRow> rows; // one per record, in file order
};
BatchList MakeBatchList(const std::vector<KBatchRecord>& records, std::string_view kBatchPath,
                        InsurerIndex insurer);

// How the invoice page opens.
struct InvoicePageSetup
{
    std::string KBatchPath;               // 1250; empty for an invoice without K-batch file
    KBatchContent kbatch;                 // empty without a K-batch file
    bool showPickIcz = false;             // btnVyberICZ visible
    std::optional<SubjectFields> subject; // fill the three fields when set
    bool iczEnabled = true;               // edtVYU2ICZ
    bool invoiceAmountEnabled = true;     // false: edtVYU2FaktCastka follows edtVYU2Castka
    bool hideFlatRatePanel = false;       // hide pnlVYU2PausalKapitace; false leaves it
    std::vector<FlatRateItem> itemRows;   // edtVYU2PausalKapitace, the first selected
    FlatRateChoiceEffect itemEffect;      // of selecting the first row
    std::string relationTypeText;         // edtVYU2FaktDruhPoj, UTF-8
    bool showBatchList = false;           // lvVYU2Davky and its heading
    BatchList batchList;
    std::optional<int> windowHeight; // height and then minimum height of the window
};

enum class KBatchReadStatus : std::uint8_t
{
    Done,
    CannotOpen,
    Failed, // the file system reported an error while reading
};

// The file page's way to the chosen file. The Qt layer opens the file read-only, keeping
// others from writing it where it can, and maps or reads it once. Paths are code page 1250
// texts, as the page read them (FromCore gives the QString back).
class KBatchFileAccess
{
public:
    virtual ~KBatchFileAccess() = default;
    virtual bool CanOpenForReading(const std::string& path) = 0;
    // Hands the whole file to `parse`; on Failed, `errorText` holds the system's text (UTF-8).
    virtual KBatchReadStatus Read(const std::string& path,
                                  const std::function<void(std::string_view bytes)>& parse,
                                  std::string& errorText) = 0;
};

struct FilePageInput
{
    std::string kBatchFieldText; // edtKDavka, 1250
    InsurerIndex insurer = 0;
    ActionKind kind = ActionKind::Vyu1;
    std::vector<std::string> historyIcz; // oldest first
};

struct FilePageOutcome
{
    bool showInvoicePage = false;
    // Otherwise the file page stays with the focus on edtKDavka, and this is shown in a
    // "Chyba" box unless it is empty (the file vanished between the checks).
    std::string errorMessage;
    InvoicePageSetup setup; // when showInvoicePage
};

FilePageOutcome BtnVYUPoriditClick(const FilePageInput& input, KBatchFileAccess& files);

// edtVYU2FaktCastkaKeyPress: whether `key` may go into an amount field holding `text`.
bool AcceptAmountKey(char key, std::string_view text, char decimalSeparator);

// The same filter over pasted text: the characters of `inserted` that the key filter lets
// into `text`, one after the other.
std::string FilterAmountInput(std::string_view text, std::string_view inserted,
                              char decimalSeparator);

} // namespace lumtaris
