#include "billing/kbatch_reader.hpp"

#include "common/codepage.hpp"
#include "profiles/insurer_profile.hpp"

#include <algorithm>
#include <cstring>
#include <unordered_set>

namespace lumtaris {

namespace {

constexpr char kEndOfInput = '\x1A'; // Ctrl+Z
constexpr std::size_t kShortDLine = 62;
constexpr std::size_t kLongDLine = 88;

bool IsBlankLine(std::string_view line)
{
    return std::all_of(line.begin(), line.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= 32; });
}

// Year and batch number of a record. The IČZ is not needed in the key: a record with another
// IČZ than the first has already ended the read.
struct BatchKey
{
    std::array<char, 10> bytes{};
    friend bool operator==(const BatchKey&, const BatchKey&) = default;
};

struct BatchKeyHash
{
    std::size_t operator()(const BatchKey& key) const
    {
        return std::hash<std::string_view>{}(std::string_view(key.bytes.data(), key.bytes.size()));
    }
};

BatchKey KeyOf(const KBatchRecord& record)
{
    BatchKey key;
    std::memcpy(key.bytes.data(), record.Year().data(), 4);
    std::memcpy(key.bytes.data() + 4, record.BatchNumber().data(), 6);
    return key;
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
    const std::string_view input = bytes.substr(0, bytes.find(kEndOfInput));

    KBatchContent content;
    std::unordered_set<BatchKey, BatchKeyHash> seenBatches;
    bool contentSeen = false;
    bool relationType1Seen = false;
    bool relationType4Seen = false;

    std::size_t pos = 0;
    while (pos < input.size()) {
        const std::size_t lineFeed = input.find('\n', pos);
        std::size_t end = lineFeed == std::string_view::npos ? input.size() : lineFeed;
        const std::size_t next = lineFeed == std::string_view::npos ? input.size() : lineFeed + 1;
        if (lineFeed != std::string_view::npos && end > pos && input[end - 1] == '\r')
            --end;
        const std::string_view line = input.substr(pos, end - pos);
        pos = next;

        if (line.empty() || (line[0] != 'D' && IsBlankLine(line)))
            continue;
        contentSeen = true;
        if (line[0] != 'D')
            continue;
        if (line.size() != kShortDLine && line.size() != kLongDLine)
            return Failure("Neznámá struktura D věty");

        const KBatchRecord record = KBatchRecord::FromText(line.substr(0, kKBatchRecordSize));
        content.records.push_back(record);
        if (record.BatchType() == "80")
            content.HasType80Batch = true;
        else
            content.AllBatchesType80 = false;
        if (record.Icz() != content.records.front().Icz())
            return Failure(Text(table.MsgKBatchMixedIcz, insurer));
        if (!seenBatches.insert(KeyOf(record)).second)
            return Failure(Text(table.MsgDuplicateBatch, insurer));
        relationType1Seen = relationType1Seen || record.RelationType() == '1';
        relationType4Seen = relationType4Seen || record.RelationType() == '4';
    }

    if (!contentSeen)
        return Failure(Text(table.MsgKBatchEmpty, insurer));
    if (content.records.empty())
        return Failure(Text(table.MsgBatchFilePrefix, insurer) + " " + Utf8FromCp1250(path) + " " +
                       Text(table.MsgBatchFileNoBatches, insurer));
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
