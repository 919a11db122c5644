#pragma once

// Everything the HOZ page decides: the two enabling rules and the four commands on the list.
// The page reads its fields into a HozEntry, calls the editor and shows what comes back.

#include "common/dates.hpp"
#include "hoz/hoz_list.hpp"
#include "profiles/insurer.hpp"

#include <optional>
#include <string>

namespace lumtaris {

// The entry fields as typed, code page 1250, untrimmed.
struct HozEntry
{
    int changeCodeIndex = -1; // item index of edtHOZKod, -1 when none is chosen
    std::string insuredNumber;
    std::string surname;
    std::string firstName;
    std::string date = std::string(kEmptyDottedDate); // as the date entry shows it
    std::string street;
    std::string town;
    std::string postCode;

    friend bool operator==(const HozEntry&, const HozEntry&) = default;
};

// The entry field that gets the focus after a command.
enum class HozField
{
    ChangeCode,
    InsuredNumber,
    Surname,
    FirstName,
    Date,
    Street,
    Town,
    PostCode,
};

// What the entry fields show after a command, and where the focus goes.
struct HozEntryView
{
    HozEntry entry;
    HozField focus = HozField::InsuredNumber;
};

// Store is enabled exactly when a record can be formed from the entry.
bool actHOZZalozitUpdate(const HozEntry& entry);

// Correct, Delete, Duplicate and Save are enabled exactly when this holds.
bool actHOZOdeslatUpdate(const HozList& list, int editedHozId);

inline constexpr std::string_view kDeleteQuestion = "Opravdu chcete smazat zvýrazněný záznam?";
inline constexpr std::string_view kQuestionCaption = "Dotaz";

class HozEditor
{
public:
    // Opens the list empty; the change codes are those of `insurer`.
    explicit HozEditor(InsurerIndex insurer);

    const HozList& List() const { return list_; }
    // The grid moves the highlight through this.
    void SetCurrentIndex(std::size_t index) { list_.SetCurrentIndex(index); }
    // 0, or the ID of the record under correction.
    int EditedHOZId() const { return editedId_; }

    bool CanStore(const HozEntry& entry) const { return actHOZZalozitUpdate(entry); }
    bool CanUseList() const { return actHOZOdeslatUpdate(list_, editedId_); }

    // Stores a new record at the end, or the record under correction in its place. Nothing
    // when the record rule fails.
    std::optional<HozEntryView> Store(const HozEntry& entry);
    // Starts correcting the current record: the entry to load. Nothing when the list rule fails.
    std::optional<HozEntryView> Correct();
    // The current record as an entry for a new record. Nothing when the list rule fails.
    std::optional<HozEntryView> Duplicate();
    // Deletes the current record (the page has asked kDeleteQuestion). False when the list
    // rule fails.
    bool Delete();

private:
    HozEntry EntryOf(const HozRecord& record) const;

    InsurerIndex insurer_;
    HozList list_;
    int editedId_ = 0;
};

} // namespace lumtaris
