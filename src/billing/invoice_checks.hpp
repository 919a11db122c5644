#pragma once

// The two gates before the F-batch file is written: the enabling rule of "Uložit"
// (actVYU2OdeslatUpdate) and the checks of the bank account and the IČO, which collect every
// failure into one message.

#include "billing/invoice_setup.hpp"
#include "common/decimal.hpp"
#include "profiles/insurer.hpp"

#include <string>
#include <string_view>

namespace lumtaris {

// The invoice page's fields as the page reads them (code page 1250 texts).
struct InvoiceFields
{
    std::string icz;                                // edtVYU2ICZ
    std::string ico;                                // edtVYU2IC
    std::string orgUnit;                            // edtVYU2OJ
    std::string bankCode;                           // edtVYU2KodBanky
    std::string specificSymbol;                     // edtVYU2UcetSS
    std::string accountPrefix;                      // edtVYU2UcetPredcisli
    std::string accountNumber;                      // edtVYU2Ucet
    std::string invoiceNumber;                      // edtVYU2Cif
    std::string month;                              // edtVYU2Mesic
    std::string year;                               // edtVYU2Rok
    std::string handOverDate;                       // edtVYU2DatPred, "dd.mm.yyyy"
    std::string invoiceAmount;                      // edtVYU2FaktCastka
    std::string note;                               // edtVYU2FaktPoznamka
    FlatRateItem item = FlatRateItem::None;         // the row edtVYU2PausalKapitace shows
    std::string itemAmount;                         // edtVYU2Castka
    char decimalSeparator = kCzechDecimalSeparator; // the user's regional one
};

// The value of an amount field, to 2 decimals; what does not read as a number is 0.
Decimal AmountValue(std::string_view text, char decimalSeparator);

// actVYU2OdeslatUpdate: whether "Uložit" is enabled.
bool ActVYU2OdeslatUpdate(const InvoiceFields& fields, InsurerIndex insurer, bool allBatchesType80);

bool IsValidBankCode(std::string_view text);
bool IsValidAccountPrefix(std::string_view text);
// Czech account number check: digit weights 1, 2, 4, 8, ... from the right, sum modulo 11.
bool HasValidAccountChecksum(std::string_view text);

// The checks at the start of the save: every failing check's text followed by CR LF, in
// order; empty when the save may go on. UTF-8, for one "Chyba" box.
std::string CheckInvoiceHeader(const InvoiceFields& fields, InsurerIndex insurer);

// The IČZ history entry of the header: the three values zero-padded to 8, 8 and 2 digits,
// joined by " - ", for AppendICZ.
std::string IczHistoryEntry(const InvoiceFields& fields);

} // namespace lumtaris
