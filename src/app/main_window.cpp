#include "app/main_window.hpp"

#include "app/images.hpp"
#include "app/result_page.hpp"
#include "billing/file_page.hpp"
#include "billing/invoice_page.hpp"
#include "hoz/hoz_page.hpp"
#include "platform/profile_text.hpp"
#include "pppz/pppz_page.hpp"
#include "subject/subject_page.hpp"
#include "subject/vyber_subjekt_dialog.hpp"
#include "widgets/form_layout.hpp"
#include "widgets/link_label.hpp"
#include "widgets/number_edit.hpp"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QVBoxLayout>

namespace lumtaris {

TfrmMain::TfrmMain(SettingsBackend& settings, Platform& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform), mainKey_(settings.OpenOrCreate(kMainKeyPath)),
      subjectKey_(settings.OpenOrCreate(kSubjectKeyPath))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Lumtaris"));
    ApplyWindowFont(this);
    history_.LoadSubjektFromReg(*subjectKey_);
}

void TfrmMain::BuildPages()
{
    frmVyberSubjekt = new TfrmVyberSubjekt(this);
    subjectPage = new SubjectPage(platform_, history_, *frmVyberSubjekt, this);
    hozPage = new HozPage(platform_, this);
    pppzPage = new PppzPage(platform_, *mainKey_, *subjectPage, this);
    filePage = new FilePage(platform_, history_, this);
    invoicePage = new InvoicePage(platform_, history_, *frmVyberSubjekt, *mainKey_, this);
    resultPage = new ResultPage(this);
    BuildFrame();
    ShowInsurerLogo();

    connect(subjectPage, &SubjectPage::Confirmed, this, &TfrmMain::ShowSubjectHeader);
    connect(hozPage->actHOZOdeslat, &QAction::triggered, this, &TfrmMain::actHOZOdeslatExecute);
    connect(pppzPage, &PppzPage::Saved, this, &TfrmMain::ShowSavedResult);
    connect(filePage, &FilePage::Confirmed, this, &TfrmMain::ShowInvoicePage);
    connect(invoicePage, &InvoicePage::Saved, this, &TfrmMain::ShowSavedResult);
    connect(BtnReload, &QPushButton::clicked, this, &TfrmMain::BtnReloadClick);
    connect(BtnClose, &QPushButton::clicked, this, &TfrmMain::BtnCloseClick);
    connect(resultPage->lblSaveHTMLOdkaz, &LinkLabel::clicked, this,
            &TfrmMain::lblSaveHTMLOdkazClick);
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &TfrmMain::RefreshActions);
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::BuildFrame()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("pnlClient"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    pnlObr = new QWidget(central);
    pnlObr->setObjectName(QStringLiteral("pnlObr"));
    pnlObr->setFixedHeight(65);
    pnlObr->setAutoFillBackground(true);
    auto* banner = new QHBoxLayout(pnlObr);
    banner->setContentsMargins(0, 0, 0, 0);
    banner->setSpacing(8);
    ImgPortal = new QLabel(pnlObr);
    ImgPortal->setObjectName(QStringLiteral("ImgPortal"));
    const QPixmap bannerPicture = BannerPicture();
    ImgPortal->setPixmap(bannerPicture);
    ImgPortal->setFixedSize(284, 60);
    banner->addWidget(ImgPortal, 0, Qt::AlignVCenter);
    ImgZP = new QLabel(pnlObr);
    ImgZP->setObjectName(QStringLiteral("ImgZP"));
    banner->addWidget(ImgZP, 0, Qt::AlignVCenter);
    banner->addStretch();
    // The panel takes the banner's own background, so that the two merge.
    QPalette bannerColour = pnlObr->palette();
    if (!bannerPicture.isNull())
        bannerColour.setColor(QPalette::Window, bannerPicture.toImage().pixelColor(1, 1));
    pnlObr->setPalette(bannerColour);
    layout->addWidget(pnlObr);

    pnlTitle = new QLabel(central);
    pnlTitle->setObjectName(QStringLiteral("pnlTitle"));
    pnlTitle->setFixedHeight(24);
    pnlTitle->setAlignment(Qt::AlignCenter);
    QFont titleFont = pnlTitle->font();
    titleFont.setPointSize(10);
    titleFont.setBold(true);
    pnlTitle->setFont(titleFont);
    ShowAsHeading(pnlTitle);
    layout->addWidget(pnlTitle);

    pgAkce = new QStackedWidget(central);
    pgAkce->setObjectName(QStringLiteral("pgAkce"));
    pgAkce->setFocusPolicy(Qt::NoFocus);
    pgAkce->addWidget(subjectPage->tabIC_OJ);
    pgAkce->addWidget(hozPage->tabHOZ);
    pgAkce->addWidget(pppzPage->tabPPPZ);
    pgAkce->addWidget(filePage->tabVYU1);
    pgAkce->addWidget(invoicePage->tabVYU2);
    pgAkce->addWidget(resultPage->tabSave);
    layout->addWidget(pgAkce, 1);

    pnlMenu = new QFrame(central);
    pnlMenu->setObjectName(QStringLiteral("pnlMenu"));
    pnlMenu->setFixedHeight(35);
    auto* menu = new QVBoxLayout(pnlMenu);
    menu->setContentsMargins(0, 0, 0, 0);
    menu->setSpacing(0);
    auto* line = new QFrame(pnlMenu);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    menu->addWidget(line);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addStretch();
    BtnReload = new QPushButton(QStringLiteral("Nové podání"), pnlMenu);
    BtnReload->setObjectName(QStringLiteral("BtnReload"));
    BtnReload->setMinimumSize(90, 25);
    BtnReload->setFixedHeight(25);
    SetHint(BtnReload, QStringLiteral("Pořídit nové podání"));
    BtnClose = new QPushButton(QStringLiteral("Ukončit aplikaci"), pnlMenu);
    BtnClose->setObjectName(QStringLiteral("BtnClose"));
    // At least 90 wide, wider where the font needs it.
    BtnClose->setMinimumSize(90, 25);
    BtnClose->setFixedHeight(25);
    SetHint(BtnClose, QStringLiteral("Ukončit aplikaci"));
    buttons->addWidget(BtnReload);
    buttons->addWidget(BtnClose);
    buttons->addStretch();
    menu->addLayout(buttons, 1);
    layout->addWidget(pnlMenu);

    setCentralWidget(central);
    // The status bar shows the hint of whatever is under the mouse.
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->setSizeGripEnabled(true);

    setMinimumSize(kMainMinimumWidth, kMainDefaultHeight);
    resize(kMainMinimumWidth, kMainDefaultHeight);
}

void TfrmMain::SetInsurerLogo(const QPixmap& logo)
{
    insurerLogo_ = logo.copy();
    ShowInsurerLogo();
}

void TfrmMain::ShowInsurerLogo()
{
    if (ImgZP == nullptr || insurerLogo_.isNull())
        return;
    ImgZP->setPixmap(insurerLogo_);
    ImgZP->setFixedSize(insurerLogo_.size());
}

void TfrmMain::InitForm()
{
    if (pgAkce != nullptr)
        return;
    BuildPages();
    const InsurerIndex insurer = insurerIndex;
    const InsurerProfileRows& profile = InsurerProfileTable;
    const std::chrono::year_month_day today = platform_.clock().Today();

    // Captions of every page, the save actions with them, whatever the kind of submission.
    subjectPage->InitCaptions(insurer);
    hozPage->InitCaptions(insurer);
    pppzPage->InitCaptions(insurer);
    pppzPage->InitDefaults(today);
    filePage->InitCaptions(insurer, actionKind);
    subjectPage->PrefillFromHistory();
    invoicePage->PrefillFromHistory();
    invoicePage->InitDefaults(today);
    invoicePage->InitCaptions(insurer);

    int minimumHeight = kMainDefaultHeight;
    QWidget* firstPage = subjectPage->tabIC_OJ;
    QString title;
    switch (actionKind) {
    case ActionKind::Hoz:
        hozPage->OpenRecordList();
        title = ProfileText(profile.TitleHoz, insurer);
        break;
    case ActionKind::Pppz:
        pppzPage->OpenRecordList();
        title = ProfileText(profile.TitlePppz, insurer);
        break;
    case ActionKind::Vyu1:
        minimumHeight = invoicePage->HeaderHeight() + 426;
        firstPage = filePage->tabVYU1;
        title = ProfileText(profile.TitleBilling, insurer) + QStringLiteral(" - praktický lékař");
        break;
    case ActionKind::Vyu2:
        minimumHeight = invoicePage->HeaderHeight() + 426;
        firstPage = filePage->tabVYU1;
        title = ProfileText(profile.TitleBilling, insurer) + QStringLiteral(" - ostatní");
        break;
    }
    setMinimumSize(kMainMinimumWidth, minimumHeight);
    pgAkce->setCurrentWidget(firstPage);
    pnlTitle->setText(title);
    resize(width(), minimumHeight);
}

void TfrmMain::RefreshActions()
{
    hozPage->UpdateActions();
    pppzPage->UpdateActions();
    filePage->UpdateActions();
    invoicePage->UpdateActions();
}

void TfrmMain::ShowSubjectHeader(const QString& header)
{
    if (actionKind == ActionKind::Hoz) {
        hozPage->pnlHOZ_IC_OJ->setText(header);
        pgAkce->setCurrentWidget(hozPage->tabHOZ);
    } else {
        pppzPage->pnlPPPZ_IC_OJ->setText(header);
        pgAkce->setCurrentWidget(pppzPage->tabPPPZ);
    }
}

void TfrmMain::ShowInvoicePage(const InvoicePageSetup& setup)
{
    invoicePage->ApplySetup(setup);
    if (setup.windowHeight) {
        // The minimum first: the set-up's minimum may lie above the new height.
        setMinimumHeight(*setup.windowHeight);
        resize(width(), *setup.windowHeight);
    }
    pgAkce->setCurrentWidget(invoicePage->tabVYU2);
}

bool TfrmMain::ResultPageShown() const
{
    return pgAkce != nullptr && pgAkce->currentWidget() == resultPage->tabSave;
}

void TfrmMain::ShowSavedResult(const QString& path, const QString& subject, const QString& link)
{
    resultPage->ShowResult(path, subject, link);
    pgAkce->setCurrentWidget(resultPage->tabSave);
}

void TfrmMain::actHOZOdeslatExecute()
{
    const auto path =
        hozPage->SaveSubmission(*mainKey_, subjectPage->edtIC->text(), subjectPage->edtOJ->text());
    if (path)
        ShowSavedResult(*path, hozPage->pnlHOZ_IC_OJ->text(),
                        ProfileText(InsurerProfileTable.LinkPortalHoz, insurerIndex));
}

void TfrmMain::BtnReloadClick()
{
    if (!ResultPageShown() &&
        platform_.MessageBox(QStringLiteral("Dotaz"), QString::fromUtf8(kReloadQuestion),
                             MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    // The new copy reads the history when it starts, so it is stored before.
    history_.SaveSubjektToReg(*subjectKey_);
    if (!platform_.StartNewCopy())
        return;
    pgAkce->setCurrentWidget(resultPage->tabSave);
    close();
}

void TfrmMain::BtnCloseClick()
{
    close();
}

void TfrmMain::lblSaveHTMLOdkazClick()
{
    if (platform_.OpenUrl(resultPage->lblSaveHTMLOdkaz->text()))
        close();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    if (pgAkce == nullptr) {
        event->accept(); // closed before it was ever set up: nothing typed, nothing to keep
        return;
    }
    if (!ResultPageShown() &&
        platform_.MessageBox(QStringLiteral("Dotaz"), QString::fromUtf8(kCloseQuestion),
                             MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes) {
        event->ignore();
        return;
    }
    hozPage->CloseRecordList();
    pppzPage->CloseRecordList();
    history_.SaveSubjektToReg(*subjectKey_);
    event->accept();
}

} // namespace lumtaris
