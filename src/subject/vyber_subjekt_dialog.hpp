#pragma once

// The subject picker: one subject history, newest first; OK hands back the chosen entry.

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace lumtaris {

class TfrmVyberSubjekt final : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmVyberSubjekt(QWidget* parent = nullptr);

    QLabel* lblSubjektPopis;
    QListWidget* lbSubjekt;
    QPushButton* btnSubjektOK;
    QPushButton* btnSubjektCancel;

    // The entry chosen with OK.
    QString SelectedSubjekt;

    // Lists the history (oldest first) newest first and selects the top entry.
    void FillSubjektList(const std::vector<std::string>& list);
    void btnSubjektOKClick();
};

} // namespace lumtaris
