#include "hoz/hoz_page.hpp"

#include "platform/profile_text.hpp"
#include "widgets/date_edit.hpp"
#include "widgets/form_layout.hpp"
#include "widgets/input_guard.hpp"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace lumtaris {

namespace {

QLineEdit* MakeTextEdit(QWidget* parent, const char* name, int maxLength, int width)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(maxLength);
    edit->setFixedWidth(width);
    GuardCodePage(edit);
    return edit;
}

} // namespace

HozPage::HozPage(Platform& platform, QObject* parent) : QObject(parent), platform_(platform)
{
    tabHOZ = new QWidget;
    tabHOZ->setObjectName(QStringLiteral("tabHOZ"));
    auto* page = new QVBoxLayout(tabHOZ);
    page->setContentsMargins(4, 0, 4, 0);
    page->setSpacing(0);

    pnlHOZ_IC_OJ = MakeLabel(tabHOZ, QStringLiteral("pnlHOZ_IC_OJ"), true);
    pnlHOZ_IC_OJ->setFixedHeight(25);
    pnlHOZ_IC_OJ->setIndent(4);
    page->addWidget(pnlHOZ_IC_OJ);

    grdHOZ = new QTableView(tabHOZ);
    grdHOZ->setObjectName(QStringLiteral("grdHOZ"));
    ConfigureRecordGrid(grdHOZ);
    page->addWidget(grdHOZ, 1);

    auto* entry = new QWidget(tabHOZ);
    entry->setObjectName(QStringLiteral("pnlHOZEntry"));
    entry->setFixedHeight(198);
    auto* entryLayout = new QHBoxLayout(entry);
    entryLayout->setContentsMargins(0, 2, 0, 2);
    entryLayout->setSpacing(0);

    pnlHOZNazvy = new QWidget(entry);
    pnlHOZNazvy->setObjectName(QStringLiteral("pnlHOZNazvy"));
    QVBoxLayout* names = MakeRowColumn(pnlHOZNazvy);
    auto* fields = new QWidget(entry);
    fields->setObjectName(QStringLiteral("pnlHOZPole"));
    QVBoxLayout* edits = MakeRowColumn(fields);

    auto addRow = [&](QLabel*& label, const char* labelName, QWidget* field) {
        label = MakeLabel(pnlHOZNazvy, QString::fromLatin1(labelName), true);
        AddRow(names, label);
        AddRow(edits, field);
    };
    edtHOZKod = new QComboBox(fields);
    edtHOZKod->setObjectName(QStringLiteral("edtHOZKod"));
    edtHOZKod->setFixedWidth(300);
    edtHOZKod->setMaxVisibleItems(25);
    addRow(lblHOZKod, "lblHOZKod", edtHOZKod);
    edtHOZCPoj = MakeTextEdit(fields, "edtHOZCPoj", 10, 90);
    edtHOZCPojKeyPress(edtHOZCPoj);
    addRow(lblHOZCPoj, "lblHOZCPoj", edtHOZCPoj);
    edtHOZPrijmeni = MakeTextEdit(fields, "edtHOZPrijmeni", 30, 210);
    addRow(lblHOZPrijmeni, "lblHOZPrijmeni", edtHOZPrijmeni);
    edtHOZJmeno = MakeTextEdit(fields, "edtHOZJmeno", 24, 170);
    addRow(lblHOZJmeno, "lblHOZJmeno", edtHOZJmeno);
    edtHOZDatum = new DateEdit(platform_, fields);
    edtHOZDatum->setObjectName(QStringLiteral("edtHOZDatum"));
    edtHOZDatum->setFixedWidth(100);
    addRow(lblHOZDatum, "lblHOZDatum", edtHOZDatum);
    EdtHOZUlice = MakeTextEdit(fields, "EdtHOZUlice", 30, 210);
    addRow(lblHOZUlice, "lblHOZUlice", EdtHOZUlice);
    EdtHOZObec = MakeTextEdit(fields, "EdtHOZObec", 30, 210);
    addRow(lblHOZObec, "lblHOZObec", EdtHOZObec);
    EdtHOZPSC = MakeTextEdit(fields, "EdtHOZPSC", 5, 50);
    edtHOZCPojKeyPress(EdtHOZPSC);
    addRow(lblHOZPSC, "lblHOZPSC", EdtHOZPSC);
    names->addStretch();
    edits->addStretch();

    entryLayout->addWidget(pnlHOZNazvy);
    entryLayout->addWidget(fields);
    entryLayout->addStretch(1);

    auto makeAction = [this](const char* name) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    actHOZZalozit = makeAction("actHOZZalozit");
    actHOZOpravit = makeAction("actHOZOpravit");
    actHOZOdstranit = makeAction("actHOZOdstranit");
    actHOZDuplikovat = makeAction("actHOZDuplikovat");
    actHOZOdeslat = makeAction("actHOZOdeslat");
    SetActionText(actHOZDuplikovat, QStringLiteral("Duplikovat"),
                  QStringLiteral("Předvyplní hodnoty z aktuálního záznamu"));

    auto* buttons = new QWidget(entry);
    buttons->setObjectName(QStringLiteral("pnlHOZTlacitka"));
    auto* buttonLayout = new QVBoxLayout(buttons);
    buttonLayout->setContentsMargins(8, 0, 4, 0);
    buttonLayout->setSpacing(6);
    auto makeButton = [&](const char* name, QAction* action) {
        auto* button = new QPushButton(buttons);
        button->setObjectName(QString::fromLatin1(name));
        button->setFixedSize(90, 25);
        BindButton(button, action);
        buttonLayout->addWidget(button);
        return button;
    };
    btnHOZZalozit = makeButton("btnHOZZalozit", actHOZZalozit);
    btnHOZOpravit = makeButton("btnHOZOpravit", actHOZOpravit);
    btnHOZVymazat = makeButton("btnHOZVymazat", actHOZOdstranit);
    Button1 = makeButton("Button1", actHOZDuplikovat);
    buttonLayout->addStretch();
    entryLayout->addWidget(buttons);
    page->addWidget(entry);

    btnHOZOdeslat = new QPushButton;
    btnHOZOdeslat->setObjectName(QStringLiteral("btnHOZOdeslat"));
    btnHOZOdeslat->setFixedSize(90, 25);
    BindButton(btnHOZOdeslat, actHOZOdeslat);
    page->addWidget(MakeButtonBar(tabHOZ, QStringLiteral("pnlHOZOdeslat"), 33, btnHOZOdeslat));
}

void HozPage::InitCaptions(InsurerIndex insurer)
{
    const InsurerProfileRows& profile = InsurerProfileTable;
    auto text = [insurer](const ProfileRow& row) { return ProfileText(row, insurer); };

    SetActionText(actHOZOdeslat, QStringLiteral("Uložit"),
                  QStringLiteral("Uložit vytvořené podání na disk"));

    gridTitles = QStringList{text(profile.LabelChangeCode), text(profile.LabelInsuredNumber),
                             text(profile.LabelSurname),    text(profile.LabelFirstName),
                             text(profile.LabelChangeDate), text(profile.LabelStreet),
                             text(profile.LabelTown),       text(profile.LabelPostCode)};
    SetGridColumns(grdHOZ, gridTitles, {0, 0, 140, 111, 71, 140, 140, 30});

    lblHOZKod->setText(text(profile.LabelChangeCode));
    lblHOZCPoj->setText(text(profile.LabelInsuredNumber));
    lblHOZPrijmeni->setText(text(profile.LabelSurname));
    lblHOZJmeno->setText(text(profile.LabelFirstName));
    lblHOZDatum->setText(text(profile.LabelChangeDate));
    lblHOZUlice->setText(text(profile.LabelStreet));
    lblHOZObec->setText(text(profile.LabelTown));
    lblHOZPSC->setText(text(profile.LabelPostCode));
    // The address labels do not count: they are short and sit under the others.
    pnlHOZNazvy->setFixedWidth(
        WidestLabel({lblHOZKod, lblHOZCPoj, lblHOZPrijmeni, lblHOZJmeno, lblHOZDatum}) + 10);

    SetActionText(actHOZZalozit, text(profile.CaptionAdd), text(profile.HintAdd));
    SetActionText(actHOZOpravit, QStringLiteral("Opravit"), QStringLiteral("Opravit záznam"));
    SetActionText(actHOZOdstranit, QStringLiteral("Odstranit"), QStringLiteral("Odstranit záznam"));

    edtHOZKod->clear();
    for (const std::string_view entry : *profile.HozChangeCodes.at(insurer))
        edtHOZKod->addItem(FromUtf8(entry));
    edtHOZKod->setCurrentIndex(-1);
}

void HozPage::OpenRecordList() {}

void HozPage::CloseRecordList() {}

void HozPage::UpdateActions() {}

} // namespace lumtaris
