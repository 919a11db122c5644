#pragma once

// The PPPZ page tabPPPZ: the subject line, the grid of reported months, the entry block and
// "Uložit". The commands are actions bound to their buttons; the record checks fill them in.

#include "profiles/insurer.hpp"

#include <QObject>
#include <QStringList>

#include <chrono>

class QAction;
class QLabel;
class QPushButton;
class QTableView;
class QToolButton;
class QWidget;

namespace lumtaris {

class DateEdit;
class NumberEdit;
class Platform;
class SpinEdit;

class PppzPage final : public QObject
{
    Q_OBJECT
public:
    explicit PppzPage(Platform& platform, QObject* parent = nullptr);

    QWidget* tabPPPZ;
    QLabel* pnlPPPZ_IC_OJ;
    QTableView* grdPPPZ;
    QWidget* pnlPPPZNazvy;
    QLabel* lblPPPZMesRok;
    QLabel* lblPPPZPocPoj;
    QLabel* lblPPPZVymZakl;
    QLabel* lblPPPZKC;
    QLabel* lblPPPZDatSplat;
    QLabel* lblPPPZDatOpr;
    SpinEdit* edtPPPZMesic;
    QLabel* lblPPPZPomlcka;
    SpinEdit* edtPPPZRok;
    NumberEdit* edtPPPZPocPoj;
    NumberEdit* edtPPPZVymZakl;
    NumberEdit* edtPPPZKC;
    QToolButton* sbCalcKC;
    DateEdit* edtPPPZDatSplat;
    DateEdit* edtPPPZDatOpr;
    QPushButton* btnPPPZZalozit;
    QPushButton* btnPPPZOpravit;
    QPushButton* btnPPPZOdstranit;
    QPushButton* btnPPPZOdeslat;

    QAction* actPPPZZalozit;
    QAction* actPPPZOpravit;
    QAction* actPPPZOdstranit;
    QAction* actPPPZOdeslat;

    // The grid's column titles as InitCaptions set them, for the record list's model.
    QStringList gridTitles;

    void InitCaptions(InsurerIndex insurer);
    // The reporting period (the month before today) and the proposed due date.
    void InitDefaults(std::chrono::year_month_day today);
    void OpenRecordList();
    void CloseRecordList();
    void UpdateActions();

private:
    Platform& platform_;
};

} // namespace lumtaris
