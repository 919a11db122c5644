#pragma once

// An in-memory record table as the HOZ and PPPZ lists need it: records in table order, an
// auto-increment ID handed out when a record is first stored, a current record, and a switch
// that freezes the grid's display during a correction.

#include "common/plain_blocks.hpp"

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <type_traits>
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
    // Iterable in table order; for the plain HOZ lines not one contiguous block.
    const auto& Records() const { return records_; }
    const Record& At(std::size_t index) const
    {
        if (index >= records_.size())
            throw std::out_of_range("RecordTable::At");
        return records_[index];
    }

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
    int Append(const Record& record) { return InsertAt(records_.size(), record); }
    int Append(Record&& record) { return InsertAt(records_.size(), std::move(record)); }

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
        if constexpr (kPlain)
            records_.erase(*current_);
        else
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
    // A plain record is copied straight into its place, once.
    template <typename R>
    int InsertAt(std::size_t index, R&& record)
    {
        if constexpr (kPlain)
            records_.insert(index, record);
        else
            records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(index),
                            std::forward<R>(record));
        records_[index].ID = nextId_++;
        current_ = index;
        return records_[index].ID;
    }

    // Plain records (the HOZ lines) are kept in blocks that are never copied to grow.
    static constexpr bool kPlain = std::is_trivially_copyable_v<Record>;
    std::conditional_t<kPlain, PlainBlocks<Record>, std::vector<Record>> records_;
    std::optional<std::size_t> current_;
    int nextId_ = 1;
    bool open_ = false;
    bool frozen_ = false;
};

} // namespace lumtaris
