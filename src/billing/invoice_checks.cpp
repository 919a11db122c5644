#include "billing/invoice_checks.hpp"

#include "common/text.hpp"
#include "profiles/insurer_profile.hpp"

#include <algorithm>

namespace lumtaris {

namespace {

// The invoice number edit keeps decimals; any fraction above zero counts as above zero.
constexpr std::uint8_t kInvoiceNumberDecimals = 6;

bool Flag(const ProfileRow& row, InsurerIndex insurer)
{
    return row[insurer] == "1";
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string ZeroPadded(std::string_view text, int width)
{
    return PadText(std::to_string(WholeNumberOrZero(text)), '0', width, true);
}

} // namespace

Decimal AmountValue(std::string_view text, char decimalSeparator)
{
    return ParseRoundedNumber(text, 2, decimalSeparator);
}

bool ActVYU2OdeslatUpdate(const InvoiceFields& fields, InsurerIndex insurer, bool allBatchesType80)
{
    const auto& table = InsurerProfileTable;
    if (ParseRoundedNumber(fields.invoiceNumber, kInvoiceNumberDecimals, fields.decimalSeparator)
            .units <= 0)
        return false;
    const auto amount = AmountValue(fields.invoiceAmount, fields.decimalSeparator).units;
    if (Flag(table.ZeroInvoiceAmountAllowed, insurer) ? amount < 0 : amount <= 0)
        return false;
    if (allBatchesType80 && Flag(table.Type80NeedsCapitation, insurer) &&
        AmountValue(fields.itemAmount, fields.decimalSeparator).units <= 0)
        return false;
    return true;
}

bool IsValidBankCode(std::string_view text)
{
    return text.empty() || (text.size() == 4 && IsAllDigits(text));
}

bool IsValidAccountPrefix(std::string_view text)
{
    // "000000" is all digits as well; it stays named as the form the field starts with.
    return text.empty() || text == "000000" || IsAllDigits(text);
}

bool HasValidAccountChecksum(std::string_view text)
{
    if (!std::all_of(text.begin(), text.end(), IsDigit))
        return false;
    // Only the weight modulo 11 matters, so any length stays small.
    int weight = 1;
    int sum = 0;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        sum = (sum + (*it - '0') * weight) % 11;
        weight = weight * 2 % 11;
    }
    return sum == 0;
}

std::string CheckInvoiceHeader(const InvoiceFields& fields, InsurerIndex insurer)
{
    const auto& table = InsurerProfileTable;
    const std::string bankCode = Trim(fields.bankCode);
    const std::string symbol = Trim(fields.specificSymbol);
    const std::string prefix = Trim(fields.accountPrefix);
    const std::string account = Trim(fields.accountNumber);

    std::string message;
    const auto fail = [&message, insurer](const ProfileRow& row) {
        message += row[insurer];
        message += "\r\n";
    };
    if (table.BankAccountMode[insurer] == "5") {
        if (bankCode.empty())
            fail(table.MsgBankCodeMissing);
        if (prefix.empty())
            fail(table.MsgPrefixMissing);
        if (account.empty())
            fail(table.MsgAccountMissing);
    }
    long symbolValue = 0;
    const bool symbolIsZero = ReadInteger(symbol, symbolValue) && symbolValue == 0;
    if (bankCode != "0800" && !symbol.empty() && !symbolIsZero)
        fail(table.MsgSymbolOnly0800);
    if (!IsValidBankCode(bankCode))
        fail(table.MsgBankCodeDigits);
    if (!IsValidAccountPrefix(prefix))
        fail(table.MsgPrefixDigits);
    if (!HasValidAccountChecksum(prefix))
        fail(table.MsgPrefixChecksum);
    if (!HasValidAccountChecksum(account))
        fail(table.MsgAccountChecksum);
    if (!IsAllDigits(symbol))
        fail(table.MsgSymbolDigits);
    if (Flag(table.IcoMandatory, insurer) && WholeNumberOrZero(fields.ico) == 0) {
        message += "Položka " + std::string(table.LabelIco[insurer]) + " musí být vyplněná!\r\n";
    }
    return message;
}

std::string IczHistoryEntry(const InvoiceFields& fields)
{
    return ZeroPadded(fields.icz, 8) + " - " + ZeroPadded(fields.ico, 8) + " - " +
           ZeroPadded(fields.orgUnit, 2);
}

} // namespace lumtaris
