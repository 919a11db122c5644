#include "hoz/hoz_editor.hpp"

#include "common/codepage.hpp"
#include "common/text.hpp"
#include "profiles/insurer_profile.hpp"

namespace lumtaris {

bool actHOZZalozitUpdate(const HozEntry& entry)
{
    if (entry.changeCodeIndex < 0 || entry.changeCodeIndex >= static_cast<int>(kHozChangeCodeCount))
        return false;
    if (Trim(entry.insuredNumber).size() < 9)
        return false;
    if (Trim(entry.surname).empty())
        return false;
    if (Trim(entry.firstName).empty())
        return false;
    if (!IsValidDottedDate(entry.date))
        return false;
    const bool hasTown = !Trim(entry.town).empty();
    const bool hasPostCode = !Trim(entry.postCode).empty();
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

    const std::string_view item =
        (*InsurerProfileTable
              .HozChangeCodes[insurer_])[static_cast<std::size_t>(entry.changeCodeIndex)];
    HozRecord record;
    record.KOD = Cp1250FromUtf8(item).value_or(std::string()).substr(0, 1);
    record.ITMIDX = entry.changeCodeIndex;
    record.CPOJ = Trim(entry.insuredNumber);
    record.PRIJMENI = Trim(entry.surname);
    record.JMENO = Trim(entry.firstName);
    record.DATUM = DottedDateToCompact(Trim(entry.date));
    record.ULICE = Trim(entry.street);
    record.OBEC = Trim(entry.town);
    record.PSC = Trim(entry.postCode);

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
    entry.insuredNumber = record.CPOJ;
    entry.surname = record.PRIJMENI;
    entry.firstName = record.JMENO;
    entry.date = CompactDateToDotted(record.DATUM);
    entry.street = record.ULICE;
    entry.town = record.OBEC;
    entry.postCode = record.PSC;
    return entry;
}

} // namespace lumtaris
