#include "pppz/pppz_editor.hpp"

#include "common/calendar.hpp"
#include "common/text.hpp"
#include "pppz/premium.hpp"
#include "profiles/insurer_profile.hpp"

namespace lumtaris {
namespace {

using namespace std::chrono;

// Reports may be late by this much at most.
constexpr days kDueDateGrace{22};

std::string Joined(std::string_view a, std::string_view b)
{
    return std::string(a) + " " + std::string(b);
}

PppzEntry ProposedEntry(year_month_day today, const std::string& number)
{
    const year_month_day period = OneMonthEarlier(today);
    PppzEntry entry;
    entry.month = static_cast<int>(static_cast<unsigned>(period.month()));
    entry.year = static_cast<int>(period.year());
    entry.count = number;
    entry.base = number;
    entry.premium = number;
    entry.dueDate = FormatDottedDate(NextWorkingDay(today.year() / today.month() / 20));
    entry.correctionDate = std::string(kEmptyDottedDate);
    return entry;
}

} // namespace

PppzCheckResult CheckPppzStore(const PppzEntry& entry, year_month_day today, const PppzList& list,
                               int editedPppzId, InsurerIndex insurer)
{
    const InsurerProfileRows& rows = InsurerProfileTable;
    PppzCheckResult result;

    const int currentYear = static_cast<int>(today.year());
    if (entry.year > currentYear || entry.year < currentYear - 10) {
        result.error = std::string(rows.MsgYearRange[insurer]);
        result.errorField = PppzField::Year;
        return result;
    }

    const year_month_day limit{sys_days(today) + kDueDateGrace};
    const std::optional<year_month_day> due = ParseDottedDate(Trim(entry.dueDate));
    if (!due || static_cast<int>(due->year()) < entry.year || *due > limit) {
        result.error = Joined(rows.MsgDueDateYear[insurer], FormatDottedDate(limit));
        result.errorField = PppzField::DueDate;
        return result;
    }

    const std::int64_t count = ReadWholeAmount(entry.count);
    const std::int64_t base = ReadWholeAmount(entry.base);
    const std::int64_t premium = ReadWholeAmount(entry.premium);
    const std::int64_t expected = ExpectedPremium(base);
    if (premium < expected || premium > expected + count) {
        result.warning =
            Joined(Joined(Joined(rows.MsgPremiumRate[insurer], std::to_string(expected)),
                          rows.MsgRangeJoin[insurer]),
                   std::to_string(expected + count));
    }

    const std::string key = PeriodKey(entry.month, entry.year);
    for (const PppzRecord& record : list.Records()) {
        if (record.ID != editedPppzId && PeriodKey(record.MES, record.ROK) == key) {
            result.error = Joined(Joined(rows.MsgPeriod[insurer], key), rows.MsgNotTwice[insurer]);
            result.errorField = PppzField::Month;
            return result;
        }
    }

    PppzRecord record;
    record.MES = entry.month;
    record.ROK = entry.year;
    record.POCPOJ = Trim(entry.count);
    record.VYMZAKL = std::to_string(base);
    record.KC = std::to_string(premium);
    record.DATSPLAT = DottedDateToCompact(Trim(entry.dueDate));
    if (entry.correctionDate == kEmptyDottedDate) {
        record.KOD = " ";
        record.DATOPR.clear();
    } else {
        record.KOD = "O";
        record.DATOPR = DottedDateToCompact(Trim(entry.correctionDate));
    }
    result.record = std::move(record);
    return result;
}

bool actPPPZZalozitUpdate(const PppzEntry& entry)
{
    return IsValidDottedDate(entry.dueDate) &&
           (entry.correctionDate == kEmptyDottedDate || IsValidDottedDate(entry.correctionDate));
}

bool actPPPZOdeslatUpdate(const PppzList& list, int editedPppzId)
{
    return list.IsOpen() && !list.IsEmpty() && editedPppzId == 0;
}

ActionText actPPPZZalozitText(int editedPppzId, InsurerIndex insurer)
{
    if (editedPppzId != 0)
        return {"Uložit", "Uložit změny na záznamu"};
    return {std::string(InsurerProfileTable.CaptionAdd[insurer]),
            std::string(InsurerProfileTable.HintAdd[insurer])};
}

PppzEntry PppzInitialEntry(year_month_day today)
{
    return ProposedEntry(today, std::string());
}

PppzEntry PppzClearedEntry(year_month_day today)
{
    return ProposedEntry(today, "0");
}

std::string sbCalcKCQuestion()
{
    return "Chcete spočítat výši pojistného?\r\n"
           "Výše pojistného je rovná 13,5% vyměřovacího základu.\r\n"
           "\r\n"
           "Chcete automaticky spočítat výši pojistného a touto výší nahradit aktuální hodnotu?";
}

std::string sbCalcKCPremium(std::string_view baseText)
{
    return std::to_string(ExpectedPremium(ReadWholeAmount(baseText)));
}

PppzEditor::PppzEditor(InsurerIndex insurer) : insurer_(insurer)
{
    list_.Open();
}

std::optional<PppzStoreResult> PppzEditor::Store(const PppzEntry& entry, year_month_day today)
{
    if (!CanStore(entry))
        return std::nullopt;

    PppzCheckResult check = CheckPppzStore(entry, today, list_, editedId_, insurer_);
    PppzStoreResult result;
    result.warning = std::move(check.warning);
    if (check.error) {
        result.error = std::move(check.error);
        result.focus = check.errorField;
        return result;
    }

    list_.ReleaseDisplay();
    if (editedId_ >= 1 && list_.Locate(editedId_))
        list_.ReplaceCurrent(std::move(*check.record));
    else
        list_.InsertBeforeCurrent(std::move(*check.record));
    editedId_ = 0;

    result.entry = PppzClearedEntry(today);
    result.focus = PppzField::Month;
    return result;
}

std::optional<PppzEntryView> PppzEditor::Correct()
{
    const PppzRecord* record = list_.Current();
    if (!CanUseList() || record == nullptr)
        return std::nullopt;
    editedId_ = record->ID;

    PppzEntryView view;
    view.entry.month = record->MES;
    view.entry.year = record->ROK;
    view.entry.count = record->POCPOJ;
    view.entry.base = record->VYMZAKL;
    view.entry.premium = record->KC;
    view.entry.dueDate = CompactDateToDotted(record->DATSPLAT);
    view.entry.correctionDate = Trim(record->KOD).empty() ? std::string(kEmptyDottedDate)
                                                          : CompactDateToDotted(record->DATOPR);
    view.focus = PppzField::Month;
    list_.FreezeDisplay();
    return view;
}

bool PppzEditor::Delete()
{
    if (!CanUseList())
        return false;
    list_.DeleteCurrent();
    return true;
}

} // namespace lumtaris
