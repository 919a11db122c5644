#include "common/text.hpp"

#include <gtest/gtest.h>

#include <ostream>

namespace lumtaris {
namespace {

TEST(IsAllDigits, EmptyIsDigitsButBlanksAndLettersAreNot)
{
    EXPECT_TRUE(IsAllDigits(""));
    EXPECT_TRUE(IsAllDigits("0123456789"));
    EXPECT_FALSE(IsAllDigits("12a"));
    EXPECT_FALSE(IsAllDigits(" 12"));
    EXPECT_FALSE(IsAllDigits("1.2"));
}

TEST(Trim, RemovesSpacesAndControlCharactersAtBothEndsOnly)
{
    EXPECT_EQ(Trim(" \t\r\n a b \x01\x1f "), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(""), "");
    // 0xA0 (no-break space in 1250) is above 32 and stays.
    EXPECT_EQ(Trim("\xA0x"), "\xA0x");
}

struct PadCase
{
    const char* text;
    char fill;
    int width;
    bool left;
    const char* expected;
};

void PrintTo(const PadCase& c, std::ostream* os)
{
    *os << c.text << "@" << c.width << (c.left ? "L" : "R");
}

class PadTextTest : public testing::TestWithParam<PadCase>
{
};

TEST_P(PadTextTest, CutsFromTheEndAndFills)
{
    const PadCase& c = GetParam();
    EXPECT_EQ(PadText(c.text, c.fill, c.width, c.left), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PadTextTest,
    testing::Values(PadCase{"7", '0', 2, true, "07"}, PadCase{"abc", ' ', 5, false, "abc  "},
                    PadCase{"abcdef", ' ', 3, false, "abc"}, PadCase{"abcdef", ' ', 3, true, "abc"},
                    PadCase{"123456", '0', 4, true, "1234"}, PadCase{"", '0', 3, true, "000"},
                    PadCase{"abc", ' ', 0, false, ""}, PadCase{"abc", ' ', -5, true, ""},
                    PadCase{"abc", ' ', 3, true, "abc"}));

struct DirectoryCase
{
    const char* path;
    const char* expected;
};

void PrintTo(const DirectoryCase& c, std::ostream* os)
{
    *os << c.path;
}

class NormalizeDirectoryTest : public testing::TestWithParam<DirectoryCase>
{
};

TEST_P(NormalizeDirectoryTest, DropsOneTrailingSeparatorAndRootsABareDrive)
{
    EXPECT_EQ(NormalizeDirectory(GetParam().path), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NormalizeDirectoryTest,
    testing::Values(DirectoryCase{"", ""}, DirectoryCase{"\\", ""},
                    DirectoryCase{"C:\\Data\\", "C:\\Data"}, DirectoryCase{"C:\\Data", "C:\\Data"},
                    DirectoryCase{"C:\\", "C:\\"}, DirectoryCase{"C:", "C:\\"},
                    DirectoryCase{"D:", "D:\\"}, DirectoryCase{"C:\\Data\\\\", "C:\\Data\\"},
                    DirectoryCase{"\\\\server\\share\\", "\\\\server\\share"},
                    // Blanks go only together with a trailing separator.
                    DirectoryCase{"  C:\\Data \\", "C:\\Data"},
                    DirectoryCase{" C:\\Data ", " C:\\Data "}, DirectoryCase{"/home/u/", "/home/u"},
                    DirectoryCase{"/home/u", "/home/u"}, DirectoryCase{"/", ""}));

TEST(SplitAtSeparator, HandsOutTrimmedFieldsThenEmptyTexts)
{
    std::string source = "X - Y -  - Z";
    EXPECT_EQ(SplitAtSeparator(source, "-"), "X");
    EXPECT_EQ(SplitAtSeparator(source, "-"), "Y");
    EXPECT_EQ(SplitAtSeparator(source, "-"), "");
    EXPECT_EQ(SplitAtSeparator(source, "-"), "Z");
    EXPECT_EQ(SplitAtSeparator(source, "-"), "");
    EXPECT_EQ(SplitAtSeparator(source, "-"), "");
}

TEST(SplitAtSeparator, WithoutSeparatorHandsOutTheWholeSourceOnce)
{
    std::string source = "  0800 ";
    EXPECT_EQ(SplitAtSeparator(source, "-"), "0800");
    EXPECT_EQ(source, "");
    EXPECT_EQ(SplitAtSeparator(source, "-"), "");
}

TEST(SplitAtSeparator, EmptySeparatorIsNeverFound)
{
    std::string source = " a-b ";
    EXPECT_EQ(SplitAtSeparator(source, ""), "a-b");
    EXPECT_EQ(source, "");
}

TEST(WholeNumberOrZero, ReadsWholeNumbersAndZeroForAnythingElse)
{
    EXPECT_EQ(WholeNumberOrZero("00012345"), 12345);
    EXPECT_EQ(WholeNumberOrZero(""), 0);
    EXPECT_EQ(WholeNumberOrZero("12.5"), 0);
    EXPECT_EQ(WholeNumberOrZero("99999999999"), 0);
}

} // namespace
} // namespace lumtaris
