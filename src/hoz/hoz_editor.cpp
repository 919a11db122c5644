#include "hoz/hoz_editor.hpp"

#include "common/codepage.hpp"
#include "common/text.hpp"
#include "profiles/insurer_profile.hpp"

#include <array>

namespace lumtaris {

namespace {

// The text without the characters of code 32 or lower at either end, as a view.
std::string_view Trimmed(std::string_view text)
{
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The change code a record stores: the first letter of the drop-down entry, in code page 1250.
// Worked out once for every entry, not on every store.
char ChangeCodeLetter(InsurerIndex insurer, int index)
{
    using Letters = std::array<std::array<char, kHozChangeCodeCount>, kInsurerCount>;
    static const Letters letters = [] {
        Letters result{};
        for (std::size_t i = 0; i < result.size(); ++i) {
            const HozChangeCodeList& items = *InsurerProfileTable.HozChangeCodes[i];
            for (std::size_t k = 0; k < items.size(); ++k) {
                const std::string text = Cp1250FromUtf8(items[k]).value_or(std::string());
                result[i][k] = text.empty() ? ' ' : text.front();
            }
        }
        return result;
    }();
    return letters[insurer][static_cast<std::size_t>(index)];
}

} // namespace

bool actHOZZalozitUpdate(const HozEntry& entry)
{
    if (entry.changeCodeIndex < 0 || entry.changeCodeIndex >= static_cast<int>(kHozChangeCodeCount))
        return false;
    if (Trimmed(entry.insuredNumber).size() < 9)
        return false;
    if (Trimmed(entry.surname).empty())
        return false;
    if (Trimmed(entry.firstName).empty())
        return false;
    if (!IsValidDottedDate(entry.date))
        return false;
    const bool hasTown = !Trimmed(entry.town).empty();
    const bool hasPostCode = !Trimmed(entry.postCode).empty();
    if (hasTown != hasPostCode)
        return false;
    // Five digits not starting with 0.
    if (hasPostCode && WholeNumberOrZero(entry.postCode) <= 9999)
        return false;
    return true;
}

bool actHOZOdeslatUpdate(const HozList& list, int editedHozId)
{
    return list.IsOpen() && !list.IsEmpty() && editedHozId == 0;
}

HozEditor::HozEditor(InsurerIndex insurer) : insurer_(insurer)
{
    list_.Open();
}

std::optional<HozEntryView> HozEditor::Store(const HozEntry& entry)
{
    if (!CanStore(entry))
        return std::nullopt;

    HozRecord record;
    const char letter = ChangeCodeLetter(insurer_, entry.changeCodeIndex);
    record.SetColumn(HozColumn::KOD, std::string_view(&letter, 1));
    record.ITMIDX = entry.changeCodeIndex;
    record.SetColumn(HozColumn::CPOJ, Trimmed(entry.insuredNumber));
    record.SetColumn(HozColumn::PRIJMENI, Trimmed(entry.surname));
    record.SetColumn(HozColumn::JMENO, Trimmed(entry.firstName));
    record.SetColumn(HozColumn::DATUM, DottedDateToCompact(Trimmed(entry.date)));
    record.SetColumn(HozColumn::ULICE, Trimmed(entry.street));
    record.SetColumn(HozColumn::OBEC, Trimmed(entry.town));
    record.SetColumn(HozColumn::PSC, Trimmed(entry.postCode));

    if (editedId_ >= 1 && list_.Locate(editedId_)) {
        list_.ReleaseDisplay();
        list_.ReplaceCurrent(std::move(record));
    } else {
        list_.ReleaseDisplay();
        list_.Append(std::move(record));
    }
    editedId_ = 0;

    HozEntryView view;
    view.entry.changeCodeIndex = entry.changeCodeIndex; // the change code stays chosen
    view.focus = HozField::InsuredNumber;
    return view;
}

std::optional<HozEntryView> HozEditor::Correct()
{
    if (!CanUseList() || list_.Current() == nullptr)
        return std::nullopt;
    editedId_ = list_.Current()->ID;
    HozEntryView view{EntryOf(*list_.Current()), HozField::InsuredNumber};
    list_.FreezeDisplay();
    return view;
}

std::optional<HozEntryView> HozEditor::Duplicate()
{
    if (!CanUseList() || list_.Current() == nullptr)
        return std::nullopt;
    return HozEntryView{EntryOf(*list_.Current()), HozField::ChangeCode};
}

bool HozEditor::Delete()
{
    if (!CanUseList())
        return false;
    list_.DeleteCurrent();
    return true;
}

HozEntry HozEditor::EntryOf(const HozRecord& record) const
{
    HozEntry entry;
    entry.changeCodeIndex = record.ITMIDX;
    entry.insuredNumber = record.CPOJ();
    entry.surname = record.PRIJMENI();
    entry.firstName = record.JMENO();
    entry.date = CompactDateToDotted(record.DATUM());
    entry.street = record.ULICE();
    entry.town = record.OBEC();
    entry.postCode = record.PSC();
    return entry;
}

} // namespace lumtaris
