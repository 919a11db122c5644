#pragma once

// The insurer dialog: a list of the five insurers ordered by code, with the chosen insurer's
// logo above it. OK stays disabled until an insurer is chosen; Esc ends the dialog.

#include "profiles/insurer.hpp"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QPushButton;

namespace lumtaris {

inline constexpr int kInsurerListCount = 5;

// The list is ordered by insurer code, which is not the InsurerIndex order.
InsurerIndex InsurerAtListPosition(int position);

class TfrmVyberZP final : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmVyberZP(QWidget* parent = nullptr);

    QLabel* lblText;
    QLabel* ImageCPZP;
    QLabel* ImageRBP;
    QLabel* ImageOZP;
    QLabel* ImageZPS;
    QLabel* ImageVoZP;
    QComboBox* cbZP;
    QPushButton* btnOK;

    // Set from the list position whenever a position is selected.
    InsurerIndex insurerIndex = 0;

    // The logo label of an insurer.
    QLabel* Image(InsurerIndex insurer) const;

    void cbZPChange();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool FormKeyPress(QKeyEvent* event);
};

} // namespace lumtaris
