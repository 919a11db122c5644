#include "billing/paired_save.hpp"

#include "billing/kbatch_reader.hpp"
#include "common/text.hpp"
#include "profiles/insurer_profile.hpp"

#include <system_error>

namespace lumtaris {

namespace {

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

bool EndsWithSeparator(std::string_view path)
{
    return !path.empty() && (path.back() == '\\' || path.back() == '/');
}

std::string ZeroPadded(std::string_view text, int width)
{
    return PadText(std::to_string(WholeNumberOrZero(text)), '0', width, true);
}

} // namespace

PairedSavePaths MakePairedSavePaths(std::string_view directory, InsurerIndex insurer)
{
    std::string folder(directory);
    if (!EndsWithSeparator(folder))
        folder += kPathSeparator;
    const std::string code(InsurerProfileTable.InsurerCode[insurer]);
    return {folder + "FDAVKA." + code, folder + "KDAVKA." + code};
}

PairedSaveQuestion ChoosePairedSaveQuestion(const PairedSaveFacts& f)
{
    if (!f.withKBatchFile) {
        if (f.copyExists && f.targetExists)
            return PairedSaveQuestion::BothExistNoKBatch;
        return f.targetExists ? PairedSaveQuestion::FBatchOnlyNoKBatch : PairedSaveQuestion::None;
    }
    if (f.sourceIsCopy)
        return f.targetExists ? PairedSaveQuestion::FBatchBesideSource : PairedSaveQuestion::None;
    if (f.copyExists)
        return f.targetExists ? PairedSaveQuestion::BothExist : PairedSaveQuestion::KBatchOnly;
    return f.targetExists ? PairedSaveQuestion::FBatchOnly : PairedSaveQuestion::None;
}

std::string_view PairedSaveQuestionText(PairedSaveQuestion question)
{
    constexpr std::string_view replaceFBatch =
        "V zadaném adresáři existuje soubor FDAVKA. Přepsat?";
    switch (question) {
    case PairedSaveQuestion::None:
        return {};
    case PairedSaveQuestion::BothExist:
        return "V zadaném adresáři již existují párové soubory FDAVKA a KDAVKA.\r\nChcete je oba "
               "přepsat?";
    case PairedSaveQuestion::KBatchOnly:
        return "V zadaném adresáři existuje soubor KDAVKA. Přepsat?";
    case PairedSaveQuestion::BothExistNoKBatch:
        return "V zadaném adresáři již existují párové soubory FDAVKA a KDAVKA.\r\nPřepisovat se "
               "bude ale jenom soubor FDAVKA - tudíž KDAVKA nebude k nově vytvořenému souboru "
               "párovým souborem.\r\nChcete jej přesto přepsat?";
    case PairedSaveQuestion::FBatchBesideSource:
    case PairedSaveQuestion::FBatchOnly:
    case PairedSaveQuestion::FBatchOnlyNoKBatch:
        return replaceFBatch;
    }
    return {};
}

bool NeedsKBatchCopy(const PairedSaveFacts& facts)
{
    return facts.withKBatchFile && !facts.sourceIsCopy;
}

std::string BillingSubjectLine(std::string_view icz, std::string_view ico, std::string_view orgUnit,
                               InsurerIndex insurer)
{
    const auto& table = InsurerProfileTable;
    return std::string(table.LabelIcz[insurer]) + " : " + ZeroPadded(icz, 8) + "   " +
           std::string(table.LabelIco[insurer]) + " : " + ZeroPadded(ico, 8) + "   " +
           std::string(table.LabelOrgUnit[insurer]) + " : " + ZeroPadded(orgUnit, 2);
}

std::string BillingResultFileLine(const PairedSavePaths& paths, bool withKBatchFile)
{
    if (!withKBatchFile)
        return paths.TargetFileName;
    return paths.TargetFileName + ", " + std::string(FileNamePart(paths.KBatchCopyPath));
}

} // namespace lumtaris
