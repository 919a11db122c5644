#include "billing/fbatch_file.hpp"

#include "common/codepage.hpp"
#include "common/dates.hpp"
#include "common/text.hpp"
#include "profiles/insurer_profile.hpp"

#include <cstdint>

namespace lumtaris {

namespace {

constexpr std::size_t kNoteWidth = 73;

// A sum of units that may pass 64 bits, as sums of many batches can although no single field
// can: high * 10^18 + low, with |low| < 10^18. Plain integers, so that every compiler takes it.
class WideSum
{
public:
    void Add(std::int64_t units)
    {
        high_ += units / kLimb;
        low_ += units % kLimb; // |low_| stays below 2 * 10^18
        high_ += low_ / kLimb;
        low_ %= kLimb;
    }

    // The digits of the sum at `decimals` places, as FormatFixedDecimal writes an amount.
    std::string Format(unsigned decimals) const
    {
        std::int64_t high = high_;
        std::int64_t low = low_;
        // Both parts take the sign of the whole.
        if (high > 0 && low < 0) {
            --high;
            low += kLimb;
        } else if (high < 0 && low > 0) {
            ++high;
            low -= kLimb;
        }
        const bool negative = high < 0 || low < 0;
        std::string digits = std::to_string(low < 0 ? -low : low);
        if (high != 0)
            digits = std::to_string(high < 0 ? -high : high) +
                     std::string(18 - digits.size(), '0') + digits;
        if (digits.size() <= decimals)
            digits.insert(0, decimals + 1 - digits.size(), '0');
        if (decimals > 0)
            digits.insert(digits.size() - decimals, 1, '.');
        if (negative)
            digits.insert(0, 1, '-');
        return digits;
    }

private:
    static constexpr std::int64_t kLimb = 1'000'000'000'000'000'000;
    std::int64_t high_ = 0;
    std::int64_t low_ = 0;
};

std::string Right(std::string_view text, char fill, int width)
{
    return PadText(text, fill, width, true);
}

std::string Left(std::string_view text, char fill, int width)
{
    return PadText(text, fill, width, false);
}

std::string FormatSum(int width, unsigned decimals, const WideSum& sum)
{
    return Right(sum.Format(decimals), ' ', width);
}

std::string HeaderRecord(const FBatchInput& in)
{
    const InvoiceFields& f = in.fields;
    std::string line = "F1.00";
    line += Right(f.icz, '0', 8);
    line += Right(f.ico, '0', 8);
    line += Right(f.orgUnit, '0', 2);
    line += InsurerProfileTable.InsurerCode[in.insurer];
    line += "    ";
    line += in.withKBatchFile || in.FlatRateItemChosen ? " 1" : " 0";
    line += " 0";
    line += Right(Trim(f.bankCode), ' ', 4);
    line += Right(Trim(f.specificSymbol), ' ', 10);
    line += Right(Trim(f.accountPrefix), ' ', 6);
    line += Right(Trim(f.accountNumber), ' ', 10);
    line += "     ";
    return line;
}

std::string InvoiceRecord(const FBatchInput& in)
{
    const InvoiceFields& f = in.fields;
    WideSum points;
    WideSum money;
    for (const KBatchRecord& record : in.records) {
        points.Add(ParseRoundedNumber(record.Points(), 0, f.decimalSeparator).units);
        money.Add(ParseRoundedNumber(record.Money(), 2, f.decimalSeparator).units);
    }
    const std::size_t following = in.records.size() + (in.FlatRateItemChosen ? 1 : 0);
    const std::string handOver = Left(DottedDateToCompact(f.handOverDate), ' ', 8);

    std::string line = "V";
    line += Right(f.invoiceNumber, ' ', 10);
    line += handOver;
    line += handOver;
    line += Right(f.month, '0', 2);
    line += Right(f.year, '0', 4);
    line += FormatFixedDecimal(18, 2, AmountValue(f.invoiceAmount, f.decimalSeparator));
    line += FormatSum(16, 0, points);
    line += FormatSum(18, 2, money);
    line += Right(std::to_string(following), ' ', 6);
    line += ' ';
    line += in.records.empty() ? '1' : in.records.front().RelationType();
    line += "  ";
    line += Left(std::string_view(f.note).substr(0, kNoteWidth), ' ', kNoteWidth);
    return line;
}

std::string ItemRecord(const FBatchInput& in)
{
    const InvoiceFields& f = in.fields;
    std::string line = "D999998";
    line += Right(f.month, '0', 2);
    line += Right(f.year, '0', 4);
    line += f.item == FlatRateItem::FlatRate ? '3' : '2';
    line += std::string(15, ' ') + "0";
    line += FormatFixedDecimal(18, 2, AmountValue(f.itemAmount, f.decimalSeparator));
    return line;
}

std::string BatchRecord(const KBatchRecord& record)
{
    std::string line = "D";
    line += record.BatchNumber();
    line += record.Month();
    line += record.Year();
    line += '1';
    line += Right(record.Points(), ' ', 16);
    line += record.Money();
    return line;
}

} // namespace

std::string UlozVYU(const FBatchInput& input)
{
    const auto to852 = [](const std::string& line) {
        return RecodeText(line, kCodePage1250, kCodePage852);
    };
    std::string file;
    file += to852(HeaderRecord(input)) + "\r\n";
    file += to852(InvoiceRecord(input)) + "\r\n";
    if (input.FlatRateItemChosen)
        file += ItemRecord(input) + "\r\n";
    for (const KBatchRecord& record : input.records)
        file += BatchRecord(record) + "\r\n";
    return file;
}

} // namespace lumtaris
