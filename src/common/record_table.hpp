#pragma once

// An in-memory record table as the HOZ and PPPZ lists need it: records in table order, an
// auto-increment ID handed out when a record is first stored, a current record, and a switch
// that freezes the grid's display during a correction.

#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace lumtaris {

// The question before the highlighted record of either list is deleted.
inline constexpr std::string_view kDeleteQuestion = "Opravdu chcete smazat zvýrazněný záznam?";
inline constexpr std::string_view kQuestionCaption = "Dotaz";

// `Record` has an `int ID` member; the table owns it.
template <typename Record>
class RecordTable
{
public:
    bool IsOpen() const { return open_; }

    // Opening empties the table. IDs keep counting, so an ID is never reused within a run.
    void Open()
    {
        records_.clear();
        current_.reset();
        frozen_ = false;
        open_ = true;
    }
    void Close()
    {
        records_.clear();
        current_.reset();
        frozen_ = false;
        open_ = false;
    }

    std::size_t Count() const { return records_.size(); }
    bool IsEmpty() const { return records_.empty(); }
    const std::vector<Record>& Records() const { return records_; }
    const Record& At(std::size_t index) const { return records_.at(index); }

    // The highlighted record; nothing only when the table is empty.
    std::optional<std::size_t> CurrentIndex() const { return current_; }
    const Record* Current() const { return current_ ? &records_[*current_] : nullptr; }
    // Moving the highlight; an index past the end is ignored.
    void SetCurrentIndex(std::size_t index)
    {
        if (index < records_.size())
            current_ = index;
    }

    // Stores a new record at the end and makes it current; returns its ID.
    int Append(Record record) { return InsertAt(records_.size(), std::move(record)); }

    // Stores a new record in front of the current one (into an empty table: first) and makes
    // it current; returns its ID.
    int InsertBeforeCurrent(Record record)
    {
        return InsertAt(current_ ? *current_ : 0, std::move(record));
    }

    // Makes the record with `id` current; false (and the current record unchanged) when
    // there is none.
    bool Locate(int id)
    {
        for (std::size_t i = 0; i < records_.size(); ++i) {
            if (records_[i].ID == id) {
                current_ = i;
                return true;
            }
        }
        return false;
    }

    // Overwrites the current record in its place, keeping its ID.
    void ReplaceCurrent(Record record)
    {
        if (!current_)
            return;
        record.ID = records_[*current_].ID;
        records_[*current_] = std::move(record);
    }

    // Deletes the current record; the next one becomes current, else the previous one.
    void DeleteCurrent()
    {
        if (!current_)
            return;
        records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(*current_));
        if (records_.empty())
            current_.reset();
        else if (*current_ >= records_.size())
            current_ = records_.size() - 1;
    }

    bool IsDisplayFrozen() const { return frozen_; }
    void FreezeDisplay() { frozen_ = true; }
    void ReleaseDisplay() { frozen_ = false; }

private:
    int InsertAt(std::size_t index, Record&& record)
    {
        record.ID = nextId_++;
        records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(index), std::move(record));
        current_ = index;
        return records_[index].ID;
    }

    std::vector<Record> records_;
    std::optional<std::size_t> current_;
    int nextId_ = 1;
    bool open_ = false;
    bool frozen_ = false;
};

} // namespace lumtaris
