#include "billing/fbatch_file.hpp"

#include "common/codepage.hpp"
#include "support/test_data.hpp"

#include <gtest/gtest.h>

namespace lumtaris {
namespace {

std::string Cp1250(std::string_view utf8)
{
    return Cp1250FromUtf8(utf8).value();
}

std::vector<KBatchRecord> TwoBatches()
{
    const std::string path = test::DataPath("kbatch/two_batches.kdavka");
    KBatchReadResult read = NactiKDavku(test::ReadBytes(path), path, 0);
    EXPECT_TRUE(read.ok) << read.errorMessage;
    return read.content.records;
}

std::string Expected(const std::string& name)
{
    return test::ReadBytes(test::DataPath("fbatch/" + name));
}

TEST(UlozVYU, WithoutKBatchFileTheFlatRateItemIsTheOnlyRecord)
{
    FBatchInput in;
    in.insurer = 0; // OZP, bank fields hidden at their start texts
    in.fields.icz = "1234";
    in.fields.ico = "42";
    in.fields.orgUnit = "1";
    in.fields.specificSymbol = "0000000000";
    in.fields.accountPrefix = "000000";
    in.fields.invoiceNumber = "2026001";
    in.fields.month = "11";
    in.fields.year = "2026";
    in.fields.handOverDate = "10.12.2026";
    in.fields.invoiceAmount = "1500";
    in.fields.item = FlatRateItem::FlatRate;
    in.fields.itemAmount = "1500";
    in.FlatRateItemChosen = true;
    EXPECT_EQ(UlozVYU(in), Expected("flat_rate_no_kbatch.fbatch"));
}

TEST(UlozVYU, BatchRecordsCarryTheirTextsAndTheSumsAreExact)
{
    FBatchInput in;
    in.insurer = 4; // VoZP, bank account shown
    in.fields.icz = "12345678";
    in.fields.ico = "87654321";
    in.fields.orgUnit = "3";
    in.fields.bankCode = " 0800";
    in.fields.specificSymbol = "1234 ";
    in.fields.accountPrefix = "19";
    in.fields.accountNumber = "2000145399";
    in.fields.invoiceNumber = "17";
    in.fields.month = "10";
    in.fields.year = "2026";
    in.fields.handOverDate = "10.12.2026";
    in.fields.invoiceAmount = "1300";
    in.fields.note = Cp1250("Faktura za září, ošetřovací den");
    in.withKBatchFile = true;
    in.records = TwoBatches();
    EXPECT_EQ(UlozVYU(in), Expected("two_batches.fbatch"));
}

TEST(UlozVYU, CapitationItemStaysOutOfTheMoneySumAndTheNoteIsCutNotTrimmed)
{
    FBatchInput in;
    in.insurer = 1; // ZPŠ
    in.fields.icz = "12345678";
    in.fields.ico = "7";
    in.fields.specificSymbol = "0000000000";
    in.fields.accountPrefix = "000000";
    in.fields.invoiceNumber = "99999";
    in.fields.month = "12";
    in.fields.year = "2026";
    in.fields.handOverDate = "01.01.2027";
    in.fields.invoiceAmount = "0";
    in.fields.note = Cp1250("  Příliš žluťoučký kůň úpěl ďábelské ódy; Ďáblův Šťastný Řehoř čte "
                            "účty za zářijové výkony");
    in.fields.item = FlatRateItem::Capitation;
    in.fields.itemAmount = "250,5";
    in.withKBatchFile = true;
    in.records = TwoBatches();
    in.FlatRateItemChosen = true;
    EXPECT_EQ(UlozVYU(in), Expected("capitation_long_note.fbatch"));
}

TEST(UlozVYU, SumsOfManyLargeBatchesDoNotWrapAround)
{
    FBatchInput in;
    in.withKBatchFile = true;
    // 100 batches of 99 999 999 999 points and 999 999 999 999 999.99 Kč: the money sum
    // passes 64 bits of hundredths.
    const std::string d = std::string("DP01123456780001202610000001002") + "99999999999" +
                          "999999999999999.99" + "1 ";
    ASSERT_EQ(d.size(), kKBatchRecordSize);
    for (int i = 0; i < 100; ++i)
        in.records.push_back(KBatchRecord::FromText(d));
    const std::string file = UlozVYU(in);
    const std::string invoice = file.substr(71, 168);
    EXPECT_EQ(invoice.substr(51, 16), "   9999999999900");
    // 99999999999999999.00 is wider than its 18 places; the column keeps its first characters.
    EXPECT_EQ(invoice.substr(67, 18), "99999999999999999.");
    EXPECT_EQ(invoice.substr(85, 6), "   100");
}

TEST(UlozVYU, SumsWithCreditsTakeTheSignOfTheWhole)
{
    struct Case
    {
        std::vector<std::pair<std::string, int>> amounts; // money field and how many records
        std::string money;                                // the 18 places of the invoice sum
    };
    const Case cases[] = {
        {{{"              5.00", 1}, {"             -7.50", 1}}, "             -2.50"},
        {{{"              0.05", 1}, {"             -0.05", 1}}, "              0.00"},
        // Past 64 bits of hundredths on the way, back below at the end.
        {{{"999999999999999.99", 100}, {"-99999999999999.99", 1000}}, "              9.00"},
        {{{"999999999999999.99", 100}, {"-99999999999999.99", 999}}, "100000000000008.99"},
        // Wider than its 18 places: the column keeps its first characters.
        {{{"-99999999999999.99", 1000}, {"              0.01", 1}}, "-99999999999999989"},
    };
    for (const Case& c : cases) {
        FBatchInput in;
        in.withKBatchFile = true;
        for (const auto& [amount, count] : c.amounts) {
            const std::string d =
                std::string("DP01123456780001202610000001002") + "00000000001" + amount + "1 ";
            ASSERT_EQ(d.size(), kKBatchRecordSize);
            for (int i = 0; i < count; ++i)
                in.records.push_back(KBatchRecord::FromText(d));
        }
        const std::string invoice = UlozVYU(in).substr(71, 168);
        EXPECT_EQ(invoice.substr(67, 18), c.money) << c.amounts.front().first;
    }
}

} // namespace
} // namespace lumtaris
