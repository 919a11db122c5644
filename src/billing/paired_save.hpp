#pragma once

// The paired save of billing: where the F-batch file and the K-batch copy go, which one
// question protects what is already there, and the texts of the result page.

#include "common/same_file.hpp"
#include "profiles/insurer.hpp"

#include <filesystem>
#include <string>
#include <string_view>

namespace lumtaris {

struct PairedSavePaths
{
    std::string TargetFileName; // directory + "FDAVKA." + code, code page 1250
    std::string KBatchCopyPath; // the same directory + "KDAVKA." + code
};

// `directory` is the chosen directory after NormalizeDirectory. A root that already ends in a
// separator gets no second one.
PairedSavePaths MakePairedSavePaths(std::string_view directory, InsurerIndex insurer);

// What the file system says about the target before anything is written.
struct PairedSaveFacts
{
    bool withKBatchFile = false; // KBatchPath not empty
    bool targetExists = false;   // TargetFileName exists
    bool copyExists = false;     // KBatchCopyPath exists
    bool sourceIsCopy = false;   // KBatchPath and KBatchCopyPath are the same file (SameFile)
};

enum class PairedSaveQuestion : std::uint8_t
{
    None,
    BothExist,          // with K-batch: replace both paired files?
    FBatchBesideSource, // with K-batch already in the directory: replace FDAVKA?
    KBatchOnly,         // with K-batch: replace KDAVKA?
    FBatchOnly,         // with K-batch: replace FDAVKA?
    BothExistNoKBatch,  // without K-batch: only FDAVKA is replaced, the pair breaks
    FBatchOnlyNoKBatch, // without K-batch: replace FDAVKA?
};

// The one question to ask, by the first rule that applies; None to go on at once.
PairedSaveQuestion ChoosePairedSaveQuestion(const PairedSaveFacts& facts);

// The question's text (UTF-8), for a "Dotaz" box with Yes and No; empty for None.
std::string_view PairedSaveQuestionText(PairedSaveQuestion question);

// Whether UlozVYU has a K-batch file to copy to KBatchCopyPath after writing the F-batch.
bool NeedsKBatchCopy(const PairedSaveFacts& facts);

// The result page's subject line (UTF-8), e.g. "IČZ : 00012345   IČO : 00000042   Org. jednotka :
// 01".
std::string BillingSubjectLine(std::string_view icz, std::string_view ico, std::string_view orgUnit,
                               InsurerIndex insurer);

// The result page's file line (1250): the F-batch path, and with a K-batch file ", " and the
// copy's file name.
std::string BillingResultFileLine(const PairedSavePaths& paths, bool withKBatchFile);

// The three-line message when the F-batch file or the copy could not be made (UTF-8).
inline constexpr std::string_view kMsgSaveFailed =
    "Nastala chyba při ukládání podání do souboru.\r\nZřejmě je soubor pouze pro čtení nebo "
    "používán jinou aplikací.\r\nPodání nebylo uloženo!";

} // namespace lumtaris
