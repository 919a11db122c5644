#include "hoz/hoz_file.hpp"

#include "common/codepage.hpp"
#include "hoz/hoz_editor.hpp"
#include "support/test_data.hpp"

#include <gtest/gtest.h>

namespace lumtaris {
namespace {

std::string Cp(const char* utf8)
{
    return Cp1250FromUtf8(utf8).value();
}

HozEntry Entry(int code, const char* cpoj, const char* surname, const char* name, const char* date,
               const char* street, const char* town, const char* postCode)
{
    HozEntry e;
    e.changeCodeIndex = code;
    e.insuredNumber = cpoj;
    e.surname = Cp(surname);
    e.firstName = Cp(name);
    e.date = date;
    e.street = Cp(street);
    e.town = Cp(town);
    e.postCode = postCode;
    return e;
}

TEST(HozFileTest, MatchesTheFixtureByteForByte)
{
    HozEditor editor(0);
    // Every field at its full width.
    ASSERT_TRUE(editor.Store(Entry(
        0, "8001011234", "Novotná-Procházková Kratochvíl", "Jana Marie Alžběta Hanka", "01.02.2025",
        "Na Příkopě 1234/56a, vchod B-7", "Praha 1 - Nové Město, Staré M.", "11000")));
    // A 9-digit insured number, Czech letters, no address.
    ASSERT_TRUE(
        editor.Store(Entry(4, "805101123", "Řeřichová", "Růžena", "31.01.2025", "", "", "")));
    // A typographic apostrophe, which code page 852 lacks.
    ASSERT_TRUE(editor.Store(
        Entry(3, "7703154321", "O’Brien", "Patrick", "15.03.2025", "Dlouhá 12", "Brno", "60200")));

    const std::string expected = test::ReadBytes(test::DataPath("hoz/00001234.05"));
    const std::string actual = UlozHOZ(editor.List());
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(actual.size(), 3u * 140u);
    // Writing leaves the list as it was.
    EXPECT_EQ(editor.List().Count(), 3u);
    EXPECT_EQ(editor.List().CurrentIndex(), 2u);
}

} // namespace
} // namespace lumtaris
