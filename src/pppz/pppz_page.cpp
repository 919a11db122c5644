#include "pppz/pppz_page.hpp"

#include "common/calendar.hpp"
#include "common/dates.hpp"
#include "platform/profile_text.hpp"
#include "widgets/date_edit.hpp"
#include "widgets/form_layout.hpp"
#include "widgets/input_guard.hpp"
#include "widgets/number_edit.hpp"
#include "widgets/spin_edit.hpp"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumtaris {

PppzPage::PppzPage(Platform& platform, QObject* parent) : QObject(parent), platform_(platform)
{
    tabPPPZ = new QWidget;
    tabPPPZ->setObjectName(QStringLiteral("tabPPPZ"));
    auto* page = new QVBoxLayout(tabPPPZ);
    page->setContentsMargins(4, 0, 4, 0);
    page->setSpacing(0);

    pnlPPPZ_IC_OJ = MakeLabel(tabPPPZ, QStringLiteral("pnlPPPZ_IC_OJ"), true);
    pnlPPPZ_IC_OJ->setFixedHeight(25);
    pnlPPPZ_IC_OJ->setIndent(4);
    page->addWidget(pnlPPPZ_IC_OJ);

    grdPPPZ = new QTableView(tabPPPZ);
    grdPPPZ->setObjectName(QStringLiteral("grdPPPZ"));
    ConfigureRecordGrid(grdPPPZ);
    page->addWidget(grdPPPZ, 1);

    auto* entry = new QWidget(tabPPPZ);
    entry->setObjectName(QStringLiteral("pnlPPPZEntry"));
    entry->setFixedHeight(161);
    auto* entryLayout = new QHBoxLayout(entry);
    entryLayout->setContentsMargins(0, 2, 0, 2);
    entryLayout->setSpacing(0);

    pnlPPPZNazvy = new QWidget(entry);
    pnlPPPZNazvy->setObjectName(QStringLiteral("pnlPPPZNazvy"));
    QVBoxLayout* names = MakeRowColumn(pnlPPPZNazvy);
    auto* fields = new QWidget(entry);
    fields->setObjectName(QStringLiteral("pnlPPPZPole"));
    QVBoxLayout* edits = MakeRowColumn(fields);
    auto addLabel = [&](QLabel*& label, const char* name) {
        label = MakeLabel(pnlPPPZNazvy, QString::fromLatin1(name), true);
        AddRow(names, label);
    };

    addLabel(lblPPPZMesRok, "lblPPPZMesRok");
    edtPPPZMesic = new SpinEdit(1, 12, fields);
    edtPPPZMesic->setObjectName(QStringLiteral("edtPPPZMesic"));
    edtPPPZMesic->SetDigitKeyFilter(true);
    edtPPPZMesic->setFixedWidth(50);
    lblPPPZPomlcka = MakeSeparator(fields, QStringLiteral("lblPPPZPomlcka"), QStringLiteral("-"));
    edtPPPZRok = new SpinEdit(1000, 9999, fields);
    edtPPPZRok->setObjectName(QStringLiteral("edtPPPZRok"));
    edtPPPZRok->SetDigitKeyFilter(true);
    edtPPPZRok->SetMaxLength(4);
    edtPPPZRok->setFixedWidth(65);
    auto* period = new QHBoxLayout;
    period->setSpacing(4);
    period->addWidget(edtPPPZMesic);
    period->addWidget(lblPPPZPomlcka);
    period->addWidget(edtPPPZRok);
    period->addStretch();
    AddRow(edits, period);

    auto makeNumber = [&](const char* name, NumberEdit::Display display, int maxLength) {
        auto* edit = new NumberEdit(display, maxLength, fields);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setFixedWidth(100);
        edtHOZCPojKeyPress(edit);
        return edit;
    };
    addLabel(lblPPPZPocPoj, "lblPPPZPocPoj");
    edtPPPZPocPoj = makeNumber("edtPPPZPocPoj", NumberEdit::Display::Integer, 5);
    AddRow(edits, edtPPPZPocPoj);
    addLabel(lblPPPZVymZakl, "lblPPPZVymZakl");
    edtPPPZVymZakl = makeNumber("edtPPPZVymZakl", NumberEdit::Display::Decimal, 10);
    AddRow(edits, edtPPPZVymZakl);

    addLabel(lblPPPZKC, "lblPPPZKC");
    edtPPPZKC = makeNumber("edtPPPZKC", NumberEdit::Display::Decimal, 10);
    sbCalcKC = new QToolButton(fields);
    sbCalcKC->setObjectName(QStringLiteral("sbCalcKC"));
    sbCalcKC->setText(QStringLiteral("="));
    sbCalcKC->setFixedWidth(kRowHeight);
    sbCalcKC->setAutoRaise(true);
    // Its hint reaches only the status bar.
    sbCalcKC->setStatusTip(QStringLiteral("Spočítat výši pojistného"));
    auto* premium = new QHBoxLayout;
    premium->setSpacing(2);
    premium->addWidget(edtPPPZKC);
    premium->addWidget(sbCalcKC);
    premium->addStretch();
    AddRow(edits, premium);

    addLabel(lblPPPZDatSplat, "lblPPPZDatSplat");
    edtPPPZDatSplat = new DateEdit(platform_, fields);
    edtPPPZDatSplat->setObjectName(QStringLiteral("edtPPPZDatSplat"));
    edtPPPZDatSplat->setFixedWidth(100);
    AddRow(edits, edtPPPZDatSplat);
    addLabel(lblPPPZDatOpr, "lblPPPZDatOpr");
    edtPPPZDatOpr = new DateEdit(platform_, fields);
    edtPPPZDatOpr->setObjectName(QStringLiteral("edtPPPZDatOpr"));
    edtPPPZDatOpr->setFixedWidth(100);
    AddRow(edits, edtPPPZDatOpr);
    names->addStretch();
    edits->addStretch();

    entryLayout->addWidget(pnlPPPZNazvy);
    entryLayout->addWidget(fields);

    auto makeAction = [this](const char* name) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    actPPPZZalozit = makeAction("actPPPZZalozit");
    actPPPZOpravit = makeAction("actPPPZOpravit");
    actPPPZOdstranit = makeAction("actPPPZOdstranit");
    actPPPZOdeslat = makeAction("actPPPZOdeslat");

    auto* buttons = new QWidget(entry);
    buttons->setObjectName(QStringLiteral("pnlPPPZTlacitka"));
    auto* buttonLayout = new QVBoxLayout(buttons);
    buttonLayout->setContentsMargins(16, 0, 4, 0);
    buttonLayout->setSpacing(6);
    auto makeButton = [&](const char* name, QAction* action) {
        auto* button = new QPushButton(buttons);
        button->setObjectName(QString::fromLatin1(name));
        button->setFixedSize(90, 25);
        BindButton(button, action);
        buttonLayout->addWidget(button);
        return button;
    };
    btnPPPZZalozit = makeButton("btnPPPZZalozit", actPPPZZalozit);
    btnPPPZOpravit = makeButton("btnPPPZOpravit", actPPPZOpravit);
    btnPPPZOdstranit = makeButton("btnPPPZOdstranit", actPPPZOdstranit);
    buttonLayout->addStretch();
    entryLayout->addWidget(buttons);
    entryLayout->addStretch(1);
    page->addWidget(entry);

    btnPPPZOdeslat = new QPushButton;
    btnPPPZOdeslat->setObjectName(QStringLiteral("btnPPPZOdeslat"));
    btnPPPZOdeslat->setFixedSize(90, 25);
    BindButton(btnPPPZOdeslat, actPPPZOdeslat);
    page->addWidget(MakeButtonBar(tabPPPZ, QStringLiteral("pnlPPPZOdeslat"), 33, btnPPPZOdeslat));
}

void PppzPage::InitCaptions(InsurerIndex insurer)
{
    const InsurerProfileRows& profile = InsurerProfileTable;
    auto text = [insurer](const ProfileRow& row) { return ProfileText(row, insurer); };

    SetActionText(actPPPZOdeslat, QStringLiteral("Uložit"),
                  QStringLiteral("Uložit vytvořené podání na disk"));

    gridTitles = QStringList{text(profile.LabelPppzMonth),     text(profile.LabelPppzYear),
                             text(profile.LabelInsuredCount),  text(profile.LabelAssessmentBase),
                             text(profile.LabelPremium),       text(profile.LabelDueDate),
                             text(profile.LabelCorrectionDate)};
    SetGridColumns(grdPPPZ, gridTitles, {36, 41, 86, 100, 88, 87, 72});

    lblPPPZMesRok->setText(text(profile.LabelPppzMonth) + QStringLiteral(" - ") +
                           text(profile.LabelPppzYear));
    lblPPPZPocPoj->setText(text(profile.LabelInsuredCount));
    lblPPPZVymZakl->setText(text(profile.LabelAssessmentBase));
    lblPPPZKC->setText(text(profile.LabelPremium));
    lblPPPZDatSplat->setText(text(profile.LabelDueDate));
    lblPPPZDatOpr->setText(text(profile.LabelCorrectionDate));
    pnlPPPZNazvy->setFixedWidth(WidestLabel({lblPPPZMesRok, lblPPPZPocPoj, lblPPPZVymZakl,
                                             lblPPPZKC, lblPPPZDatSplat, lblPPPZDatOpr}) +
                                10);

    SetActionText(actPPPZZalozit, text(profile.CaptionAdd), text(profile.HintAdd));
    SetActionText(actPPPZOpravit, QStringLiteral("Opravit"), QStringLiteral("Opravit záznam"));
    SetActionText(actPPPZOdstranit, QStringLiteral("Odstranit"),
                  QStringLiteral("Odstranit záznam"));
}

void PppzPage::InitDefaults(std::chrono::year_month_day today)
{
    const std::chrono::year_month_day period = OneMonthEarlier(today);
    edtPPPZMesic->setValue(static_cast<int>(static_cast<unsigned>(period.month())));
    edtPPPZRok->setValue(static_cast<int>(period.year()));
    const std::chrono::year_month_day twentieth{today.year(), today.month(), std::chrono::day{20}};
    edtPPPZDatSplat->SetDate(NextWorkingDay(twentieth));
}

void PppzPage::OpenRecordList() {}

void PppzPage::CloseRecordList() {}

void PppzPage::UpdateActions() {}

} // namespace lumtaris
