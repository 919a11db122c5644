#include "billing/fbatch_file.hpp"

#include "common/codepage.hpp"
#include "common/dates.hpp"
#include "common/text.hpp"
#include "profiles/insurer_profile.hpp"

#include <cstdint>

namespace lumtaris {

namespace {

constexpr std::size_t kNoteWidth = 73;

// Sums of many batches can pass 64 bits even though no single field can.
__extension__ typedef __int128 WideSum;

std::string Right(std::string_view text, char fill, int width)
{
    return PadText(text, fill, width, true);
}

std::string Left(std::string_view text, char fill, int width)
{
    return PadText(text, fill, width, false);
}

// A sum of units at `decimals` places, as FormatFixedDecimal writes an amount.
std::string FormatSum(int width, unsigned decimals, WideSum units)
{
    const bool negative = units < 0;
    std::string digits;
    for (WideSum rest = negative ? -units : units; rest != 0 || digits.size() <= decimals;
         rest /= 10)
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(rest % 10)));
    if (decimals > 0)
        digits.insert(digits.size() - decimals, 1, '.');
    if (negative)
        digits.insert(0, 1, '-');
    return Right(digits, ' ', width);
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
    WideSum points = 0;
    WideSum money = 0;
    for (const KBatchRecord& record : in.records) {
        points += ParseRoundedNumber(record.Points(), 0, f.decimalSeparator).units;
        money += ParseRoundedNumber(record.Money(), 2, f.decimalSeparator).units;
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
