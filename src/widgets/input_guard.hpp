#pragma once

// What every text field of the window accepts. A character that code page 1250 cannot hold is
// refused where it is typed or pasted, never turned into "?" later. The shared digit key
// filter edtHOZCPojKeyPress lets only the digits and "." through. Both work as a validator, so
// they hold for pasted and dropped text as well as for keystrokes: an edit that would leave
// the field with a refused character does not happen.

#include <QValidator>

class QLineEdit;

namespace lumtaris {

class InputGuard final : public QValidator
{
    Q_OBJECT
public:
    explicit InputGuard(QObject* parent = nullptr);

    // The digit key filter: digits and "." only.
    void SetDigitsOnly(bool on) { digitsOnly_ = on; }
    bool DigitsOnly() const { return digitsOnly_; }

    // A further rule of the field itself (a number edit's form), asked after the guard.
    void SetInner(const QValidator* inner) { inner_ = inner; }

    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

private:
    bool digitsOnly_ = false;
    const QValidator* inner_ = nullptr;
};

// True for a character the digit key filter lets through.
bool PassesDigitKeyFilter(QChar c);

// The guard of a line edit, installed on first use.
InputGuard& GuardOf(QLineEdit* edit);

// Refuses text that code page 1250 cannot hold (every text field gets this).
void GuardCodePage(QLineEdit* edit);

// Attaches the shared digit key filter edtHOZCPojKeyPress.
void edtHOZCPojKeyPress(QLineEdit* edit);

} // namespace lumtaris
