#include "subject/subject_page.hpp"

#include "platform/platform.hpp"
#include "platform/profile_text.hpp"
#include "subject/subject_entry.hpp"
#include "subject/subject_history.hpp"
#include "subject/vyber_subjekt_dialog.hpp"
#include "widgets/form_layout.hpp"
#include "widgets/input_guard.hpp"
#include "widgets/number_edit.hpp"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace lumtaris {

SubjectPage::SubjectPage(Platform& platform, SubjectHistory& history, TfrmVyberSubjekt& picker,
                         QObject* parent)
    : QObject(parent), platform_(platform), history_(history), picker_(picker)
{
    tabIC_OJ = new QWidget;
    tabIC_OJ->setObjectName(QStringLiteral("tabIC_OJ"));

    auto* block = new QWidget(tabIC_OJ);
    block->setObjectName(QStringLiteral("pnlIC_OJ"));
    auto* grid = new QGridLayout(block);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(6);

    lblIC_OJ = MakeLabel(block, QStringLiteral("lblIC_OJ"), true);
    grid->addWidget(lblIC_OJ, 0, 0, 1, 4);

    edtIC = new NumberEdit(NumberEdit::Display::Integer, 8, block);
    edtIC->setObjectName(QStringLiteral("edtIC"));
    edtIC->setText(QStringLiteral("1"));
    edtIC->setFixedWidth(80);
    edtHOZCPojKeyPress(edtIC);
    grid->addWidget(edtIC, 1, 0);

    Label1 = MakeSeparator(block, QStringLiteral("Label1"), QStringLiteral(" - "));
    grid->addWidget(Label1, 1, 1);

    edtOJ = new NumberEdit(NumberEdit::Display::Integer, 2, block);
    edtOJ->setObjectName(QStringLiteral("edtOJ"));
    edtOJ->setFixedWidth(32);
    edtHOZCPojKeyPress(edtOJ);
    grid->addWidget(edtOJ, 1, 2);

    btnVyberICOJ = new QToolButton(block);
    btnVyberICOJ->setObjectName(QStringLiteral("btnVyberICOJ"));
    btnVyberICOJ->setText(QStringLiteral("…"));
    btnVyberICOJ->setAutoRaise(true);
    SetHint(btnVyberICOJ, QStringLiteral("Vybrat dříve použitý subjekt"));
    grid->addWidget(btnVyberICOJ, 1, 3);

    btnIC_OJPoridit = new QPushButton(block);
    btnIC_OJPoridit->setObjectName(QStringLiteral("btnIC_OJPoridit"));
    btnIC_OJPoridit->setFixedSize(90, 25);
    grid->addWidget(btnIC_OJPoridit, 2, 0, 1, 4, Qt::AlignHCenter);

    CentreOnPage(tabIC_OJ, block);

    connect(btnIC_OJPoridit, &QPushButton::clicked, this, &SubjectPage::btnIC_OJPoriditClick);
    connect(btnVyberICOJ, &QToolButton::clicked, this, &SubjectPage::btnVyberICOJClick);
}

void SubjectPage::InitCaptions(InsurerIndex insurer)
{
    insurer_ = insurer;
    const InsurerProfileRows& profile = InsurerProfileTable;
    lblIC_OJ->setText(ProfileText(profile.LabelIco, insurer) + QStringLiteral(" - ") +
                      ProfileText(profile.LabelOrgUnit, insurer));
    btnIC_OJPoridit->setText(ProfileText(profile.CaptionCreate, insurer));
    SetHint(btnIC_OJPoridit, ProfileText(profile.HintCreate, insurer));
}

void SubjectPage::PrefillFromHistory()
{
    btnVyberICOJ->setVisible(!history_.HistoryIC_OJ().empty());
    if (history_.HistoryIC_OJ().empty())
        return;
    const IcOjParts parts = CutIcOjEntry(history_.HistoryIC_OJ().back());
    edtIC->setText(FromCore(parts.ico));
    edtOJ->setText(FromCore(parts.oj));
}

void SubjectPage::btnIC_OJPoriditClick()
{
    // The fields take digits only, so their text always fits the core's code page.
    const std::string ico = IdentifierText(ToCore(edtIC->text()).value_or(""), 8);
    const std::string oj = IdentifierText(ToCore(edtOJ->text()).value_or(""), 2);
    history_.AppendIC_OJ(IcOjEntry(ico, oj));
    const InsurerProfileRows& profile = InsurerProfileTable;
    const std::string header =
        SubjectHeader(profile.LabelIco.at(insurer_), profile.LabelOrgUnit.at(insurer_), ico, oj);
    emit Confirmed(FromUtf8(header));
}

void SubjectPage::btnVyberICOJClick()
{
    picker_.FillSubjektList(history_.HistoryIC_OJ());
    picker_.lblSubjektPopis->setText(lblIC_OJ->text());
    if (!platform_.RunDialog(picker_))
        return;
    const auto entry = ToCore(picker_.SelectedSubjekt);
    if (!entry)
        return;
    const IcOjParts parts = CutIcOjEntry(*entry);
    edtIC->setText(FromCore(parts.ico));
    edtOJ->setText(FromCore(parts.oj));
}

} // namespace lumtaris
