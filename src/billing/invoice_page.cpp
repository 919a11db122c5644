#include "billing/invoice_page.hpp"

#include "billing/amount_edit.hpp"
#include "billing/fbatch_file.hpp"
#include "billing/paired_save.hpp"
#include "common/dates.hpp"
#include "common/text.hpp"
#include "platform/platform.hpp"
#include "platform/profile_text.hpp"
#include "platform/save_flow.hpp"
#include "settings/settings_store.hpp"
#include "subject/subject_entry.hpp"
#include "subject/subject_history.hpp"
#include "subject/vyber_subjekt_dialog.hpp"
#include "widgets/form_layout.hpp"
#include "widgets/input_guard.hpp"
#include "widgets/number_edit.hpp"
#include "widgets/spin_edit.hpp"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace lumtaris {

namespace {

constexpr int kSpecificSymbolWidth = 121;
constexpr int kInvoiceAmountWidth = 117;
constexpr int kPageMargin = 4;

QLineEdit* MakeTextEdit(QWidget* parent, const char* name, int maxLength, int width)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(maxLength);
    if (width > 0)
        edit->setFixedWidth(width);
    GuardCodePage(edit);
    return edit;
}

NumberEdit* MakeNumber(QWidget* parent, const char* name, NumberEdit::Display display,
                       int maxLength, int width, bool digitFilter)
{
    auto* edit = new NumberEdit(display, maxLength, parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFixedWidth(width);
    if (digitFilter)
        edtHOZCPojKeyPress(edit);
    return edit;
}

QVBoxLayout* MakeTightColumn(QWidget* column)
{
    QVBoxLayout* layout = MakeRowColumn(column);
    layout->setSpacing(2);
    return layout;
}

// The decimal separator of the user's regional settings, where it is one plain character.
char RegionalDecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point[0].unicode() > 0x20 && point[0].unicode() < 0x7f)
        return static_cast<char>(point[0].unicode());
    return kCzechDecimalSeparator;
}

std::string CoreText(const QLineEdit* edit)
{
    return ToCore(edit->text()).value_or(std::string());
}

// A failed K-batch copy is told as a failed write of the same kind.
WriteStatus AsWriteStatus(CopyStatus status)
{
    return status == CopyStatus::WriteFailed ? WriteStatus::WriteFailed : WriteStatus::CannotCreate;
}

} // namespace

InvoicePage::InvoicePage(Platform& platform, SubjectHistory& history, TfrmVyberSubjekt& picker,
                         SettingsKey& mainKey, QObject* parent)
    : QObject(parent), platform_(platform), history_(history), picker_(picker), mainKey_(mainKey),
      decimalSeparator_(RegionalDecimalSeparator())
{
    tabVYU2 = new QWidget;
    tabVYU2->setObjectName(QStringLiteral("tabVYU2"));
    auto* page = new QVBoxLayout(tabVYU2);
    page->setContentsMargins(kPageMargin, 0, kPageMargin, 0);
    page->setSpacing(0);

    // Header area.
    pnlVYU2ZahlaviClient = new QWidget(tabVYU2);
    pnlVYU2ZahlaviClient->setObjectName(QStringLiteral("pnlVYU2ZahlaviClient"));
    pnlVYU2ZahlaviClient->setFixedHeight(headerHeight_);
    auto* header = new QVBoxLayout(pnlVYU2ZahlaviClient);
    header->setContentsMargins(0, 4, 0, 2);
    header->setSpacing(0);

    pnlVYU2Zahlavi = new QFrame(pnlVYU2ZahlaviClient);
    pnlVYU2Zahlavi->setObjectName(QStringLiteral("pnlVYU2Zahlavi"));
    auto* client = new QVBoxLayout(pnlVYU2Zahlavi);
    client->setContentsMargins(0, 0, 0, 0);
    client->setSpacing(2);
    lblVYU2Zahlavi = MakeLabel(pnlVYU2Zahlavi, QStringLiteral("lblVYU2Zahlavi"), true);
    lblVYU2Zahlavi->setAlignment(Qt::AlignCenter);
    lblVYU2Zahlavi->setFixedHeight(18);
    client->addWidget(lblVYU2Zahlavi);
    auto* clientRows = new QHBoxLayout;
    clientRows->setSpacing(0);
    pnlVYU2ZahlaviNazvy = new QWidget(pnlVYU2Zahlavi);
    pnlVYU2ZahlaviNazvy->setObjectName(QStringLiteral("pnlVYU2ZahlaviNazvy"));
    QVBoxLayout* clientNames = MakeTightColumn(pnlVYU2ZahlaviNazvy);
    auto* clientFields = new QWidget(pnlVYU2Zahlavi);
    clientFields->setObjectName(QStringLiteral("pnlVYU2ZahlaviPole"));
    QVBoxLayout* clientEdits = MakeTightColumn(clientFields);
    auto addClientLabel = [&](QLabel*& label, const char* name) {
        label = MakeLabel(pnlVYU2ZahlaviNazvy, QString::fromLatin1(name), true);
        AddRow(clientNames, label);
    };

    addClientLabel(lblVYU2ICZ, "lblVYU2ICZ");
    edtVYU2ICZ = MakeNumber(clientFields, "edtVYU2ICZ", NumberEdit::Display::Integer, 8, 70, true);
    edtVYU2ICZ->setText(QStringLiteral("1"));
    btnVyberICZ = new QToolButton(clientFields);
    btnVyberICZ->setObjectName(QStringLiteral("btnVyberICZ"));
    btnVyberICZ->setText(QStringLiteral("…"));
    btnVyberICZ->setAutoRaise(true);
    SetHint(btnVyberICZ, QStringLiteral("Vybrat dříve použitý subjekt"));
    auto* iczRow = new QHBoxLayout;
    iczRow->setSpacing(4);
    iczRow->addWidget(edtVYU2ICZ);
    iczRow->addWidget(btnVyberICZ);
    iczRow->addStretch();
    AddRow(clientEdits, iczRow);

    addClientLabel(lblVYU2IC_OJ, "lblVYU2IC_OJ");
    edtVYU2IC = MakeNumber(clientFields, "edtVYU2IC", NumberEdit::Display::Integer, 8, 70, true);
    lblVYU2Pomlcka =
        MakeSeparator(clientFields, QStringLiteral("lblVYU2Pomlcka"), QStringLiteral(" - "));
    edtVYU2OJ = MakeNumber(clientFields, "edtVYU2OJ", NumberEdit::Display::Integer, 2, 28, true);
    auto* icRow = new QHBoxLayout;
    icRow->setSpacing(2);
    icRow->addWidget(edtVYU2IC);
    icRow->addWidget(lblVYU2Pomlcka);
    icRow->addWidget(edtVYU2OJ);
    icRow->addStretch();
    AddRow(clientEdits, icRow);

    addClientLabel(lblVYU2KodBanky, "lblVYU2KodBanky");
    edtVYU2KodBanky = MakeTextEdit(clientFields, "edtVYU2KodBanky", 4, 45);
    AddRow(clientEdits, edtVYU2KodBanky);
    addClientLabel(lblVYU2UcetSS, "lblVYU2UcetSS");
    edtVYU2UcetSS = MakeTextEdit(clientFields, "edtVYU2UcetSS", 10, kSpecificSymbolWidth);
    edtVYU2UcetSS->setText(QStringLiteral("0000000000"));
    AddRow(clientEdits, edtVYU2UcetSS);
    addClientLabel(lblVYU2UcetPredcisli, "lblVYU2UcetPredcisli");
    edtVYU2UcetPredcisli = MakeTextEdit(clientFields, "edtVYU2UcetPredcisli", 6, 60);
    edtVYU2UcetPredcisli->setText(QStringLiteral("000000"));
    AddRow(clientEdits, edtVYU2UcetPredcisli);
    addClientLabel(lblVYU2Ucet, "lblVYU2Ucet");
    edtVYU2Ucet = MakeTextEdit(clientFields, "edtVYU2Ucet", 10, 90);
    AddRow(clientEdits, edtVYU2Ucet);
    clientNames->addStretch();
    clientEdits->addStretch();
    clientRows->addWidget(pnlVYU2ZahlaviNazvy);
    clientRows->addWidget(clientFields, 1);
    client->addLayout(clientRows, 1);
    // Anchored to the top only, the client block stays horizontally centred.
    header->addWidget(pnlVYU2Zahlavi, 0, Qt::AlignHCenter | Qt::AlignTop);
    header->addStretch(1);

    auto* headings = new QHBoxLayout;
    headings->setSpacing(0);
    lblVYU2FakturyNadpis =
        MakeLabel(pnlVYU2ZahlaviClient, QStringLiteral("lblVYU2FakturyNadpis"), true);
    lblVYU2FakturyNadpis->setAlignment(Qt::AlignCenter);
    lblVYU2DavkyNadpis =
        MakeLabel(pnlVYU2ZahlaviClient, QStringLiteral("lblVYU2DavkyNadpis"), true);
    lblVYU2DavkyNadpis->setAlignment(Qt::AlignCenter);
    // Hidden without a batch list, it still holds the invoice heading at the left.
    QSizePolicy keepPlace = lblVYU2DavkyNadpis->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    lblVYU2DavkyNadpis->setSizePolicy(keepPlace);
    headings->addWidget(lblVYU2FakturyNadpis);
    headings->addWidget(lblVYU2DavkyNadpis, 1);
    header->addLayout(headings);
    page->addWidget(pnlVYU2ZahlaviClient);

    // Invoice block at the left.
    auto* body = new QHBoxLayout;
    body->setSpacing(0);
    pnlVYU2Faktura = new QFrame(tabVYU2);
    pnlVYU2Faktura->setObjectName(QStringLiteral("pnlVYU2Faktura"));
    auto* invoice = new QVBoxLayout(pnlVYU2Faktura);
    invoice->setContentsMargins(0, 4, 8, 4);
    invoice->setSpacing(3);
    auto* invoiceRows = new QHBoxLayout;
    invoiceRows->setSpacing(0);
    pnlVYU2FakturaNazvy = new QWidget(pnlVYU2Faktura);
    pnlVYU2FakturaNazvy->setObjectName(QStringLiteral("pnlVYU2FakturaNazvy"));
    QVBoxLayout* invoiceNames = MakeRowColumn(pnlVYU2FakturaNazvy);
    auto* invoiceFields = new QWidget(pnlVYU2Faktura);
    invoiceFields->setObjectName(QStringLiteral("pnlVYU2FakturaPole"));
    QVBoxLayout* invoiceEdits = MakeRowColumn(invoiceFields);
    auto addInvoiceLabel = [&](QLabel*& label, const char* name) {
        label = MakeLabel(pnlVYU2FakturaNazvy, QString::fromLatin1(name), true);
        AddRow(invoiceNames, label);
    };

    addInvoiceLabel(lblVYU2Cif, "lblVYU2Cif");
    edtVYU2Cif = MakeNumber(invoiceFields, "edtVYU2Cif", NumberEdit::Display::Decimal, 10,
                            kInvoiceAmountWidth, true);
    AddRow(invoiceEdits, edtVYU2Cif);

    addInvoiceLabel(lblVYU2MesicRok, "lblVYU2MesicRok");
    edtVYU2Mesic = new SpinEdit(1, 12, invoiceFields);
    edtVYU2Mesic->setObjectName(QStringLiteral("edtVYU2Mesic"));
    edtVYU2Mesic->SetDigitKeyFilter(true);
    edtVYU2Mesic->setFixedWidth(46);
    lblVYU2Lomitko = MakeLabel(invoiceFields, QStringLiteral("lblVYU2Lomitko"), true);
    lblVYU2Lomitko->setText(QStringLiteral("/"));
    edtVYU2Rok = new SpinEdit(1900, 9999, invoiceFields);
    edtVYU2Rok->setObjectName(QStringLiteral("edtVYU2Rok"));
    edtVYU2Rok->SetDigitKeyFilter(true);
    edtVYU2Rok->SetMaxLength(4);
    edtVYU2Rok->setFixedWidth(60);
    auto* periodRow = new QHBoxLayout;
    periodRow->setSpacing(4);
    periodRow->addWidget(edtVYU2Mesic);
    periodRow->addWidget(lblVYU2Lomitko);
    periodRow->addWidget(edtVYU2Rok);
    periodRow->addStretch();
    AddRow(invoiceEdits, periodRow);

    addInvoiceLabel(lblVYU2DatPredani, "lblVYU2DatPredani");
    edtVYU2DatPred = MakeTextEdit(invoiceFields, "edtVYU2DatPred", 10, 80);
    edtVYU2DatPred->setEnabled(false);
    AddRow(invoiceEdits, edtVYU2DatPred);

    addInvoiceLabel(lblVYU2FaktCastka, "lblVYU2FaktCastka");
    edtVYU2FaktCastka = MakeNumber(invoiceFields, "edtVYU2FaktCastka",
                                   NumberEdit::Display::Currency, 22, kInvoiceAmountWidth, false);
    edtVYU2FaktCastka->SetDecimalSeparator(decimalSeparator_);
    edtVYU2FaktCastkaKeyPress(edtVYU2FaktCastka, decimalSeparator_);
    AddRow(invoiceEdits, edtVYU2FaktCastka);
    invoiceRows->addWidget(pnlVYU2FakturaNazvy);
    invoiceRows->addWidget(invoiceFields, 1);
    invoice->addLayout(invoiceRows);

    auto* line = new QFrame(pnlVYU2Faktura);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    invoice->addWidget(line);
    lblVYU2DruhPojNadpis = MakeLabel(pnlVYU2Faktura, QStringLiteral("lblVYU2DruhPojNadpis"), true);
    lblVYU2DruhPojNadpis->setText(QStringLiteral("Druh pojistného vztahu"));
    lblVYU2DruhPojNadpis->setAlignment(Qt::AlignCenter);
    invoice->addWidget(lblVYU2DruhPojNadpis);
    edtVYU2FaktDruhPoj = MakeTextEdit(pnlVYU2Faktura, "edtVYU2FaktDruhPoj", 73, 0);
    edtVYU2FaktDruhPoj->setReadOnly(true);
    edtVYU2FaktDruhPoj->setFocusPolicy(Qt::NoFocus);
    QPalette grey = edtVYU2FaktDruhPoj->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Window));
    edtVYU2FaktDruhPoj->setPalette(grey);
    invoice->addWidget(edtVYU2FaktDruhPoj);
    lblVYU2FaktPoznamka = MakeLabel(pnlVYU2Faktura, QStringLiteral("lblVYU2FaktPoznamka"), true);
    lblVYU2FaktPoznamka->setAlignment(Qt::AlignCenter);
    invoice->addWidget(lblVYU2FaktPoznamka);
    edtVYU2FaktPoznamka = MakeTextEdit(pnlVYU2Faktura, "edtVYU2FaktPoznamka", 73, 0);
    invoice->addWidget(edtVYU2FaktPoznamka);
    invoice->addStretch(1);
    body->addWidget(pnlVYU2Faktura);

    // Flat-rate/capitation item and batch list, filling the rest.
    auto* right = new QVBoxLayout;
    right->setSpacing(2);
    right->setContentsMargins(0, 4, 0, 4);
    pnlVYU2PausalKapitace = new QWidget(tabVYU2);
    pnlVYU2PausalKapitace->setObjectName(QStringLiteral("pnlVYU2PausalKapitace"));
    pnlVYU2PausalKapitace->setFixedHeight(49);
    auto* item = new QVBoxLayout(pnlVYU2PausalKapitace);
    item->setContentsMargins(0, 0, 0, 0);
    item->setSpacing(2);
    lblVYU2HintPK = MakeLabel(pnlVYU2PausalKapitace, QStringLiteral("lblVYU2HintPK"));
    item->addWidget(lblVYU2HintPK);
    auto* itemRow = new QHBoxLayout;
    itemRow->setSpacing(6);
    edtVYU2PausalKapitace = new QComboBox(pnlVYU2PausalKapitace);
    edtVYU2PausalKapitace->setObjectName(QStringLiteral("edtVYU2PausalKapitace"));
    edtVYU2PausalKapitace->setFixedWidth(120);
    edtVYU2Castka = MakeNumber(pnlVYU2PausalKapitace, "edtVYU2Castka",
                               NumberEdit::Display::Currency, 22, kInvoiceAmountWidth, false);
    edtVYU2Castka->SetDecimalSeparator(decimalSeparator_);
    edtVYU2FaktCastkaKeyPress(edtVYU2Castka, decimalSeparator_);
    itemRow->addWidget(edtVYU2PausalKapitace);
    itemRow->addWidget(edtVYU2Castka);
    itemRow->addStretch();
    AddRow(item, itemRow);
    right->addWidget(pnlVYU2PausalKapitace);

    lvVYU2Davky = new QTreeWidget(tabVYU2);
    lvVYU2Davky->setObjectName(QStringLiteral("lvVYU2Davky"));
    lvVYU2Davky->setRootIsDecorated(false);
    lvVYU2Davky->setItemsExpandable(false);
    lvVYU2Davky->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvVYU2Davky->setSelectionMode(QAbstractItemView::SingleSelection);
    lvVYU2Davky->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvVYU2Davky->setAllColumnsShowFocus(true);
    lvVYU2Davky->setColumnCount(0);
    right->addWidget(lvVYU2Davky, 1);
    // Without the batch list the item stays at the top.
    right->addStretch(0);
    body->addLayout(right, 1);
    page->addLayout(body, 1);

    actVYU2Odeslat = new QAction(this);
    actVYU2Odeslat->setObjectName(QStringLiteral("actVYU2Odeslat"));
    btnVYU2Odeslat = new QPushButton;
    btnVYU2Odeslat->setObjectName(QStringLiteral("btnVYU2Odeslat"));
    btnVYU2Odeslat->setFixedSize(90, 25);
    BindButton(btnVYU2Odeslat, actVYU2Odeslat);
    page->addWidget(MakeButtonBar(tabVYU2, QStringLiteral("pnlVYU2Odeslat"), 36, btnVYU2Odeslat));

    connect(btnVyberICZ, &QToolButton::clicked, this, &InvoicePage::btnVyberICZClick);
    connect(edtVYU2PausalKapitace, &QComboBox::currentIndexChanged, this,
            [this] { edtVYU2PausalKapitaceChange(true); });
    connect(edtVYU2Castka, &QLineEdit::textChanged, this, &InvoicePage::edtVYU2CastkaChange);
    connect(actVYU2Odeslat, &QAction::triggered, this, &InvoicePage::actVYU2OdeslatExecute);
}

void InvoicePage::InitCaptions(InsurerIndex insurer)
{
    insurer_ = insurer;
    const InsurerProfileRows& profile = InsurerProfileTable;
    auto text = [insurer](const ProfileRow& row) { return ProfileText(row, insurer); };

    SetActionText(actVYU2Odeslat, QStringLiteral("Uložit"),
                  QStringLiteral("Uložit vytvořené podání na disk"));

    lblVYU2Zahlavi->setText(text(profile.TitleClientId));
    lblVYU2ICZ->setText(text(profile.LabelIcz));
    lblVYU2IC_OJ->setText(text(profile.LabelIco) + QStringLiteral(" - ") +
                          text(profile.LabelOrgUnit));
    lblVYU2MesicRok->setText(text(profile.LabelBillingMonth) + QStringLiteral(" / ") +
                             text(profile.LabelBillingYear));
    lblVYU2Cif->setText(text(profile.LabelInvoiceNumber));
    lblVYU2DatPredani->setText(text(profile.LabelHandOverDate));
    lblVYU2FaktCastka->setText(text(profile.LabelInvoiceAmount));
    lblVYU2FaktPoznamka->setText(text(profile.LabelNote));
    lblVYU2KodBanky->setText(text(profile.LabelBankCode));
    lblVYU2UcetSS->setText(text(profile.LabelSpecificSymbol));
    lblVYU2UcetPredcisli->setText(text(profile.LabelAccountPrefix));
    lblVYU2Ucet->setText(text(profile.LabelAccountNumber));
    lblVYU2FakturyNadpis->setText(QStringLiteral("Záhlaví vyúčtování"));
    lblVYU2DavkyNadpis->setText(text(profile.TitleBatchList));
    lblVYU2HintPK->setText(text(profile.HintFlatRate));

    // Bank-account fields, only where the insurer takes them.
    int widest = WidestLabel({lblVYU2ICZ, lblVYU2IC_OJ});
    const std::string_view mode = profile.BankAccountMode.at(insurer);
    const bool withBank = mode == "1" || mode == "5";
    for (QWidget* widget : std::initializer_list<QWidget*>{
             lblVYU2KodBanky, lblVYU2UcetSS, lblVYU2UcetPredcisli, lblVYU2Ucet, edtVYU2KodBanky,
             edtVYU2UcetSS, edtVYU2UcetPredcisli, edtVYU2Ucet})
        widget->setVisible(withBank);
    int clientHeight = 74;
    if (withBank) {
        headerHeight_ = 200;
        widest = std::max(widest, WidestLabel({lblVYU2KodBanky, lblVYU2UcetSS, lblVYU2UcetPredcisli,
                                               lblVYU2Ucet}));
        clientHeight = 170;
    } else {
        headerHeight_ = 110;
    }
    pnlVYU2ZahlaviClient->setFixedHeight(headerHeight_);
    pnlVYU2Zahlavi->setFixedHeight(clientHeight);
    if (withBank)
        LoadUcetFromReg();
    pnlVYU2ZahlaviNazvy->setFixedWidth(widest + 10);
    pnlVYU2Zahlavi->setFixedWidth(widest + kSpecificSymbolWidth + 20);

    // Invoice block.
    const int names =
        WidestLabel({lblVYU2Cif, lblVYU2MesicRok, lblVYU2DatPredani, lblVYU2FaktCastka});
    edtVYU2FaktPoznamka->clear();
    edtVYU2FaktDruhPoj->setText(FromUtf8(RelationTypeText('1')));
    pnlVYU2FakturaNazvy->setFixedWidth(names + 10);
    pnlVYU2Faktura->setFixedWidth(names + kInvoiceAmountWidth + 30);
    // The two headings sit side by side, the first one over the invoice block.
    lblVYU2FakturyNadpis->setFixedWidth(pnlVYU2Faktura->maximumWidth());

    pnlVYU2PausalKapitace->setVisible(profile.InvoiceWithoutBatchAllowed.at(insurer) != "0");
}

void InvoicePage::PrefillFromHistory()
{
    btnVyberICZ->setVisible(!history_.HistoryICZ().empty());
    if (history_.HistoryICZ().empty())
        return;
    const IczParts parts = CutIczEntry(history_.HistoryICZ().back());
    edtVYU2ICZ->setText(FromCore(parts.icz));
    edtVYU2IC->setText(FromCore(parts.ico));
    edtVYU2OJ->setText(FromCore(parts.oj));
}

void InvoicePage::InitDefaults(std::chrono::year_month_day today)
{
    const std::chrono::year_month_day period = OneMonthEarlier(today);
    edtVYU2Mesic->setValue(static_cast<int>(static_cast<unsigned>(period.month())));
    edtVYU2Rok->setValue(static_cast<int>(period.year()));
    edtVYU2DatPred->setText(FromCore(FormatDottedDate(today)));
}

bool InvoicePage::BankFieldsShown() const
{
    // Asked before the window is first shown, so the field's own flag counts.
    return !edtVYU2Ucet->isHidden();
}

void InvoicePage::LoadUcetFromReg()
{
    std::string account;
    if (mainKey_.IsOpen() && BankFieldsShown())
        account = RegReadString(mainKey_, kLastBill, "");
    edtVYU2KodBanky->setText(QString::fromStdString(SplitAtSeparator(account, "-")));
    const std::string symbol = SplitAtSeparator(account, "-");
    const std::string prefix = SplitAtSeparator(account, "-");
    const std::string number = SplitAtSeparator(account, "-");
    edtVYU2UcetSS->setText(symbol.empty() ? QStringLiteral("0000000000")
                                          : QString::fromStdString(symbol));
    edtVYU2UcetPredcisli->setText(prefix.empty() ? QStringLiteral("000000")
                                                 : QString::fromStdString(prefix));
    edtVYU2Ucet->setText(QString::fromStdString(number));
}

void InvoicePage::SaveUcetToReg()
{
    if (!mainKey_.IsOpen() || !BankFieldsShown())
        return;
    auto part = [](const QLineEdit* edit) { return Trim(edit->text().toStdString()); };
    RegWriteString(mainKey_, kLastBill,
                   part(edtVYU2KodBanky) + "-" + part(edtVYU2UcetSS) + "-" +
                       part(edtVYU2UcetPredcisli) + "-" + part(edtVYU2Ucet));
}

void InvoicePage::btnVyberICZClick()
{
    picker_.FillSubjektList(history_.HistoryICZ());
    picker_.lblSubjektPopis->setText(lblVYU2ICZ->text() + QStringLiteral(" - ") +
                                     lblVYU2IC_OJ->text());
    if (!platform_.RunDialog(picker_))
        return;
    const auto entry = ToCore(picker_.SelectedSubjekt);
    if (!entry)
        return;
    const IczParts parts = CutIczEntry(*entry);
    edtVYU2ICZ->setText(FromCore(parts.icz));
    edtVYU2IC->setText(FromCore(parts.ico));
    edtVYU2OJ->setText(FromCore(parts.oj));
}

void InvoicePage::UpdateActions()
{
    actVYU2Odeslat->setEnabled(
        ActVYU2OdeslatUpdate(ReadFields(), insurer_, kbatch_.AllBatchesType80));
}

void InvoicePage::ApplySetup(const InvoicePageSetup& setup)
{
    kBatchPath_ = setup.KBatchPath;
    kbatch_ = setup.kbatch;

    btnVyberICZ->setVisible(setup.showPickIcz);
    if (setup.subject) {
        edtVYU2ICZ->setText(FromCore(setup.subject->icz));
        edtVYU2IC->setText(FromCore(setup.subject->ico));
        edtVYU2OJ->setText(FromCore(setup.subject->orgUnit));
    }
    edtVYU2ICZ->setEnabled(setup.iczEnabled);
    edtVYU2FaktCastka->setEnabled(setup.invoiceAmountEnabled);
    if (setup.hideFlatRatePanel)
        pnlVYU2PausalKapitace->hide();

    {
        const QSignalBlocker quiet(edtVYU2PausalKapitace);
        edtVYU2PausalKapitace->clear();
        for (const FlatRateItem item : setup.itemRows)
            edtVYU2PausalKapitace->addItem(FromUtf8(FlatRateItemText(item, insurer_)),
                                           static_cast<int>(item));
        edtVYU2PausalKapitace->setCurrentIndex(0);
    }
    ApplyItemChoice(setup.itemEffect);

    edtVYU2FaktDruhPoj->setText(FromUtf8(setup.relationTypeText));
    lvVYU2Davky->setVisible(setup.showBatchList);
    // Without batches their heading would stand over nothing.
    lblVYU2DavkyNadpis->setVisible(setup.showBatchList);
    if (setup.showBatchList)
        FillBatchList(setup.batchList);
}

void InvoicePage::FillBatchList(const BatchList& list)
{
    lblVYU2DavkyNadpis->setText(FromUtf8(list.title));
    lvVYU2Davky->clear();
    lvVYU2Davky->setColumnCount(static_cast<int>(list.columns.size()));
    QStringList headings;
    for (const BatchListColumn& column : list.columns)
        headings << FromUtf8(column.heading);
    lvVYU2Davky->setHeaderLabels(headings);
    QList<QTreeWidgetItem*> rows;
    for (const BatchListRow& row : list.rows) {
        QStringList cells;
        for (const std::string& cell : row)
            cells << FromCore(cell);
        rows << new QTreeWidgetItem(cells);
    }
    lvVYU2Davky->addTopLevelItems(rows);

    QHeaderView* header = lvVYU2Davky->header();
    header->setStretchLastSection(false);
    for (int column = 0; column < static_cast<int>(list.columns.size()); ++column) {
        // Fitting the contents keeps the heading readable as well.
        if (list.columns[column].width == ColumnWidthRule::FitHeading)
            header->resizeSection(column, header->sectionSizeHint(column));
        else
            lvVYU2Davky->resizeColumnToContents(column);
    }
}

FlatRateItem InvoicePage::CurrentItem() const
{
    const QVariant data = edtVYU2PausalKapitace->currentData();
    return data.isValid() ? static_cast<FlatRateItem>(data.toInt()) : FlatRateItem::None;
}

void InvoicePage::edtVYU2PausalKapitaceChange(bool byUser)
{
    ApplyItemChoice(EdtVYU2PausalKapitaceChange(CurrentItem(), byUser));
}

void InvoicePage::ApplyItemChoice(const FlatRateChoiceEffect& effect)
{
    flatRateItemChosen_ = effect.FlatRateItemChosen;
    if (effect.clearAmount)
        edtVYU2Castka->SetValue(Decimal{0, 2});
    edtVYU2Castka->setVisible(effect.showAmount);
    if (effect.focusAmount)
        edtVYU2Castka->setFocus();
}

void InvoicePage::edtVYU2CastkaChange()
{
    if (!edtVYU2FaktCastka->isEnabled())
        edtVYU2FaktCastka->SetValue(AmountValue(CoreText(edtVYU2Castka), decimalSeparator_));
}

InvoiceFields InvoicePage::ReadFields() const
{
    InvoiceFields fields;
    fields.icz = CoreText(edtVYU2ICZ);
    fields.ico = CoreText(edtVYU2IC);
    fields.orgUnit = CoreText(edtVYU2OJ);
    fields.bankCode = CoreText(edtVYU2KodBanky);
    fields.specificSymbol = CoreText(edtVYU2UcetSS);
    fields.accountPrefix = CoreText(edtVYU2UcetPredcisli);
    fields.accountNumber = CoreText(edtVYU2Ucet);
    fields.invoiceNumber = CoreText(edtVYU2Cif);
    fields.month = ToCore(edtVYU2Mesic->cleanText()).value_or(std::string());
    fields.year = ToCore(edtVYU2Rok->cleanText()).value_or(std::string());
    fields.handOverDate = CoreText(edtVYU2DatPred);
    fields.invoiceAmount = CoreText(edtVYU2FaktCastka);
    fields.note = CoreText(edtVYU2FaktPoznamka);
    fields.item = CurrentItem();
    fields.itemAmount = CoreText(edtVYU2Castka);
    fields.decimalSeparator = decimalSeparator_;
    return fields;
}

void InvoicePage::actVYU2OdeslatExecute()
{
    const InvoiceFields fields = ReadFields();
    if (!ActVYU2OdeslatUpdate(fields, insurer_, kbatch_.AllBatchesType80))
        return;
    const std::string failures = CheckInvoiceHeader(fields, insurer_);
    if (!failures.empty()) {
        platform_.MessageBox(QStringLiteral("Chyba"), FromUtf8(failures), MessageIcon::Error,
                             MessageButtons::Ok);
        return;
    }

    // The subject stays in the history even when the user stops below.
    history_.AppendICZ(IczHistoryEntry(fields));
    const std::optional<QString> directory = ChooseTargetDirectory(platform_, mainKey_);
    if (!directory)
        return;
    const std::optional<std::string> folder = ToCore(*directory);
    if (!folder) {
        // A folder whose name the program cannot hold as text cannot be named in the file.
        ShowWriteFailure(platform_, WriteStatus::CannotCreate, {});
        return;
    }
    const PairedSavePaths paths = MakePairedSavePaths(*folder, insurer_);
    const QString target = FromCore(paths.TargetFileName);
    const QString copy = FromCore(paths.KBatchCopyPath);

    PairedSaveFacts facts;
    facts.withKBatchFile = !kBatchPath_.empty();
    facts.targetExists = QFileInfo::exists(target);
    facts.copyExists = QFileInfo::exists(copy);
    // The file system decides whether the chosen file already lies there, not the spelling.
    facts.sourceIsCopy = facts.withKBatchFile && IsSameFile(FromCore(kBatchPath_), copy);
    const PairedSaveQuestion question = ChoosePairedSaveQuestion(facts);
    if (question != PairedSaveQuestion::None &&
        platform_.MessageBox(QStringLiteral("Dotaz"), FromUtf8(PairedSaveQuestionText(question)),
                             MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes)
        return;

    if (!UlozVYU(fields, target, copy, NeedsKBatchCopy(facts)))
        return;
    SaveUcetToReg();
    emit Saved(FromCore(BillingResultFileLine(paths, facts.withKBatchFile)),
               FromUtf8(BillingSubjectLine(fields.icz, fields.ico, fields.orgUnit, insurer_)),
               ProfileText(InsurerProfileTable.LinkPortalBilling, insurer_));
}

bool InvoicePage::UlozVYU(const InvoiceFields& fields, const QString& target, const QString& copy,
                          bool copyNeeded)
{
    FBatchInput input;
    input.fields = fields;
    input.insurer = insurer_;
    input.withKBatchFile = !kBatchPath_.empty();
    input.records = kbatch_.records;
    input.FlatRateItemChosen = flatRateItemChosen_;
    const WriteResult written = WriteFileBytes(target, lumtaris::UlozVYU(input), writeFilter_);
    if (!written.Ok()) {
        ShowWriteFailure(platform_, written.status, written.errorText);
        return false;
    }
    if (!copyNeeded)
        return true;
    // The F-batch file stays written when the copy fails; the failure is told all the same.
    const CopyResult copied = CopyFileReplacing(FromCore(kBatchPath_), copy);
    if (copied.Ok() || copied.status == CopyStatus::SameFile)
        return true;
    ShowWriteFailure(platform_, AsWriteStatus(copied.status), copied.errorText);
    return false;
}

} // namespace lumtaris
