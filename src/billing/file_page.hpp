#pragma once

// The K-batch choice page tabVYU1: the heading, the K-batch file field and "Pořídit".

#include "billing/invoice_setup.hpp"
#include "profiles/insurer.hpp"

#include <QObject>

class QLabel;
class QPushButton;
class QWidget;

namespace lumtaris {

class FileNameEdit;
class Platform;
class SubjectHistory;

class FilePage final : public QObject
{
    Q_OBJECT
public:
    FilePage(Platform& platform, const SubjectHistory& history, QObject* parent = nullptr);

    QWidget* tabVYU1;
    QLabel* lblVYUVolbaSouboru;
    QWidget* pnlVYU1Texty;
    QLabel* lblVYU1KDavkaText;
    FileNameEdit* edtKDavka;
    QPushButton* btnVYUPoridit;

    // Captions and the file filter of the insurer; the kind chooses the invoice's items.
    void InitCaptions(InsurerIndex insurer, ActionKind kind);
    void UpdateActions();

    // Strips one pair of surrounding double quotes; the change that makes runs it again.
    void edtKDavkaChange();
    // Checks and reads the chosen K-batch file, or none, and opens the invoice page; on a
    // refusal the page stays with the focus on edtKDavka.
    void btnVYUPoriditClick();

signals:
    // The invoice page may open, set up so.
    void Confirmed(const lumtaris::InvoicePageSetup& setup);

private:
    Platform& platform_;
    const SubjectHistory& history_;
    InsurerIndex insurer_ = 0;
    ActionKind kind_ = ActionKind::Vyu1;
};

} // namespace lumtaris
