#include "billing/invoice_checks.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace lumtaris {
namespace {

constexpr InsurerIndex kOzp = 0;  // bank fields hidden
constexpr InsurerIndex kZps = 1;  // type 80 needs capitation
constexpr InsurerIndex kVozp = 4; // bank account mandatory

const std::string kBankMissing = "Kód peněžního ústavu musí být vyplněn.";
const std::string kPrefixMissing = "Předčíslí bankovního účtu musí být vyplněno.";
const std::string kAccountMissing = "Číslo bankovního účtu musí být vyplněno.";
const std::string kSymbol0800 = "Specifický symbol smí být vyplněn jen pro banku 0800.";
const std::string kBankDigits = "Kód peněžního ústavu musí obsahovat 4 číslice.";
const std::string kPrefixDigits =
    "Předčíslí bankovního účtu musí obsahovat kladné celé číslo nebo 000000.";
const std::string kPrefixChecksum = "Chyba v kontrolním součtu u předčíslí bankovního účtu.";
const std::string kAccountChecksum = "Chyba v kontrolním součtu u čísla bankovního účtu.";
const std::string kSymbolDigits = "Je-li vyplněn specifický symbol, musí obsahovat jen číslice.";

struct BankCase
{
    const char* name;
    InsurerIndex insurer;
    const char* bankCode;
    const char* symbol;
    const char* prefix;
    const char* account;
    std::vector<std::string> lines;
};

void PrintTo(const BankCase& c, std::ostream* os)
{
    *os << c.name;
}

class BankChecksTable : public testing::TestWithParam<BankCase>
{
};

TEST_P(BankChecksTable, CollectsEveryFailingLineInOrder)
{
    const BankCase& c = GetParam();
    InvoiceFields fields;
    fields.bankCode = c.bankCode;
    fields.specificSymbol = c.symbol;
    fields.accountPrefix = c.prefix;
    fields.accountNumber = c.account;
    std::string expected;
    for (const std::string& line : c.lines)
        expected += line + "\r\n";
    EXPECT_EQ(CheckInvoiceHeader(fields, c.insurer), expected);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, BankChecksTable,
    testing::Values(
        BankCase{"hidden fields at their start", kOzp, "", "0000000000", "000000", "", {}},
        BankCase{"symbol with 0800", kOzp, "0800", "1234", "000000", "2000145399", {}},
        BankCase{"symbol with 0100", kOzp, "0100", "1234", "000000", "2000145399", {kSymbol0800}},
        BankCase{"zero symbol with 0100", kOzp, "0100", "0000000000", "", "19", {}},
        BankCase{"empty symbol with 0100", kOzp, "0100", "", "", "19", {}},
        BankCase{"blanks around fields", kOzp, " 0800 ", " 1234 ", " 19 ", " 19 ", {}},
        BankCase{
            "prefix with a letter", kOzp, "", "", "12A456", "", {kPrefixDigits, kPrefixChecksum}},
        BankCase{"account with a letter", kOzp, "", "", "", "12A4", {kAccountChecksum}},
        BankCase{"account 19", kOzp, "", "", "", "19", {}},
        BankCase{"account 18", kOzp, "", "", "", "18", {kAccountChecksum}},
        BankCase{"account 19 with zeros", kOzp, "", "", "0", "0000000019", {}},
        BankCase{"three-digit bank code", kOzp, "080", "", "", "", {kBankDigits}},
        BankCase{
            "letters in the symbol", kOzp, "0100", "12A", "", "", {kSymbol0800, kSymbolDigits}},
        BankCase{"letters in the symbol with 0800", kOzp, "0800", "12A", "", "", {kSymbolDigits}},
        BankCase{"mode 5 with all three emptied",
                 kVozp,
                 "",
                 "0000000000",
                 "",
                 "",
                 {kBankMissing, kPrefixMissing, kAccountMissing}},
        BankCase{"mode 5 emptied and more faults",
                 kVozp,
                 " ",
                 "12A",
                 "",
                 "",
                 {kBankMissing, kPrefixMissing, kAccountMissing, kSymbol0800, kSymbolDigits}},
        BankCase{"mode 5 complete", kVozp, "0710", "", "705", "77628031", {}},
        BankCase{"every check fails",
                 kVozp,
                 "08x",
                 "1x",
                 "1x",
                 "1x",
                 {kSymbol0800, kBankDigits, kPrefixDigits, kPrefixChecksum, kAccountChecksum,
                  kSymbolDigits}}));

TEST(HasValidAccountChecksum, WeightsDoubleFromTheRightModulo11)
{
    // Real accounts: tax offices at the Czech National Bank and others published with their
    // prefixes, hand-checked with python-stdnum.
    for (const char* valid : {"", "19", "0000000019", "77628031", "705", "7720", "748",
                              "2000145399", "2784000277", "1001234567", "6015", "000000"})
        EXPECT_TRUE(HasValidAccountChecksum(valid)) << valid;
    for (const char* invalid : {"18", "77628032", "2000145398", "1", " 19", "19 ", "-19", "1a"})
        EXPECT_FALSE(HasValidAccountChecksum(invalid)) << invalid;
}

TEST(IsValidBankCode, EmptyOrFourDigits)
{
    EXPECT_TRUE(IsValidBankCode(""));
    EXPECT_TRUE(IsValidBankCode("0800"));
    EXPECT_FALSE(IsValidBankCode("080"));
    EXPECT_FALSE(IsValidBankCode("08000"));
    EXPECT_FALSE(IsValidBankCode("08a0"));
}

TEST(IsValidAccountPrefix, EmptyZerosOrDigits)
{
    EXPECT_TRUE(IsValidAccountPrefix(""));
    EXPECT_TRUE(IsValidAccountPrefix("000000"));
    EXPECT_TRUE(IsValidAccountPrefix("705"));
    EXPECT_FALSE(IsValidAccountPrefix("70 5"));
    EXPECT_FALSE(IsValidAccountPrefix("-705"));
}

struct EnableCase
{
    const char* name;
    InsurerIndex insurer;
    bool allType80;
    const char* invoiceNumber;
    const char* amount;
    const char* itemAmount;
    bool enabled;
};

void PrintTo(const EnableCase& c, std::ostream* os)
{
    *os << c.name;
}

class SaveEnablingTable : public testing::TestWithParam<EnableCase>
{
};

TEST_P(SaveEnablingTable, FollowsInvoiceNumberAndAmounts)
{
    const EnableCase& c = GetParam();
    InvoiceFields fields;
    fields.invoiceNumber = c.invoiceNumber;
    fields.invoiceAmount = c.amount;
    fields.itemAmount = c.itemAmount;
    EXPECT_EQ(ActVYU2OdeslatUpdate(fields, c.insurer, c.allType80), c.enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveEnablingTable,
    testing::Values(EnableCase{"no invoice number", kOzp, false, "", "100", "", false},
                    EnableCase{"invoice number 0", kOzp, false, "0", "100", "", false},
                    EnableCase{"zero amount allowed", kOzp, false, "1", "0", "", true},
                    EnableCase{"empty amount reads as 0", kOzp, false, "1", "", "", true},
                    EnableCase{"negative amount", kOzp, false, "1", "-0,01", "", false},
                    EnableCase{"decimal comma", kOzp, false, "7", "1500,50", "", true},
                    EnableCase{"ZPS all 80 without capitation", kZps, true, "1", "10", "0", false},
                    EnableCase{"ZPS all 80 with capitation", kZps, true, "1", "10", "0,01", true},
                    EnableCase{"ZPS some 80", kZps, false, "1", "10", "", true},
                    EnableCase{"OZP all 80", kOzp, true, "1", "10", "", true}));

TEST(IczHistoryEntry, ZeroPaddedValuesJoinedByDashes)
{
    InvoiceFields fields;
    fields.icz = "1234";
    fields.ico = "0042";
    fields.orgUnit = "1";
    EXPECT_EQ(IczHistoryEntry(fields), "00001234 - 00000042 - 01");
    EXPECT_EQ(IczHistoryEntry(InvoiceFields{}), "00000000 - 00000000 - 00");
}

} // namespace
} // namespace lumtaris
