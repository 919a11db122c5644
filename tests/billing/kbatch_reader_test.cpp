#include "billing/kbatch_reader.hpp"

#include "support/test_data.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>

namespace lumtaris {
namespace {

constexpr InsurerIndex kOzp = 0;

constexpr const char* kUnknownD = "Neznámá struktura D věty";
constexpr const char* kEmpty = "Soubor KDAVKA nesmí být prázdný";
constexpr const char* kMixedIcz = "V souboru KDAVKA se nacházejí dávky pro různá IČZ";
constexpr const char* kDuplicate = "Duplicitní dávka (věta D).";
constexpr const char* kNoBatches = "no batches"; // built with the path below
constexpr const char* kMixedRelation =
    "Pokud soubor KDAVKA obsahuje dávku s druhem pojistného vztahu 4 (Pojištění EU a "
    "mezinárodní smlouvy), nesmí obsahovat dávky s druhem pojistného vztahu 1 (Veřejné "
    "zdravotní pojištění).";

struct ReadCase
{
    const char* file;
    const char* message; // nullptr: the file is accepted
    std::size_t count;
    bool has80;
    bool all80;
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.file;
}

class KBatchReaderTable : public testing::TestWithParam<ReadCase>
{
};

TEST_P(KBatchReaderTable, AcceptsTheGoodFileAndNamesTheFirstFault)
{
    const ReadCase& c = GetParam();
    const std::string path = test::DataPath(std::string("kbatch/") + c.file);
    const KBatchReadResult result = NactiKDavku(test::ReadBytes(path), path, kOzp);
    if (c.message == nullptr) {
        ASSERT_TRUE(result.ok) << result.errorMessage;
        EXPECT_EQ(result.errorMessage, "");
        EXPECT_EQ(result.content.records.size(), c.count);
        EXPECT_EQ(result.content.HasType80Batch, c.has80);
        EXPECT_EQ(result.content.AllBatchesType80, c.all80);
        return;
    }
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.content.records.empty()) << "a bad file's batches must not be usable";
    if (std::string(c.message) == kNoBatches)
        EXPECT_EQ(result.errorMessage, "Soubor s dávkami " + path + " neobsahuje dávky");
    else
        EXPECT_EQ(result.errorMessage, c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, KBatchReaderTable,
    testing::Values(ReadCase{"empty.kdavka", kEmpty, 0, false, true},
                    ReadCase{"blank_only.kdavka", kEmpty, 0, false, true},
                    ReadCase{"no_d_lines.kdavka", kNoBatches, 0, false, true},
                    ReadCase{"d61.kdavka", kUnknownD, 0, false, true},
                    ReadCase{"d62.kdavka", nullptr, 1, false, false},
                    ReadCase{"d63.kdavka", kUnknownD, 0, false, true},
                    ReadCase{"d87.kdavka", kUnknownD, 0, false, true},
                    ReadCase{"d88.kdavka", nullptr, 1, false, false},
                    ReadCase{"leading_space.kdavka", nullptr, 1, false, false},
                    ReadCase{"mixed_icz.kdavka", kMixedIcz, 0, false, true},
                    ReadCase{"duplicate_month.kdavka", kDuplicate, 0, false, true},
                    ReadCase{"two_years.kdavka", nullptr, 2, false, false},
                    ReadCase{"relation_1_4.kdavka", kMixedRelation, 0, false, true},
                    ReadCase{"relation_4_1.kdavka", kMixedRelation, 0, false, true},
                    ReadCase{"relation_1_3.kdavka", nullptr, 2, false, false},
                    ReadCase{"relation_4_2.kdavka", nullptr, 2, false, false},
                    ReadCase{"relation_1_4_duplicate.kdavka", kDuplicate, 0, false, true},
                    ReadCase{"relation_1_4_mixed_icz.kdavka", kMixedIcz, 0, false, true},
                    ReadCase{"ctrl_z.kdavka", nullptr, 1, false, false},
                    ReadCase{"crlf.kdavka", nullptr, 2, true, false},
                    ReadCase{"lf.kdavka", nullptr, 2, true, false},
                    ReadCase{"all_type80.kdavka", nullptr, 2, true, true},
                    ReadCase{"some_type80.kdavka", nullptr, 2, true, false},
                    ReadCase{"no_type80.kdavka", nullptr, 2, false, false}));

KBatchContent Read(const std::string& file)
{
    const std::string path = test::DataPath("kbatch/" + file);
    KBatchReadResult result = NactiKDavku(test::ReadBytes(path), path, kOzp);
    EXPECT_TRUE(result.ok) << file << ": " << result.errorMessage;
    return result.content;
}

TEST(NactiKDavku, KeepsTheFirst62CharactersAndEveryFieldAsWritten)
{
    const KBatchContent content = Read("d88.kdavka");
    ASSERT_EQ(content.records.size(), 1u);
    const KBatchRecord& r = content.records[0];
    EXPECT_EQ(r.Text(), "DP0112345678000120261000000100200000000100000000000000150.501 ");
    EXPECT_EQ(r.Character(), "P");
    EXPECT_EQ(r.BatchType(), "01");
    EXPECT_EQ(r.Icz(), "12345678");
    EXPECT_EQ(r.Year(), "2026");
    EXPECT_EQ(r.Month(), "10");
    EXPECT_EQ(r.BatchNumber(), "000001");
    EXPECT_EQ(r.DocumentCount(), "002");
    EXPECT_EQ(r.Points(), "00000000100");
    EXPECT_EQ(r.Money(), "000000000000150.50");
    EXPECT_EQ(r.RelationType(), '1');
}

TEST(NactiKDavku, ReadsCrLfAndLfFilesAlikeInFileOrder)
{
    const KBatchContent crlf = Read("crlf.kdavka");
    const KBatchContent lf = Read("lf.kdavka");
    ASSERT_EQ(crlf.records.size(), 2u);
    ASSERT_EQ(lf.records.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i)
        EXPECT_EQ(crlf.records[i].Text(), lf.records[i].Text());
    EXPECT_EQ(crlf.records[0].Character(), "P");
    EXPECT_EQ(crlf.records[1].Character(), "O");
}

std::string DLine(int number, std::string_view type = "01")
{
    char line[64];
    std::snprintf(line, sizeof line,
                  "DP%.2s1234567800012026%02d%06d00100000000100000000000000150.501 ", type.data(),
                  1 + number % 12, number);
    return line;
}

TEST(NactiKDavku, SurvivesHostileBytes)
{
    // NUL bytes, lone CRs and binary junk are content but no D records.
    std::string junk("\0\0\x01MZ\x90\r\r\xff\xfe\n\0D\n", 14);
    for (int i = 0; i < 256; ++i)
        junk += static_cast<char>(i);
    EXPECT_EQ(NactiKDavku(junk, "x", kOzp).errorMessage, "Soubor s dávkami x neobsahuje dávky");

    // A D line carrying a CR inside it is one character longer than 62.
    EXPECT_EQ(NactiKDavku(DLine(1).insert(10, "\r") + "\r\n", "x", kOzp).errorMessage, kUnknownD);
    // A last line without line end still counts, and a CR at the very end belongs to it.
    EXPECT_TRUE(NactiKDavku(DLine(1), "x", kOzp).ok);
    EXPECT_FALSE(NactiKDavku(DLine(1) + "\r", "x", kOzp).ok);

    // Text cut short in the middle of a D line.
    EXPECT_EQ(NactiKDavku("DP01", "x", kOzp).errorMessage, kUnknownD);
    EXPECT_EQ(NactiKDavku("D", "x", kOzp).errorMessage, kUnknownD);
}

TEST(NactiKDavku, ReadsOnlyLinesStartingWithDUpToTheFirstCtrlZ)
{
    // Enough other lines to put what follows well past the start of a large file; a "D"
    // inside a line does not make a record.
    std::string filler;
    for (int i = 0; i < 4000; ++i)
        filler += "A0000001800101123400000000000000   D019    \r\n";
    const std::string good = DLine(1) + "\r\n" + filler + DLine(2) + "\r\n" + filler;
    const KBatchReadResult read = NactiKDavku(good, "x", kOzp);
    ASSERT_TRUE(read.ok) << read.errorMessage;
    EXPECT_EQ(read.content.records.size(), 2u);

    // Nothing after a Ctrl+Z counts, however far into the file.
    const KBatchReadResult cutOff =
        NactiKDavku(good + "\x1A" + DLine(3) + "\r\nDP01\r\n", "x", kOzp);
    ASSERT_TRUE(cutOff.ok) << cutOff.errorMessage;
    EXPECT_EQ(cutOff.content.records.size(), 2u);
    EXPECT_EQ(NactiKDavku(filler + "\x1A" + DLine(1), "x", kOzp).errorMessage,
              "Soubor s dávkami x neobsahuje dávky");
    EXPECT_EQ(
        NactiKDavku(std::string(filler.size(), ' ') + "\x1A" + DLine(1), "x", kOzp).errorMessage,
        kEmpty);
    // A Ctrl+Z within a D line cuts it short.
    std::string cutLine = good + DLine(3) + "\r\n";
    cutLine[cutLine.size() - 12] = '\x1A';
    EXPECT_EQ(NactiKDavku(cutLine, "x", kOzp).errorMessage, kUnknownD);
}

TEST(NactiKDavku, NamesTheFaultThatComesFirstInTheFile)
{
    std::string otherIcz = DLine(5);
    otherIcz.replace(4, 8, "87654321");
    const std::string shortD = DLine(6).substr(0, 61);
    const auto first = [](std::initializer_list<std::string> lines) {
        std::string file;
        for (const std::string& line : lines)
            file += line + "\r\n";
        return NactiKDavku(file, "x", kOzp).errorMessage;
    };
    EXPECT_EQ(first({DLine(1), DLine(1), otherIcz}), kDuplicate);
    EXPECT_EQ(first({DLine(1), otherIcz, DLine(1)}), kMixedIcz);
    EXPECT_EQ(first({DLine(1), DLine(2), DLine(1), shortD}), kDuplicate);
    EXPECT_EQ(first({DLine(1), shortD, DLine(1)}), kUnknownD);
    // A record with another IČZ is not itself checked for a repeated batch.
    std::string otherIczRepeat = DLine(1);
    otherIczRepeat.replace(4, 8, "87654321");
    EXPECT_EQ(first({DLine(1), otherIczRepeat}), kMixedIcz);
}

// Its speed is measured by the benchmarks; here only that huge input reads correctly.
TEST(NactiKDavku, ReadsHugeInputCorrectly)
{
    // One line of 32 MB without a line end.
    const std::string oneLine(32u << 20, 'x');
    EXPECT_FALSE(NactiKDavku(oneLine, "x", kOzp).ok);
    EXPECT_EQ(NactiKDavku("D" + oneLine, "x", kOzp).errorMessage, kUnknownD);

    // 200 000 batches, each checked against every earlier one for duplicates.
    std::string many;
    const int count = 200000;
    many.reserve(static_cast<std::size_t>(count) * 64);
    for (int i = 0; i < count; ++i)
        many += DLine(i, i % 2 ? "80" : "01") + "\r\n";
    const KBatchReadResult result = NactiKDavku(many, "x", kOzp);
    ASSERT_TRUE(result.ok) << result.errorMessage;
    EXPECT_EQ(result.content.records.size(), static_cast<std::size_t>(count));
    EXPECT_EQ(NactiKDavku(many + DLine(count - 1), "x", kOzp).errorMessage, kDuplicate);
}

struct NameCase
{
    const char* path;
    bool accepted;
};

void PrintTo(const NameCase& c, std::ostream* os)
{
    *os << c.path;
}

class KBatchFileNameTable : public testing::TestWithParam<NameCase>
{
};

TEST_P(KBatchFileNameTable, OnlyTheInsurersKBatchNameInAnyCase)
{
    const NameCase& c = GetParam();
    const auto refusal = CheckKBatchFileName(c.path, kOzp);
    if (c.accepted) {
        EXPECT_FALSE(refusal.has_value());
    } else {
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(*refusal, "Neplatný název souboru\r\nProsím připojujte pouze soubor KDAVKA.207");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, KBatchFileNameTable,
    testing::Values(NameCase{"C:\\Data\\KDAVKA.207", true},
                    NameCase{"/home/lekar/kdavka.207", true}, NameCase{"KdAvKa.207", true},
                    NameCase{"C:\\KDAVKA.207\\KDAVKA.207", true},
                    NameCase{"/data/kdavka.207.bak", false}, NameCase{"C:\\KDAVKA.209", false},
                    NameCase{"C:\\FDAVKA.207", false}, NameCase{"/kdavka.207/", false},
                    NameCase{"C:\\KDAVKA207", false}));

TEST(StripSurroundingQuotes, OnePairAtATime)
{
    EXPECT_EQ(StripSurroundingQuotes("\"C:\\Data\\KDAVKA.207\""), "C:\\Data\\KDAVKA.207");
    EXPECT_EQ(StripSurroundingQuotes("\"\"a\"\""), "\"a\"");
    EXPECT_EQ(StripSurroundingQuotes("\"a\""), "a");
    EXPECT_EQ(StripSurroundingQuotes("\"\""), "");
    EXPECT_FALSE(StripSurroundingQuotes("\"").has_value());
    EXPECT_FALSE(StripSurroundingQuotes("\"a").has_value());
    EXPECT_FALSE(StripSurroundingQuotes("a\"").has_value());
    EXPECT_FALSE(StripSurroundingQuotes("").has_value());
}

TEST(KBatchFileFilterFor, NamesTheInsurerAndItsFile)
{
    const KBatchFileFilter vozp = KBatchFileFilterFor(4);
    EXPECT_EQ(vozp.description, "KDAVKA pro VoZP ČR (kdavka.201)");
    EXPECT_EQ(vozp.pattern, "kdavka.201");
    EXPECT_EQ(vozp.globPattern, "[kK][dD][aA][vV][kK][aA].201");
}

} // namespace
} // namespace lumtaris
