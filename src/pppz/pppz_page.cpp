#include "pppz/pppz_page.hpp"

#include "common/submission_name.hpp"
#include "platform/platform.hpp"
#include "platform/profile_text.hpp"
#include "platform/save_flow.hpp"
#include "pppz/pppz_file.hpp"
#include "pppz/pppz_grid_model_qt.hpp"
#include "subject/subject_page.hpp"
#include "widgets/date_edit.hpp"
#include "widgets/date_leave_check.hpp"
#include "widgets/form_layout.hpp"
#include "widgets/input_guard.hpp"
#include "widgets/number_edit.hpp"
#include "widgets/record_page.hpp"
#include "widgets/spin_edit.hpp"

#include <QAction>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumtaris {

namespace {

std::string CoreText(const QString& text)
{
    // The fields take digits and date masks only, all of which code page 1250 holds.
    return ToCore(text).value_or(std::string());
}

} // namespace

PppzPage::PppzPage(Platform& platform, SettingsKey& mainKey, const SubjectPage& subject,
                   QObject* parent)
    : QObject(parent), platform_(platform), mainKey_(mainKey), subject_(subject)
{
    tabPPPZ = new QWidget;
    tabPPPZ->setObjectName(QStringLiteral("tabPPPZ"));
    const QString kind = QStringLiteral("PPPZ");
    const RecordPageFrame frame = BuildRecordPageFrame(tabPPPZ, kind, 161);
    pnlPPPZ_IC_OJ = frame.header;
    grdPPPZ = frame.grid;
    gridModel_ = new PppzGridModel(this);
    grdPPPZ->setModel(gridModel_);
    connect(grdPPPZ->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { GridRowChanged(current.row()); });

    pnlPPPZNazvy = frame.names;
    QVBoxLayout* names = frame.nameRows;
    QWidget* fields = frame.fields;
    QVBoxLayout* edits = frame.fieldRows;
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

    auto makeAction = [this](const char* name) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    actPPPZZalozit = makeAction("actPPPZZalozit");
    actPPPZOpravit = makeAction("actPPPZOpravit");
    actPPPZOdstranit = makeAction("actPPPZOdstranit");
    actPPPZOdeslat = makeAction("actPPPZOdeslat");

    QVBoxLayout* buttons = AddButtonColumn(frame, kind, 16);
    btnPPPZZalozit = AddCommandButton(buttons, "btnPPPZZalozit", actPPPZZalozit);
    btnPPPZOpravit = AddCommandButton(buttons, "btnPPPZOpravit", actPPPZOpravit);
    btnPPPZOdstranit = AddCommandButton(buttons, "btnPPPZOdstranit", actPPPZOdstranit);
    buttons->addStretch();
    frame.entryRow->addStretch(1);

    btnPPPZOdeslat = AddSaveBar(frame, tabPPPZ, kind, actPPPZOdeslat);

    connect(actPPPZZalozit, &QAction::triggered, this, &PppzPage::actPPPZZalozitExecute);
    connect(actPPPZOpravit, &QAction::triggered, this, &PppzPage::actPPPZOpravitExecute);
    connect(actPPPZOdstranit, &QAction::triggered, this, &PppzPage::actPPPZOdstranitExecute);
    connect(actPPPZOdeslat, &QAction::triggered, this, &PppzPage::actPPPZOdeslatExecute);
    connect(sbCalcKC, &QToolButton::clicked, this, &PppzPage::sbCalcKCClick);
    InstallDateLeaveCheck(edtPPPZDatSplat, platform_);
    InstallDateLeaveCheck(edtPPPZDatOpr, platform_);
    UpdateActions();
}

PppzPage::~PppzPage()
{
    // The model must not outlive the list it shows.
    gridModel_->SetList(nullptr);
}

void PppzPage::InitCaptions(InsurerIndex insurer)
{
    insurer_ = insurer;
    const InsurerProfileRows& profile = InsurerProfileTable;
    auto text = [insurer](const ProfileRow& row) { return ProfileText(row, insurer); };

    SetActionText(actPPPZOdeslat, QStringLiteral("Uložit"),
                  QStringLiteral("Uložit vytvořené podání na disk"));

    gridTitles = QStringList{text(profile.LabelPppzMonth),     text(profile.LabelPppzYear),
                             text(profile.LabelInsuredCount),  text(profile.LabelAssessmentBase),
                             text(profile.LabelPremium),       text(profile.LabelDueDate),
                             text(profile.LabelCorrectionDate)};
    gridModel_->SetTitles(gridTitles);
    const int widths[kPppzGridColumns] = {36, 41, 86, 100, 88, 87, 72};
    for (int column = 0; column < kPppzGridColumns; ++column)
        grdPPPZ->setColumnWidth(column, widths[column]);

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
    LoadEntry(PppzInitialEntry(today));
}

void PppzPage::OpenRecordList()
{
    gridModel_->SetList(nullptr);
    editor_ = std::make_unique<PppzEditor>(insurer_);
    gridModel_->SetList(&editor_->List());
    ShowStoreActionText();
    FollowList();
}

void PppzPage::CloseRecordList()
{
    gridModel_->SetList(nullptr);
    editor_.reset();
}

void PppzPage::UpdateActions()
{
    const bool open = editor_ != nullptr;
    actPPPZZalozit->setEnabled(open && editor_->CanStore(ReadEntry()));
    const bool listUsable = open && editor_->CanUseList();
    actPPPZOpravit->setEnabled(listUsable);
    actPPPZOdstranit->setEnabled(listUsable);
    actPPPZOdeslat->setEnabled(listUsable);
}

PppzEntry PppzPage::ReadEntry() const
{
    PppzEntry entry;
    entry.month = edtPPPZMesic->value();
    entry.year = edtPPPZRok->value();
    entry.count = CoreText(edtPPPZPocPoj->text());
    entry.base = CoreText(edtPPPZVymZakl->text());
    entry.premium = CoreText(edtPPPZKC->text());
    entry.dueDate = CoreText(edtPPPZDatSplat->DottedText());
    entry.correctionDate = CoreText(edtPPPZDatOpr->DottedText());
    return entry;
}

void PppzPage::LoadEntry(const PppzEntry& entry)
{
    edtPPPZMesic->setValue(entry.month);
    edtPPPZRok->setValue(entry.year);
    edtPPPZPocPoj->setText(FromCore(entry.count));
    edtPPPZVymZakl->setText(FromCore(entry.base));
    edtPPPZKC->setText(FromCore(entry.premium));
    edtPPPZDatSplat->SetDottedText(FromCore(entry.dueDate));
    edtPPPZDatOpr->SetDottedText(FromCore(entry.correctionDate));
}

void PppzPage::FocusField(PppzField field)
{
    QWidget* widget = nullptr;
    switch (field) {
    case PppzField::Month:
        widget = edtPPPZMesic;
        break;
    case PppzField::Year:
        widget = edtPPPZRok;
        break;
    case PppzField::Count:
        widget = edtPPPZPocPoj;
        break;
    case PppzField::Base:
        widget = edtPPPZVymZakl;
        break;
    case PppzField::Premium:
        widget = edtPPPZKC;
        break;
    case PppzField::DueDate:
        widget = edtPPPZDatSplat;
        break;
    case PppzField::CorrectionDate:
        widget = edtPPPZDatOpr;
        break;
    }
    // Focused as by the Tab key, so that its text is selected to be typed over.
    widget->setFocus(Qt::TabFocusReason);
}

void PppzPage::ShowStoreActionText()
{
    const ActionText text = editor_ ? editor_->StoreActionText() : actPPPZZalozitText(0, insurer_);
    SetActionText(actPPPZZalozit, FromUtf8(text.caption), FromUtf8(text.hint));
}

void PppzPage::FollowList()
{
    following_ = true;
    gridModel_->Sync();
    const std::optional<std::size_t> current =
        editor_ ? editor_->List().CurrentIndex() : std::nullopt;
    const int row = current ? static_cast<int>(*current) : -1;
    if (row >= 0 && row < gridModel_->rowCount())
        grdPPPZ->setCurrentIndex(gridModel_->index(row, 0));
    else
        grdPPPZ->selectionModel()->clear();
    following_ = false;
    gridModel_->SetIndicatorRow(row);
}

void PppzPage::GridRowChanged(int row)
{
    if (following_ || !editor_ || row < 0)
        return;
    editor_->SetCurrentIndex(static_cast<std::size_t>(row));
    gridModel_->SetIndicatorRow(row);
}

void PppzPage::actPPPZZalozitExecute()
{
    if (!editor_)
        return;
    const std::optional<PppzStoreResult> result =
        editor_->Store(ReadEntry(), platform_.clock().Today());
    if (!result)
        return;
    if (result->warning)
        platform_.MessageBox(FromUtf8(kPremiumWarningCaption), FromUtf8(*result->warning),
                             MessageIcon::Warning, MessageButtons::Ok);
    if (result->error) {
        platform_.MessageBox(FromUtf8(kErrorCaption), FromUtf8(*result->error), MessageIcon::Error,
                             MessageButtons::Ok);
        FocusField(result->focus);
        return;
    }
    FollowList();
    if (result->entry)
        LoadEntry(*result->entry);
    ShowStoreActionText();
    FocusField(result->focus);
}

void PppzPage::actPPPZOpravitExecute()
{
    if (!editor_)
        return;
    const std::optional<PppzEntryView> view = editor_->Correct();
    if (!view)
        return;
    LoadEntry(view->entry);
    ShowStoreActionText();
    FocusField(view->focus);
}

void PppzPage::actPPPZOdstranitExecute()
{
    if (!editor_ || !editor_->CanUseList())
        return;
    if (platform_.MessageBox(FromUtf8(kQuestionCaption), FromUtf8(kDeleteQuestion),
                             MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    if (editor_->Delete())
        FollowList();
}

void PppzPage::actPPPZOdeslatExecute()
{
    if (!editor_ || !editor_->CanUseList())
        return;
    const std::string ico = CoreText(subject_.edtIC->text());
    const std::string unit = CoreText(subject_.edtOJ->text());
    const PppzList& list = editor_->List();
    const std::optional<QString> path = SaveSingleFileSubmission(
        platform_, mainKey_, FromCore(SubmissionFileName(ico, unit, kPppzNameInfix)),
        [&] { return UlozPPPZ(list, ico, unit, insurer_); }, writeFilter_);
    if (!path)
        return;
    emit Saved(*path, pnlPPPZ_IC_OJ->text(),
               ProfileText(InsurerProfileTable.LinkPortalPppz, insurer_));
}

void PppzPage::sbCalcKCClick()
{
    if (platform_.MessageBox(FromUtf8(kQuestionCaption), FromUtf8(sbCalcKCQuestion()),
                             MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    edtPPPZKC->setText(FromCore(sbCalcKCPremium(CoreText(edtPPPZVymZakl->text()))));
}

} // namespace lumtaris
