#pragma once

// The K-batch file as the billing pages see it: its batch header records ("D" records),
// read from the file's bytes and checked, and the checks on the file field before reading.

#include "profiles/insurer.hpp"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumtaris {

inline constexpr std::size_t kKBatchRecordSize = 62;

// The first 62 characters of one D record, kept as the bytes read. Every field stays text.
struct KBatchRecord
{
    std::array<char, kKBatchRecordSize> bytes{};

    std::string_view Text() const { return {bytes.data(), bytes.size()}; }
    std::string_view Character() const { return Field(1, 1); } // P or O
    std::string_view BatchType() const { return Field(2, 2); } // "80" counts
    std::string_view Icz() const { return Field(4, 8); }
    std::string_view Year() const { return Field(16, 4); }
    std::string_view Month() const { return Field(20, 2); }
    std::string_view BatchNumber() const { return Field(22, 6); }
    std::string_view DocumentCount() const { return Field(28, 3); }
    std::string_view Points() const { return Field(31, 11); }
    std::string_view Money() const { return Field(42, 18); }
    char RelationType() const { return bytes[60]; }

    static KBatchRecord FromText(std::string_view first62);

private:
    std::string_view Field(std::size_t offset, std::size_t width) const
    {
        return Text().substr(offset, width);
    }
};

// What a successful read tells about the file.
struct KBatchContent
{
    std::vector<KBatchRecord> records; // in file order
    bool HasType80Batch = false;
    bool AllBatchesType80 = true; // true until a batch of another type is seen
};

struct KBatchReadResult
{
    bool ok = false;
    KBatchContent content;    // empty after a failure: nothing of a bad file may be used
    std::string errorMessage; // UTF-8, for a "Chyba" box; set exactly when !ok
};

// Reads the D records of a K-batch file from its bytes. `path` is the file's path as the user
// gave it (code page 1250), named in the no-batches message. The input is scanned once; memory
// beyond the input is the records and, per record, a view of its line and a small key.
KBatchReadResult NactiKDavku(std::string_view bytes, std::string_view path, InsurerIndex insurer);

// The message when the chosen file cannot be opened for reading (UTF-8).
inline constexpr std::string_view kMsgKBatchUnreadable =
    "Zadaný soubor neexistuje nebo je používán jinou aplikací!";

// "KDAVKA." and the insurer's code: the only file name a K-batch file may have.
std::string ExpectedKBatchFileName(InsurerIndex insurer);

// The file name part of a path: what follows its last "\" or "/".
std::string_view FileNamePart(std::string_view path);

// Nothing when the file name part of `path` is the expected K-batch name, in any case;
// otherwise the two-line refusal (UTF-8).
std::optional<std::string> CheckKBatchFileName(std::string_view path, InsurerIndex insurer);

// edtKDavkaChange: the text between one pair of surrounding double quotes, or nothing when
// the text is not quoted. The page sets the result, which is a change of its own, so nested
// quotes go one pair at a time.
std::optional<std::string> StripSurroundingQuotes(std::string_view text);

// The file-open dialog's single filter for the K-batch file. Providers' software writes the
// name in upper case, so the dialog matches `globPattern`, which ignores the case of the
// letters, while the user reads `description` and `pattern`.
struct KBatchFileFilter
{
    std::string description; // "KDAVKA pro OZP (kdavka.207)", UTF-8
    std::string pattern;     // "kdavka.207"
    std::string globPattern; // "[kK][dD][aA][vV][kK][aA].207"
};
KBatchFileFilter KBatchFileFilterFor(InsurerIndex insurer);

} // namespace lumtaris
