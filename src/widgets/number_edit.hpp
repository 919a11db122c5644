#pragma once

// A line edit that keeps a numeric value behind its text. The integer form takes digits only,
// also when pasted; the decimal and currency forms take digits and one decimal point ("," or
// "."). SetValue shows a value in the edit's own form.

#include "common/decimal.hpp"

#include <QLineEdit>

namespace lumtaris {

class NumberEdit final : public QLineEdit
{
    Q_OBJECT
public:
    enum class Display
    {
        Integer,
        Decimal,  // decimals as needed, trailing zeros trimmed
        Currency, // a fixed number of decimals
    };

    explicit NumberEdit(Display display, int maxLength, QWidget* parent = nullptr);

    Display DisplayForm() const { return display_; }
    // Decimal places kept behind the text: 0 for integers, 2 for currency.
    void SetDecimals(std::uint8_t decimals) { decimals_ = decimals; }
    // The decimal separator the edit reads and shows besides "." (the Czech "," unless set).
    void SetDecimalSeparator(char separator) { decimalSeparator_ = separator; }
    char DecimalSeparator() const { return decimalSeparator_; }

    // The value of the text; empty or malformed text is 0.
    Decimal Value() const;
    void SetValue(Decimal value);
    bool IsEmpty() const { return text().trimmed().isEmpty(); }

private:
    Display display_;
    std::uint8_t decimals_;
    char decimalSeparator_ = kCzechDecimalSeparator;
};

} // namespace lumtaris
