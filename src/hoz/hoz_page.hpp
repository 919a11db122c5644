#pragma once

// The HOZ page tabHOZ: the subject line, the record grid, the entry block and "Uložit".
// The commands are actions bound to their buttons; the record rules fill them in.

#include "profiles/insurer.hpp"

#include <QObject>
#include <QStringList>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QWidget;

namespace lumtaris {

class DateEdit;
class Platform;

class HozPage final : public QObject
{
    Q_OBJECT
public:
    explicit HozPage(Platform& platform, QObject* parent = nullptr);

    QWidget* tabHOZ;
    QLabel* pnlHOZ_IC_OJ;
    QTableView* grdHOZ;
    QWidget* pnlHOZNazvy;
    QLabel* lblHOZKod;
    QLabel* lblHOZCPoj;
    QLabel* lblHOZPrijmeni;
    QLabel* lblHOZJmeno;
    QLabel* lblHOZDatum;
    QLabel* lblHOZUlice;
    QLabel* lblHOZObec;
    QLabel* lblHOZPSC;
    QComboBox* edtHOZKod;
    QLineEdit* edtHOZCPoj;
    QLineEdit* edtHOZPrijmeni;
    QLineEdit* edtHOZJmeno;
    DateEdit* edtHOZDatum;
    QLineEdit* EdtHOZUlice;
    QLineEdit* EdtHOZObec;
    QLineEdit* EdtHOZPSC;
    QPushButton* btnHOZZalozit;
    QPushButton* btnHOZOpravit;
    QPushButton* btnHOZVymazat;
    QPushButton* Button1;
    QPushButton* btnHOZOdeslat;

    QAction* actHOZZalozit;
    QAction* actHOZOpravit;
    QAction* actHOZOdstranit;
    QAction* actHOZDuplikovat;
    QAction* actHOZOdeslat;

    // The grid's column titles as InitCaptions set them, for the record list's model.
    QStringList gridTitles;

    // Captions, labels, column titles and the change-code list of the insurer.
    void InitCaptions(InsurerIndex insurer);
    // Opens the (empty) record list of the run.
    void OpenRecordList();
    // Discards the records when the window closes.
    void CloseRecordList();
    // The enabling rules, asked whenever the application goes idle.
    void UpdateActions();

private:
    Platform& platform_;
};

} // namespace lumtaris
