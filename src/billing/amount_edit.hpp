#pragma once

// The key filter of the two amount fields of the invoice page (edtVYU2FaktCastkaKeyPress).

class QLineEdit;

namespace lumtaris {

// Attaches the amount key filter: digits, ".", and the user's decimal separator once. It holds
// for pasted and dropped text as for keys: of an insertion only what the filter lets through
// goes in, one character after the other.
void edtVYU2FaktCastkaKeyPress(QLineEdit* edit, char decimalSeparator);

} // namespace lumtaris
