#include "hoz/hoz_page.hpp"

#include "common/submission_name.hpp"
#include "hoz/hoz_file.hpp"
#include "hoz/hoz_grid_model_qt.hpp"
#include "platform/core_text.hpp"
#include "platform/platform.hpp"
#include "platform/profile_text.hpp"
#include "platform/save_flow.hpp"
#include "widgets/date_edit.hpp"
#include "widgets/date_leave_check.hpp"
#include "widgets/form_layout.hpp"
#include "widgets/input_guard.hpp"
#include "widgets/record_page.hpp"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
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
    const QString kind = QStringLiteral("HOZ");
    const RecordPageFrame frame = BuildRecordPageFrame(tabHOZ, kind, 198);
    pnlHOZ_IC_OJ = frame.header;
    grdHOZ = frame.grid;
    gridModel_ = new HozGridModel(grdHOZ);
    grdHOZ->setModel(gridModel_);
    // Titles start at the left, so that one cut by its narrow column still reads.
    grdHOZ->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(grdHOZ->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { GridRowChanged(current.row()); });

    pnlHOZNazvy = frame.names;
    QWidget* fields = frame.fields;
    auto addRow = [&](QLabel*& label, const char* labelName, QWidget* field) {
        label = MakeLabel(pnlHOZNazvy, QString::fromLatin1(labelName), true);
        AddRow(frame.nameRows, label);
        AddRow(frame.fieldRows, field);
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
    InstallDateLeaveCheck(edtHOZDatum, platform_);
    addRow(lblHOZDatum, "lblHOZDatum", edtHOZDatum);
    EdtHOZUlice = MakeTextEdit(fields, "EdtHOZUlice", 30, 210);
    addRow(lblHOZUlice, "lblHOZUlice", EdtHOZUlice);
    EdtHOZObec = MakeTextEdit(fields, "EdtHOZObec", 30, 210);
    addRow(lblHOZObec, "lblHOZObec", EdtHOZObec);
    EdtHOZPSC = MakeTextEdit(fields, "EdtHOZPSC", 5, 50);
    edtHOZCPojKeyPress(EdtHOZPSC);
    addRow(lblHOZPSC, "lblHOZPSC", EdtHOZPSC);
    frame.nameRows->addStretch();
    frame.fieldRows->addStretch();
    frame.entryRow->addStretch(1);

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
    connect(actHOZZalozit, &QAction::triggered, this, &HozPage::actHOZZalozitExecute);
    connect(actHOZOpravit, &QAction::triggered, this, &HozPage::actHOZOpravitExecute);
    connect(actHOZOdstranit, &QAction::triggered, this, &HozPage::actHOZOdstranitExecute);
    connect(actHOZDuplikovat, &QAction::triggered, this, &HozPage::actHOZDuplikovatExecute);

    QVBoxLayout* buttons = AddButtonColumn(frame, kind, 8);
    btnHOZZalozit = AddCommandButton(buttons, "btnHOZZalozit", actHOZZalozit);
    btnHOZOpravit = AddCommandButton(buttons, "btnHOZOpravit", actHOZOpravit);
    btnHOZVymazat = AddCommandButton(buttons, "btnHOZVymazat", actHOZOdstranit);
    Button1 = AddCommandButton(buttons, "Button1", actHOZDuplikovat);
    buttons->addStretch();

    btnHOZOdeslat = AddSaveBar(frame, tabHOZ, kind, actHOZOdeslat);
}

void HozPage::InitCaptions(InsurerIndex insurer)
{
    insurer_ = insurer;
    const InsurerProfileRows& profile = InsurerProfileTable;
    auto text = [insurer](const ProfileRow& row) { return ProfileText(row, insurer); };

    SetActionText(actHOZOdeslat, QStringLiteral("Uložit"),
                  QStringLiteral("Uložit vytvořené podání na disk"));

    gridTitles = QStringList{text(profile.LabelChangeCode), text(profile.LabelInsuredNumber),
                             text(profile.LabelSurname),    text(profile.LabelFirstName),
                             text(profile.LabelChangeDate), text(profile.LabelStreet),
                             text(profile.LabelTown),       text(profile.LabelPostCode)};
    gridModel_->SetTitles(gridTitles);
    const int widths[HozGridModel::kColumnCount] = {0, 0, 140, 111, 71, 140, 140, 30};
    for (int column = 0; column < HozGridModel::kColumnCount; ++column) {
        if (widths[column] > 0)
            grdHOZ->setColumnWidth(column, widths[column]);
    }

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

void HozPage::OpenRecordList()
{
    editor_ = std::make_unique<HozEditor>(insurer_);
    ShowList();
}

void HozPage::CloseRecordList()
{
    editor_.reset();
    gridModel_->Refresh(HozList());
}

void HozPage::UpdateActions()
{
    actHOZZalozit->setEnabled(editor_ != nullptr && editor_->CanStore(ReadEntry()));
    const bool listUsable = editor_ != nullptr && editor_->CanUseList();
    actHOZOpravit->setEnabled(listUsable);
    actHOZOdstranit->setEnabled(listUsable);
    actHOZDuplikovat->setEnabled(listUsable);
    actHOZOdeslat->setEnabled(listUsable);
}

HozEntry HozPage::ReadEntry() const
{
    // The fields refuse what code page 1250 cannot hold, so nothing is lost here.
    auto core = [](const QLineEdit* edit) { return ToCore(edit->text()).value_or(std::string()); };
    HozEntry entry;
    entry.changeCodeIndex = edtHOZKod->currentIndex();
    entry.insuredNumber = core(edtHOZCPoj);
    entry.surname = core(edtHOZPrijmeni);
    entry.firstName = core(edtHOZJmeno);
    entry.date = ToCore(edtHOZDatum->DottedText()).value_or(std::string(kEmptyDottedDate));
    entry.street = core(EdtHOZUlice);
    entry.town = core(EdtHOZObec);
    entry.postCode = core(EdtHOZPSC);
    return entry;
}

void HozPage::actHOZZalozitExecute()
{
    if (editor_ == nullptr)
        return;
    const auto view = editor_->Store(ReadEntry());
    if (!view)
        return;
    ShowList();
    ShowEntry(*view);
}

void HozPage::actHOZOpravitExecute()
{
    if (editor_ == nullptr)
        return;
    const auto view = editor_->Correct();
    if (!view)
        return;
    ShowList();
    ShowEntry(*view);
}

void HozPage::actHOZDuplikovatExecute()
{
    if (editor_ == nullptr)
        return;
    const auto view = editor_->Duplicate();
    if (!view)
        return;
    ShowEntry(*view);
}

void HozPage::actHOZOdstranitExecute()
{
    if (editor_ == nullptr || !editor_->CanUseList())
        return;
    if (platform_.MessageBox(FromUtf8(kQuestionCaption), FromUtf8(kDeleteQuestion),
                             MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    if (editor_->Delete())
        ShowList();
}

std::optional<QString> HozPage::SaveSubmission(SettingsKey& mainKey, const QString& icoText,
                                               const QString& unitText)
{
    if (editor_ == nullptr || !editor_->CanUseList())
        return std::nullopt;
    const QString fileName =
        FromCore(SubmissionFileName(ToCore(icoText).value_or(std::string()),
                                    ToCore(unitText).value_or(std::string()), kHozNameInfix));
    const HozEditor& editor = *editor_;
    return SaveSingleFileSubmission(
        platform_, mainKey, fileName, [&editor] { return UlozHOZ(editor.List()); }, writeFilter_);
}

void HozPage::ShowEntry(const HozEntryView& view)
{
    const HozEntry& entry = view.entry;
    edtHOZKod->setCurrentIndex(entry.changeCodeIndex);
    edtHOZCPoj->setText(FromCore(entry.insuredNumber));
    edtHOZPrijmeni->setText(FromCore(entry.surname));
    edtHOZJmeno->setText(FromCore(entry.firstName));
    if (entry.date == kEmptyDottedDate)
        edtHOZDatum->Clear();
    else
        edtHOZDatum->SetDottedText(FromCore(entry.date));
    EdtHOZUlice->setText(FromCore(entry.street));
    EdtHOZObec->setText(FromCore(entry.town));
    EdtHOZPSC->setText(FromCore(entry.postCode));

    QWidget* focus = edtHOZCPoj;
    switch (view.focus) {
    case HozField::ChangeCode:
        focus = edtHOZKod;
        break;
    case HozField::InsuredNumber:
        focus = edtHOZCPoj;
        break;
    case HozField::Surname:
        focus = edtHOZPrijmeni;
        break;
    case HozField::FirstName:
        focus = edtHOZJmeno;
        break;
    case HozField::Date:
        focus = edtHOZDatum;
        break;
    case HozField::Street:
        focus = EdtHOZUlice;
        break;
    case HozField::Town:
        focus = EdtHOZObec;
        break;
    case HozField::PostCode:
        focus = EdtHOZPSC;
        break;
    }
    focus->setFocus(Qt::OtherFocusReason);
}

void HozPage::ShowList()
{
    if (editor_ == nullptr)
        return;
    const HozList& list = editor_->List();
    showingList_ = true;
    gridModel_->Refresh(list);
    QItemSelectionModel* selection = grdHOZ->selectionModel();
    const auto current = list.CurrentIndex();
    if (current && static_cast<int>(*current) < gridModel_->rowCount()) {
        const QModelIndex index = gridModel_->index(static_cast<int>(*current), 0);
        selection->setCurrentIndex(index,
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        grdHOZ->scrollTo(index);
        gridModel_->SetIndicatorRow(index.row());
    } else {
        selection->clear();
        gridModel_->SetIndicatorRow(-1);
    }
    showingList_ = false;
}

void HozPage::GridRowChanged(int row)
{
    if (showingList_ || editor_ == nullptr || row < 0)
        return;
    editor_->SetCurrentIndex(static_cast<std::size_t>(row));
    gridModel_->SetIndicatorRow(row);
}

} // namespace lumtaris
