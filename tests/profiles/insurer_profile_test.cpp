#include "profiles/insurer_profile.hpp"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>

namespace lumtaris {
namespace {

constexpr InsurerIndex kOzp = 0, kZps = 1, kRbp = 2, kCpzp = 3, kVozp = 4;

struct ProfileCase
{
    const char* key;
    ProfileRow InsurerProfileRows::*row;
    InsurerIndex insurer;
    std::string_view expected;
};

void PrintTo(const ProfileCase& c, std::ostream* os)
{
    *os << c.key << "@" << int{c.insurer};
}

class InsurerProfileTest : public testing::TestWithParam<ProfileCase>
{
};

TEST_P(InsurerProfileTest, TextOfTheInsurer)
{
    const ProfileCase& c = GetParam();
    EXPECT_EQ((InsurerProfileTable.*c.row)[c.insurer], c.expected) << c.key;
}

#define ROW(name) #name, &InsurerProfileRows::name

// The rows in which the insurers differ, for every insurer that differs.
INSTANTIATE_TEST_SUITE_P(
    DifferingRows, InsurerProfileTest,
    testing::Values(
        ProfileCase{ROW(InsurerCode), kOzp, "207"}, ProfileCase{ROW(InsurerCode), kZps, "209"},
        ProfileCase{ROW(InsurerCode), kRbp, "213"}, ProfileCase{ROW(InsurerCode), kCpzp, "205"},
        ProfileCase{ROW(InsurerCode), kVozp, "201"},
        ProfileCase{ROW(InsurerShortName), kZps, "ZPŠ"},
        ProfileCase{ROW(InsurerShortName), kCpzp, "ČPZP"},
        ProfileCase{ROW(InsurerShortName), kVozp, "VoZP ČR"},
        ProfileCase{ROW(TitleBilling), kZps, "Pořízení faktury"},
        ProfileCase{ROW(TitleBilling), kRbp, "Pořízení vyúčtování"},
        ProfileCase{ROW(LabelIco), kZps, "IČ"}, ProfileCase{ROW(LabelIco), kOzp, "IČO"},
        ProfileCase{ROW(LabelIco), kVozp, "IČO"},
        ProfileCase{ROW(LabelChangeCode), kOzp, "Kód změny"},
        ProfileCase{ROW(LabelChangeCode), kCpzp, "Kód"},
        ProfileCase{ROW(LabelChangeDate), kOzp, "Datum změny"},
        ProfileCase{ROW(LabelChangeDate), kZps, "Datum"},
        ProfileCase{ROW(LabelPremium), kOzp, "Výše pojistného"},
        ProfileCase{ROW(LabelPremium), kRbp, "Pojistné"},
        ProfileCase{ROW(LabelFileChoice), kOzp,
                    "Volba souborů s žádostmi o vyúčtování a s dávkami"},
        ProfileCase{ROW(LabelFileChoice), kVozp, "Volba souborů s fakturami a s dávkami"},
        ProfileCase{ROW(LabelKBatchFile), kOzp, "Připojit soubor s dávkami\r\n(kdavka.207)"},
        ProfileCase{ROW(LabelKBatchFile), kZps, "Soubor s dávkami"},
        ProfileCase{ROW(LabelKBatchFile), kCpzp, "Připojit soubor s dávkami"},
        ProfileCase{ROW(LabelHandOverDate), kOzp, "Datum vystavení"},
        ProfileCase{ROW(LabelHandOverDate), kZps, "Datum předání"},
        ProfileCase{ROW(TitleBatchList), kZps, "Dávky obsažené v souboru"},
        ProfileCase{ROW(TitleBatchList), kOzp, "Položky obsažené ve faktuře"},
        ProfileCase{ROW(ColumnCharacter), kOzp, "Char. (P/O)"},
        ProfileCase{ROW(ColumnCharacter), kZps, "Char."},
        ProfileCase{ROW(ColumnBatchType), kOzp, "Typ dávky"},
        ProfileCase{ROW(ColumnBatchType), kRbp, "Typ"},
        ProfileCase{ROW(ColumnDocumentCount), kOzp, "Počet dokladů"},
        ProfileCase{ROW(ColumnDocumentCount), kZps, "Počet dokladů"},
        ProfileCase{ROW(ColumnDocumentCount), kRbp, "Počet dokl."},
        ProfileCase{ROW(ColumnDocumentCount), kVozp, "Počet dokl."},
        ProfileCase{ROW(LabelBankCode), kZps, "Kód banky (nepovinné)"},
        ProfileCase{ROW(LabelBankCode), kVozp, "Kód banky"},
        ProfileCase{ROW(LabelSpecificSymbol), kZps, "Specifický symbol (nepovinné)"},
        ProfileCase{ROW(LabelSpecificSymbol), kOzp, "Specifický symbol"},
        ProfileCase{ROW(LabelAccountPrefix), kZps, "Předčíslí bank. účtu (nepovinné)"},
        ProfileCase{ROW(LabelAccountPrefix), kRbp, "Předčíslí bank. účtu"},
        ProfileCase{ROW(LabelAccountNumber), kZps, "Bankovní účet (nepovinné)"},
        ProfileCase{ROW(LabelAccountNumber), kCpzp, "Bankovní účet"},
        ProfileCase{ROW(FlatRateOffered), kOzp, "1"}, ProfileCase{ROW(FlatRateOffered), kZps, "0"},
        ProfileCase{ROW(BankAccountMode), kOzp, "0"}, ProfileCase{ROW(BankAccountMode), kZps, "1"},
        ProfileCase{ROW(BankAccountMode), kRbp, "1"}, ProfileCase{ROW(BankAccountMode), kCpzp, "0"},
        ProfileCase{ROW(BankAccountMode), kVozp, "5"}, ProfileCase{ROW(IcoMandatory), kOzp, "2"},
        ProfileCase{ROW(IcoMandatory), kZps, "0"}, ProfileCase{ROW(IcoMandatory), kRbp, "2"},
        ProfileCase{ROW(IcoMandatory), kCpzp, "0"}, ProfileCase{ROW(IcoMandatory), kVozp, "2"},
        ProfileCase{ROW(NoFlatRateWithType80), kVozp, "1"},
        ProfileCase{ROW(NoFlatRateWithType80), kOzp, "0"},
        ProfileCase{ROW(Type80NeedsCapitation), kZps, "1"},
        ProfileCase{ROW(Type80NeedsCapitation), kRbp, "0"},
        ProfileCase{ROW(LinkPortalHoz), kOzp, "https://www.portalzp.cz/app/prihlaseni"},
        ProfileCase{ROW(LinkPortalPppz), kZps, "https://www.portalzp.cz/app/prihlaseni"},
        ProfileCase{ROW(LinkPortalBilling), kRbp, "https://www.portalzp.cz/app/prihlaseni"},
        ProfileCase{ROW(LinkPortalHoz), kCpzp, "https://www.cpzp.cz/prepazka/"},
        ProfileCase{ROW(LinkPortalBilling), kCpzp, "https://www.cpzp.cz/prepazka/"},
        ProfileCase{ROW(LinkPortalPppz), kVozp, "https://www.portalzp.cz/app/prihlaseni"}));

#undef ROW

TEST(InsurerProfile, NoInsurerMakesAnEmptyIcoAnError)
{
    for (InsurerIndex i = 0; i < kInsurerCount; ++i)
        EXPECT_NE(InsurerProfileTable.IcoMandatory[i], "1");
}

TEST(HozChangeCodes, SameTwentyFiveEntriesForEveryInsurer)
{
    const HozChangeCodeList& ozp = *InsurerProfileTable.HozChangeCodes[kOzp];
    for (InsurerIndex i = 0; i < kInsurerCount; ++i)
        EXPECT_TRUE(std::ranges::equal(*InsurerProfileTable.HozChangeCodes[i], ozp));
    EXPECT_EQ(ozp[0], "P Nový zaměstnanec/změna ZP");
    EXPECT_EQ(ozp[20], "Q Příjemce svědečného u soudu, přihlášený na jeden den");
    EXPECT_EQ(ozp[24], "V Odhlášení manžela/ky nebo registrovaného partnera státního "
                       "zaměstnance podle zákona o státní službě");
    for (const auto entry : ozp)
        EXPECT_EQ(entry[1], ' ') << entry;
}

TEST(HozChangeCodes, EntriesWithQuotedLetters)
{
    const HozChangeCodeList& codes = *InsurerProfileTable.HozChangeCodes[kRbp];
    EXPECT_EQ(codes[2], "A Zaměstnanec do 30.4 04 \"C\"");
    EXPECT_EQ(codes[6], "U Ztráta nároku na \"M\"");
    EXPECT_EQ(codes[10], "F Ztráta nároku na \"G\"");
    EXPECT_EQ(codes[12], "T Ztráta nároku na \"L\"");
    EXPECT_EQ(codes[14], "K Ztráta nároku na \"N\"");
    EXPECT_EQ(codes[16], "J Ztráta nároku na \"I\"");
    int quoted = 0;
    for (const auto entry : codes)
        quoted += entry.find('"') != std::string_view::npos;
    EXPECT_EQ(quoted, 6);
}

TEST(RelationTypeText, NamesTheFourTypesAndAnUnknownOne)
{
    EXPECT_EQ(RelationTypeText('1'), "1 - Veřejné zdravotní pojištění");
    EXPECT_EQ(RelationTypeText('2'), "2 - Smluvní připojištění");
    EXPECT_EQ(RelationTypeText('3'), "3 - Cestovní zdravotní připojištění");
    EXPECT_EQ(RelationTypeText('4'), "4 - Pojištění EU a mezinárodní smlouvy");
    EXPECT_EQ(RelationTypeText('7'), "7 - Neznámý druh pojistného vztahu");
    EXPECT_EQ(RelationTypeText(' '), "  - Neznámý druh pojistného vztahu");
}

} // namespace
} // namespace lumtaris
