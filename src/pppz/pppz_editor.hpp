#pragma once

// Everything the PPPZ page decides: the two enabling rules, Store's four checks in their
// order, Correct, Delete and the premium calculation. The page reads its fields into a
// PppzEntry, calls the editor and shows what comes back. Messages and captions are UTF-8;
// entry and record texts are code page 1250.

#include "common/dates.hpp"
#include "pppz/pppz_list.hpp"
#include "profiles/insurer.hpp"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace lumtaris {

// The entry fields as typed.
struct PppzEntry
{
    int month = 1;       // value of the month spin field
    int year = 1;        // value of the year spin field
    std::string count;   // text of edtPPPZPocPoj
    std::string base;    // text of edtPPPZVymZakl: the plain whole number, no currency sign
    std::string premium; // text of edtPPPZKC, the same
    std::string dueDate = std::string(kEmptyDottedDate);        // as the date entry shows it
    std::string correctionDate = std::string(kEmptyDottedDate); // the same

    friend bool operator==(const PppzEntry&, const PppzEntry&) = default;
};

enum class PppzField
{
    Month,
    Year,
    Count,
    Base,
    Premium,
    DueDate,
    CorrectionDate,
};

inline constexpr std::string_view kErrorCaption = "Chyba";
inline constexpr std::string_view kPremiumWarningCaption = "Varování";

// What Store's checks found, in the order the page shows it: first the warning box (caption
// kPremiumWarningCaption), then the error box (caption kErrorCaption) with the focus moved to
// `errorField`. A record is there exactly when there is no error.
struct PppzCheckResult
{
    std::optional<std::string> warning;
    std::optional<std::string> error;
    PppzField errorField = PppzField::Month;
    std::optional<PppzRecord> record; // without its ID
};

// Store's checks: the year range, the due date, the premium (a warning only) and the single
// period, which skips the record with `editedPppzId`.
PppzCheckResult CheckPppzStore(const PppzEntry& entry, std::chrono::year_month_day today,
                               const PppzList& list, int editedPppzId, InsurerIndex insurer);

// Store is enabled exactly when the due date is a date and the correction date is empty or one.
bool actPPPZZalozitUpdate(const PppzEntry& entry);

// Correct, Delete and Save are enabled exactly when this holds.
bool actPPPZOdeslatUpdate(const PppzList& list, int editedPppzId);

struct ActionText
{
    std::string caption;
    std::string hint;
};

// The caption and hint of actPPPZZalozit: "Uložit" while a correction is in progress.
ActionText actPPPZZalozitText(int editedPppzId, InsurerIndex insurer);

// The period and due date InitForm proposes, the number fields empty.
PppzEntry PppzInitialEntry(std::chrono::year_month_day today);
// The entry after a successful Store: the proposal, and 0 in the number fields.
PppzEntry PppzClearedEntry(std::chrono::year_month_day today);

// sbCalcKCClick: the question it asks (caption "Dotaz"), and on Yes the premium text to set.
std::string sbCalcKCQuestion();
std::string sbCalcKCPremium(std::string_view baseText);

struct PppzEntryView
{
    PppzEntry entry;
    PppzField focus = PppzField::Month;
};

// What Store did: the messages to show in order, then either the field to mend or the entry
// to show now.
struct PppzStoreResult
{
    std::optional<std::string> warning;
    std::optional<std::string> error;
    PppzField focus = PppzField::Month;
    std::optional<PppzEntry> entry; // set exactly when the record was stored
};

class PppzEditor
{
public:
    // Opens the list empty; messages come from the profile rows of `insurer`.
    explicit PppzEditor(InsurerIndex insurer);

    const PppzList& List() const { return list_; }
    // The grid moves the highlight through this.
    void SetCurrentIndex(std::size_t index) { list_.SetCurrentIndex(index); }
    int EditedPPPZId() const { return editedId_; }

    bool CanStore(const PppzEntry& entry) const { return actPPPZZalozitUpdate(entry); }
    bool CanUseList() const { return actPPPZOdeslatUpdate(list_, editedId_); }
    ActionText StoreActionText() const { return actPPPZZalozitText(editedId_, insurer_); }

    // Runs the checks and, when none fails, stores the record in front of the current one or
    // the record under correction in its place. Nothing when the record rule fails.
    std::optional<PppzStoreResult> Store(const PppzEntry& entry, std::chrono::year_month_day today);
    // Starts correcting the current record: the entry to load. Nothing when the list rule fails.
    std::optional<PppzEntryView> Correct();
    // Deletes the current record (the page has asked first). False when the list rule fails.
    bool Delete();

private:
    InsurerIndex insurer_;
    PppzList list_;
    int editedId_ = 0;
};

} // namespace lumtaris
