#pragma once

// A spin edit that keeps its value within its range: a typed value outside it becomes the
// nearest limit when the field is left. No decimals.

#include <QSpinBox>

namespace lumtaris {

class SpinEdit final : public QSpinBox
{
    Q_OBJECT
public:
    SpinEdit(int minimum, int maximum, QWidget* parent = nullptr);

    // Attaches the shared digit key filter: digits and "." only, typed or pasted.
    void SetDigitKeyFilter(bool on) { digitsOnly_ = on; }
    void SetMaxLength(int length);

protected:
    QValidator::State validate(QString& input, int& pos) const override;

private:
    bool digitsOnly_ = false;
};

} // namespace lumtaris
