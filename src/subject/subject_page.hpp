#pragma once

// The subject page tabIC_OJ: the employer's IČO and organisational unit, typed or picked from
// the history, then "Pořídit" goes on to the records of the chosen kind.

#include "profiles/insurer.hpp"

#include <QObject>

class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

namespace lumtaris {

class NumberEdit;
class Platform;
class SubjectHistory;
class TfrmVyberSubjekt;

class SubjectPage final : public QObject
{
    Q_OBJECT
public:
    SubjectPage(Platform& platform, SubjectHistory& history, TfrmVyberSubjekt& picker,
                QObject* parent = nullptr);

    QWidget* tabIC_OJ;
    QLabel* lblIC_OJ;
    NumberEdit* edtIC;
    QLabel* Label1;
    NumberEdit* edtOJ;
    QToolButton* btnVyberICOJ;
    QPushButton* btnIC_OJPoridit;

    // Captions of the insurer.
    void InitCaptions(InsurerIndex insurer);
    // Shows the pick button and pre-fills both fields from the newest history entry.
    void PrefillFromHistory();

    // Adds the subject to the history and hands its header line on (Confirmed).
    void btnIC_OJPoriditClick();
    void btnVyberICOJClick();

signals:
    // The subject header, e.g. "IČO: 00012345   Org. jednotka: 01".
    void Confirmed(const QString& header);

private:
    Platform& platform_;
    SubjectHistory& history_;
    TfrmVyberSubjekt& picker_;
    InsurerIndex insurer_ = 0;
};

} // namespace lumtaris
