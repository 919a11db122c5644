#include "subject/subject_entry.hpp"

#include <gtest/gtest.h>

namespace lumtaris {
namespace {

TEST(SubjectEntry, IdentifiersAreZeroFilledAndEmptyCountsAsZero)
{
    struct Case
    {
        const char* field;
        int width;
        const char* text;
    };
    const Case cases[] = {
        {"", 8, "00000000"},
        {"123", 8, "00000123"},
        {"00012345", 8, "00012345"},
        {"12345678", 8, "12345678"},
        {"7", 2, "07"},
        {"", 2, "00"},
        {" 5 ", 2, "05"},
        {"99", 2, "99"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IdentifierText(c.field, c.width), c.text) << '"' << c.field << '"';
}

TEST(SubjectEntry, EntriesAndHeader)
{
    EXPECT_EQ(IcOjEntry("00012345", "01"), "00012345 - 01");
    EXPECT_EQ(IczEntry("12345678", "00000123", "05"), "12345678 - 00000123 - 05");
    EXPECT_EQ(SubjectHeader("IČO", "Org. jednotka", "00012345", "01"),
              "IČO: 00012345   Org. jednotka: 01");
    EXPECT_EQ(SubjectHeader("IČ", "Org. jednotka", "00000000", "00"),
              "IČ: 00000000   Org. jednotka: 00");
}

TEST(SubjectEntry, CutsTakeTheEntryApart)
{
    const IcOjParts icOj = CutIcOjEntry("12345678 - 05");
    EXPECT_EQ(icOj.ico, "12345678");
    EXPECT_EQ(icOj.oj, "05");
    const IczParts icz = CutIczEntry("12345678 - 00000123 - 05");
    EXPECT_EQ(icz.icz, "12345678");
    EXPECT_EQ(icz.ico, "00000123");
    EXPECT_EQ(icz.oj, "05");
    // A short text gives what it holds and never reads past its end.
    const IczParts shortEntry = CutIczEntry("1234");
    EXPECT_EQ(shortEntry.icz, "1234");
    EXPECT_EQ(shortEntry.ico, "");
    EXPECT_EQ(shortEntry.oj, "");
}

} // namespace
} // namespace lumtaris
