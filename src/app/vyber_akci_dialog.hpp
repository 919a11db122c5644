#pragma once

// The action dialog: four radio buttons, one per kind of submission, captioned from the
// insurer's profile. OK stays disabled until a kind is chosen.

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

namespace lumtaris {

class TfrmVyberAkci final : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmVyberAkci(QWidget* parent = nullptr);

    QLabel* lblText;
    QFrame* Bevel1;
    QRadioButton* rbHOZ;
    QRadioButton* rbPPPZ;
    QRadioButton* rbVYU1;
    QRadioButton* rbVYU2;
    QPushButton* btnOK;

    // Selects the button whose tag (its ActionKind) is `index` and no other; -1 selects none.
    void SelectAction(int index);
    // The ActionKind of the selected button, or -1.
    int SelectedAction() const;

    // Widens the dialog where the captions need more than its usual 286 pixels.
    void FitCaptions();

private:
    void rbHOZClick(QRadioButton* sender);
};

} // namespace lumtaris
