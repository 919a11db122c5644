#include "billing/paired_save.hpp"

#include "support/test_data.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>
#include <random>

namespace lumtaris {
namespace {

namespace fs = std::filesystem;

constexpr InsurerIndex kOzp = 0;
using Q = PairedSaveQuestion;

// A fresh directory under the system's temporary one, removed at the end of the test.
class TempDir
{
public:
    TempDir()
    {
        std::random_device random;
        path_ = fs::temp_directory_path() / ("lumtaris-paired-" + std::to_string(random()));
        fs::create_directories(path_);
    }
    ~TempDir()
    {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

void Write(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Content(const fs::path& path)
{
    return fs::exists(path) ? test::ReadBytes(path.string()) : "<none>";
}

struct QuestionCase
{
    const char* name;
    bool withKBatch;
    bool sourceInTarget; // the K-batch file already lies in the chosen directory
    bool fBatchThere;
    bool kBatchThere; // another KDAVKA file in the target, not the source
    Q question;
};

void PrintTo(const QuestionCase& c, std::ostream* os)
{
    *os << c.name;
}

class PairedSaveTable : public testing::TestWithParam<QuestionCase>
{
};

// The page's part, done here with the file system: the facts, the question, and after Yes the
// F-batch written and the K-batch file copied when it must be.
TEST_P(PairedSaveTable, AsksOneQuestionAndTouchesOnlyWhatItSays)
{
    const QuestionCase& c = GetParam();
    for (const bool yes : {true, false}) {
        TempDir temp;
        const fs::path out = temp.path() / "out";
        const fs::path elsewhere = temp.path() / "in";
        fs::create_directories(out);
        fs::create_directories(elsewhere);
        std::string source;
        if (c.withKBatch) {
            // The source in the target is named through another spelling of the directory.
            const fs::path file = (c.sourceInTarget ? out : elsewhere) / "KDAVKA.207";
            Write(file, "SOURCE K");
            source = c.sourceInTarget ? (temp.path() / "in" / ".." / "out" / "KDAVKA.207").string()
                                      : file.string();
        }
        if (c.fBatchThere)
            Write(out / "FDAVKA.207", "OLD F");
        if (c.kBatchThere)
            Write(out / "KDAVKA.207", "OLD K");
        const std::string oldK = Content(out / "KDAVKA.207");
        const std::string oldF = Content(out / "FDAVKA.207");

        const PairedSavePaths paths = MakePairedSavePaths(out.string(), kOzp);
        PairedSaveFacts facts;
        facts.withKBatchFile = c.withKBatch;
        facts.targetExists = fs::exists(paths.TargetFileName);
        facts.copyExists = fs::exists(paths.KBatchCopyPath);
        facts.sourceIsCopy = c.withKBatch && IsSameFile(source, paths.KBatchCopyPath);
        const Q question = ChoosePairedSaveQuestion(facts);
        ASSERT_EQ(question, c.question);

        if (question != Q::None && !yes) {
            EXPECT_EQ(Content(out / "FDAVKA.207"), oldF);
            EXPECT_EQ(Content(out / "KDAVKA.207"), oldK);
            continue;
        }
        Write(paths.TargetFileName, "NEW F");
        if (NeedsKBatchCopy(facts))
            Write(paths.KBatchCopyPath, Content(source));
        EXPECT_EQ(Content(out / "FDAVKA.207"), "NEW F");
        EXPECT_EQ(Content(out / "KDAVKA.207"), c.withKBatch ? "SOURCE K" : oldK);
        if (c.withKBatch && !c.sourceInTarget) {
            EXPECT_EQ(Content(elsewhere / "KDAVKA.207"), "SOURCE K") << "the source stays";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    TargetStates, PairedSaveTable,
    testing::Values(
        QuestionCase{"source elsewhere, both there", true, false, true, true, Q::BothExist},
        QuestionCase{"source in target, FDAVKA there", true, true, true, false,
                     Q::FBatchBesideSource},
        QuestionCase{"source elsewhere, only KDAVKA there", true, false, false, true,
                     Q::KBatchOnly},
        QuestionCase{"source elsewhere, only FDAVKA there", true, false, true, false,
                     Q::FBatchOnly},
        QuestionCase{"no K-batch, both there", false, false, true, true, Q::BothExistNoKBatch},
        QuestionCase{"no K-batch, only FDAVKA there", false, false, true, false,
                     Q::FBatchOnlyNoKBatch},
        QuestionCase{"source elsewhere, target empty", true, false, false, false, Q::None},
        QuestionCase{"source in target alone", true, true, false, false, Q::None},
        QuestionCase{"no K-batch, target empty", false, false, false, false, Q::None},
        QuestionCase{"no K-batch, only KDAVKA there", false, false, false, true, Q::None}));

TEST(PairedSaveQuestionText, TheQuestionsAsAsked)
{
    EXPECT_EQ(PairedSaveQuestionText(Q::None), "");
    EXPECT_EQ(PairedSaveQuestionText(Q::BothExist),
              "V zadaném adresáři již existují párové soubory FDAVKA a KDAVKA.\r\nChcete je oba "
              "přepsat?");
    EXPECT_EQ(PairedSaveQuestionText(Q::KBatchOnly),
              "V zadaném adresáři existuje soubor KDAVKA. Přepsat?");
    for (const Q q : {Q::FBatchBesideSource, Q::FBatchOnly, Q::FBatchOnlyNoKBatch})
        EXPECT_EQ(PairedSaveQuestionText(q), "V zadaném adresáři existuje soubor FDAVKA. Přepsat?");
    EXPECT_EQ(PairedSaveQuestionText(Q::BothExistNoKBatch),
              "V zadaném adresáři již existují párové soubory FDAVKA a KDAVKA.\r\nPřepisovat se "
              "bude ale jenom soubor FDAVKA - tudíž KDAVKA nebude k nově vytvořenému souboru "
              "párovým souborem.\r\nChcete jej přesto přepsat?");
}

TEST(SameFile, DecidedByTheFileSystemNotByTheSpelling)
{
    TempDir temp;
    const fs::path file = temp.path() / "KDAVKA.207";
    fs::path other = temp.path() / "kdavka.207";
    Write(file, "K");
    EXPECT_TRUE(IsSameFile(file, file));
    std::error_code noLinks; // a system without symbolic links skips that case
    fs::create_directory_symlink(temp.path(), temp.path() / "link", noLinks);
    if (!noLinks) {
        EXPECT_TRUE(IsSameFile(file, temp.path() / "link" / "KDAVKA.207"));
    }
    EXPECT_TRUE(IsSameFile(file, temp.path() / "." / "KDAVKA.207"));
#ifndef _WIN32
    EXPECT_FALSE(IsSameFile(file, other)) << "another case is another file here";
#else
    EXPECT_TRUE(IsSameFile(file, other)) << "Windows names ignore case";
    other = temp.path() / "KDAVKA2.207";
#endif
    Write(other, "K");
    EXPECT_FALSE(IsSameFile(file, other)) << "equal contents are not the same file";
    EXPECT_FALSE(IsSameFile(file, temp.path() / "missing"));
    EXPECT_FALSE(IsSameFile(temp.path() / "missing", temp.path() / "missing"));
}

TEST(MakePairedSavePaths, OneSeparatorEvenAfterARoot)
{
#ifdef _WIN32
    const PairedSavePaths paths = MakePairedSavePaths("D:\\Vyuctovani", 3);
    EXPECT_EQ(paths.TargetFileName, "D:\\Vyuctovani\\FDAVKA.205");
    EXPECT_EQ(paths.KBatchCopyPath, "D:\\Vyuctovani\\KDAVKA.205");
#else
    const PairedSavePaths paths = MakePairedSavePaths("/home/lekar/Vyuctovani", 3);
    EXPECT_EQ(paths.TargetFileName, "/home/lekar/Vyuctovani/FDAVKA.205");
    EXPECT_EQ(paths.KBatchCopyPath, "/home/lekar/Vyuctovani/KDAVKA.205");
#endif
    EXPECT_EQ(MakePairedSavePaths("C:\\", kOzp).TargetFileName, "C:\\FDAVKA.207");
    EXPECT_EQ(MakePairedSavePaths("/", kOzp).KBatchCopyPath, "/KDAVKA.207");
    EXPECT_EQ(MakePairedSavePaths("/mnt/Ordinace", kOzp).KBatchCopyPath.find("ORDINACE"),
              std::string::npos)
        << "paths keep their case";
}

TEST(BillingResultTexts, SubjectAndBothFileNames)
{
    EXPECT_EQ(BillingSubjectLine("12345", "42", "1", 1),
              "IČZ : 00012345   IČ : 00000042   Org. jednotka : 01");
    const PairedSavePaths paths = MakePairedSavePaths("C:\\Out", kOzp);
    EXPECT_EQ(BillingResultFileLine(paths, true), paths.TargetFileName + ", KDAVKA.207");
    EXPECT_EQ(BillingResultFileLine(paths, false), paths.TargetFileName);
}

} // namespace
} // namespace lumtaris
