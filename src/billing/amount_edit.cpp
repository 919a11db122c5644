#include "billing/amount_edit.hpp"

#include "billing/invoice_setup.hpp"
#include "platform/core_text.hpp"
#include "widgets/input_guard.hpp"

#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace lumtaris {

namespace {

// A validator sees only the text an edit would have. The filter is about what is added, so
// this one remembers the field's last text and lets through, of what an edit inserts, only the
// characters the key filter passes.
class AmountKeyFilter final : public QValidator
{
public:
    AmountKeyFilter(QLineEdit* edit, char decimalSeparator)
        : QValidator(edit), decimalSeparator_(decimalSeparator), last_(edit->text())
    {
        connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { last_ = text; });
    }

    State validate(QString& input, int& pos) const override
    {
        if (input == last_)
            return Acceptable;
        // What the edit replaced: the part between the common start and the common end.
        const qsizetype shorter = std::min(input.size(), last_.size());
        qsizetype front = 0;
        while (front < shorter && input[front] == last_[front])
            ++front;
        qsizetype back = 0;
        while (back < shorter - front &&
               input[input.size() - 1 - back] == last_[last_.size() - 1 - back])
            ++back;
        const QString kept = last_.left(front) + last_.right(back);
        const QString inserted = input.mid(front, input.size() - front - back);
        const std::string accepted =
            FilterAmountInput(ToCore(kept).value_or(std::string()),
                              ToCore(inserted).value_or(std::string()), decimalSeparator_);
        const QString added = FromCore(accepted);
        input = last_.left(front) + added + last_.right(back);
        pos = static_cast<int>(front + added.size());
        return Acceptable;
    }

private:
    char decimalSeparator_;
    QString last_;
};

} // namespace

void edtVYU2FaktCastkaKeyPress(QLineEdit* edit, char decimalSeparator)
{
    GuardOf(edit).SetInner(new AmountKeyFilter(edit, decimalSeparator));
}

} // namespace lumtaris
