#include "billing/kbatch_reader.hpp"

#include "common/codepage.hpp"
#include "profiles/insurer_profile.hpp"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace lumtaris {

namespace {

constexpr char kEndOfInput = '\x1A'; // Ctrl+Z
constexpr std::size_t kEndOfInputBlock = std::size_t{64} << 10;
constexpr std::size_t kShortDLine = 62;
constexpr std::size_t kLongDLine = 88;

// The input ends at its first Ctrl+Z. The Ctrl+Z is looked for a block at a time just ahead of
// the reader rather than in a pass of its own, so both read the bytes while they are cached.
class InputEnd
{
public:
    explicit InputEnd(std::string_view bytes)
        : checked_(bytes.data()), end_(bytes.data() + bytes.size())
    {
    }

    // The end as far as it is known: the first Ctrl+Z seen so far, else the end of the bytes.
    const char* Known() const { return end_; }

    // The end, looked for at least up to `upTo`: right whenever it lies before `upTo`.
    const char* Before(const char* upTo)
    {
        while (checked_ < upTo && checked_ < end_) {
            const std::size_t block = std::min(kEndOfInputBlock, std::size_t(end_ - checked_));
            if (const auto* stop =
                    static_cast<const char*>(std::memchr(checked_, kEndOfInput, block))) {
                end_ = stop;
                checked_ = stop;
            } else {
                checked_ += block;
            }
        }
        return end_;
    }

private:
    const char* checked_; // no Ctrl+Z before this
    const char* end_;
};

// Year and batch number of a record, packed for sorting. The IČZ is not needed in the key: a
// record with another IČZ than the first has already ended the read.
struct BatchKey
{
    std::uint64_t year = 0;
    std::uint64_t batchNumber = 0;
    friend auto operator<=>(const BatchKey&, const BatchKey&) = default;
};

BatchKey KeyOf(const KBatchRecord& record)
{
    BatchKey key;
    std::memcpy(&key.year, record.Year().data(), 4);
    std::memcpy(&key.batchNumber, record.BatchNumber().data(), 6);
    return key;
}

// True when two of the first `count` records share a year and batch number. Sorting their keys
// once costs less than a lookup per record in a hash set, whose nodes the scan of a large file
// pushes out of the cache between one record and the next.
bool HasDuplicateBatch(const std::vector<KBatchRecord>& records, std::size_t count)
{
    std::vector<BatchKey> keys;
    keys.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        keys.push_back(KeyOf(records[i]));
    std::sort(keys.begin(), keys.end());
    return std::adjacent_find(keys.begin(), keys.end()) != keys.end();
}

KBatchReadResult Failure(std::string message)
{
    KBatchReadResult result;
    result.errorMessage = std::move(message);
    return result;
}

std::string Text(const ProfileRow& row, InsurerIndex insurer)
{
    return std::string(row[insurer]);
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; };
               return upper(x) == upper(y);
           });
}

} // namespace

KBatchRecord KBatchRecord::FromText(std::string_view first62)
{
    KBatchRecord record;
    record.bytes.fill(' ');
    std::memcpy(record.bytes.data(), first62.data(), std::min(first62.size(), kKBatchRecordSize));
    return record;
}

KBatchReadResult NactiKDavku(std::string_view bytes, std::string_view path, InsurerIndex insurer)
{
    const auto& table = InsurerProfileTable;

    KBatchContent content;
    bool relationType1Seen = false;
    bool relationType4Seen = false;

    // Only lines that start with "D" are read, so the scan jumps from one "D" to the next and
    // keeps those that begin a line: in a real file that skips the other 99 lines in 100. The
    // lines are gathered first, so the records are stored once at their final place rather
    // than moved every time a growing list runs out of room.
    const char* const begin = bytes.data();
    const char* const bytesEnd = begin + bytes.size();
    InputEnd inputEnd(bytes);
    std::vector<std::string_view> dLines;
    const char* at = begin;
    while (at < inputEnd.Known()) {
        const auto* d =
            static_cast<const char*>(std::memchr(at, 'D', std::size_t(inputEnd.Known() - at)));
        if (d == nullptr || d >= inputEnd.Before(d + 1))
            break;
        if (d != begin && d[-1] != '\n') {
            at = d + 1;
            continue;
        }
        const auto* lineFeed =
            static_cast<const char*>(std::memchr(d, '\n', std::size_t(inputEnd.Known() - d)));
        const char* lineEnd = lineFeed != nullptr ? lineFeed : inputEnd.Known();
        if (lineEnd > inputEnd.Before(lineEnd)) { // a Ctrl+Z ends the input within this line
            lineEnd = inputEnd.Known();
            lineFeed = nullptr;
        }
        at = lineFeed != nullptr ? lineFeed + 1 : lineEnd;
        if (lineFeed != nullptr && lineEnd[-1] == '\r')
            --lineEnd;
        dLines.emplace_back(d, std::size_t(lineEnd - d));
    }

    // A batch repeated among the records before a failure was the first fault in the file.
    const auto firstFailure = [&](std::size_t checkedRecords, std::string message) {
        if (HasDuplicateBatch(content.records, checkedRecords))
            return Failure(Text(table.MsgDuplicateBatch, insurer));
        return Failure(std::move(message));
    };
    content.records.reserve(dLines.size());
    for (const std::string_view line : dLines) {
        if (line.size() != kShortDLine && line.size() != kLongDLine)
            return firstFailure(content.records.size(), "Neznámá struktura D věty");

        const KBatchRecord record = KBatchRecord::FromText(line.substr(0, kKBatchRecordSize));
        content.records.push_back(record);
        if (record.BatchType() == "80")
            content.HasType80Batch = true;
        else
            content.AllBatchesType80 = false;
        if (record.Icz() != content.records.front().Icz())
            return firstFailure(content.records.size() - 1, Text(table.MsgKBatchMixedIcz, insurer));
        relationType1Seen = relationType1Seen || record.RelationType() == '1';
        relationType4Seen = relationType4Seen || record.RelationType() == '4';
    }

    if (content.records.empty()) {
        // Any character above blank makes its line, and so the file, not empty.
        const char* const end = inputEnd.Before(bytesEnd);
        if (std::none_of(begin, end, [](char c) { return static_cast<unsigned char>(c) > 32; }))
            return Failure(Text(table.MsgKBatchEmpty, insurer));
        return Failure(Text(table.MsgBatchFilePrefix, insurer) + " " + Utf8FromCp1250(path) + " " +
                       Text(table.MsgBatchFileNoBatches, insurer));
    }
    if (HasDuplicateBatch(content.records, content.records.size()))
        return Failure(Text(table.MsgDuplicateBatch, insurer));
    if (relationType1Seen && relationType4Seen)
        return Failure(Text(table.MsgMixedRelationTypes, insurer));

    KBatchReadResult result;
    result.ok = true;
    result.content = std::move(content);
    return result;
}

std::string ExpectedKBatchFileName(InsurerIndex insurer)
{
    return "KDAVKA." + std::string(InsurerProfileTable.InsurerCode[insurer]);
}

std::string_view FileNamePart(std::string_view path)
{
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::optional<std::string> CheckKBatchFileName(std::string_view path, InsurerIndex insurer)
{
    // The expected name is plain ASCII, so comparing in ASCII upper case is the whole rule.
    const std::string expected = ExpectedKBatchFileName(insurer);
    if (EqualsIgnoringAsciiCase(FileNamePart(path), expected))
        return std::nullopt;
    return "Neplatný název souboru\r\nProsím připojujte pouze soubor " + expected;
}

std::optional<std::string> StripSurroundingQuotes(std::string_view text)
{
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return std::string(text.substr(1, text.size() - 2));
    return std::nullopt;
}

KBatchFileFilter KBatchFileFilterFor(InsurerIndex insurer)
{
    const std::string code(InsurerProfileTable.InsurerCode[insurer]);
    return {"KDAVKA pro " + std::string(InsurerProfileTable.InsurerShortName[insurer]) +
                " (kdavka." + code + ")",
            "kdavka." + code, "[kK][dD][aA][vV][kK][aA]." + code};
}

} // namespace lumtaris
