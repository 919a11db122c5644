#include "widgets/input_guard.hpp"

#include "platform/core_text.hpp"

#include <QLineEdit>

namespace lumtaris {

InputGuard::InputGuard(QObject* parent) : QValidator(parent) {}

bool PassesDigitKeyFilter(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.');
}

QValidator::State InputGuard::validate(QString& input, int& pos) const
{
    if (!FitsCodePage1250(input))
        return Invalid;
    if (digitsOnly_) {
        for (const QChar c : input) {
            if (!PassesDigitKeyFilter(c))
                return Invalid;
        }
    }
    if (inner_ != nullptr)
        return inner_->validate(input, pos);
    return Acceptable;
}

void InputGuard::fixup(QString& input) const
{
    if (inner_ != nullptr)
        inner_->fixup(input);
}

InputGuard& GuardOf(QLineEdit* edit)
{
    auto* guard = qobject_cast<InputGuard*>(const_cast<QValidator*>(edit->validator()));
    if (guard == nullptr) {
        guard = new InputGuard(edit);
        edit->setValidator(guard);
    }
    return *guard;
}

void GuardCodePage(QLineEdit* edit)
{
    GuardOf(edit);
}

void edtHOZCPojKeyPress(QLineEdit* edit)
{
    GuardOf(edit).SetDigitsOnly(true);
}

} // namespace lumtaris
