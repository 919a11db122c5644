#include "widgets/number_edit.hpp"

#include "platform/core_text.hpp"
#include "widgets/input_guard.hpp"

#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace lumtaris {

NumberEdit::NumberEdit(Display display, int maxLength, QWidget* parent)
    : QLineEdit(parent), display_(display), decimals_(display == Display::Integer ? 0 : 2)
{
    setMaxLength(maxLength);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const QString pattern = display == Display::Integer ? QStringLiteral("[0-9]*")
                                                        : QStringLiteral("-?[0-9]*([.,][0-9]*)?");
    auto* form = new QRegularExpressionValidator(QRegularExpression(pattern), this);
    GuardOf(this).SetInner(form);
}

Decimal NumberEdit::Value() const
{
    const auto core = ToCore(text());
    return ParseRoundedNumber(core.value_or(std::string()), decimals_, decimalSeparator_);
}

void NumberEdit::SetValue(Decimal value)
{
    // Wide enough for any value; the padding in front is dropped below.
    std::string shown = FormatFixedDecimal(40, decimals_, value);
    const auto first = shown.find_first_not_of(' ');
    shown = first == std::string::npos ? std::string() : shown.substr(first);
    if (display_ == Display::Decimal && shown.find('.') != std::string::npos) {
        while (!shown.empty() && shown.back() == '0')
            shown.pop_back();
        if (!shown.empty() && shown.back() == '.')
            shown.pop_back();
    }
    QString text = FromCore(shown);
    // A field under the digit key filter cannot take ",", so it keeps the point.
    if (display_ != Display::Integer && !GuardOf(this).DigitsOnly())
        text.replace(QLatin1Char('.'), QLatin1Char(decimalSeparator_));
    setText(text);
}

} // namespace lumtaris
