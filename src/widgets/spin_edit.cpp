#include "widgets/spin_edit.hpp"

#include "widgets/input_guard.hpp"

#include <QLineEdit>

namespace lumtaris {

SpinEdit::SpinEdit(int minimum, int maximum, QWidget* parent) : QSpinBox(parent)
{
    setRange(minimum, maximum);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

void SpinEdit::SetMaxLength(int length)
{
    lineEdit()->setMaxLength(length);
}

QValidator::State SpinEdit::validate(QString& input, int& pos) const
{
    if (digitsOnly_) {
        for (const QChar c : input) {
            if (!PassesDigitKeyFilter(c))
                return QValidator::Invalid;
        }
    }
    return QSpinBox::validate(input, pos);
}

} // namespace lumtaris
