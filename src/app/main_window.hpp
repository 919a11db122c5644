#pragma once

// The program's only working window. It owns the run's state (insurer, kind of submission,
// the two settings keys, the subject histories) and one object per page; it shows one page
// at a time and moves between them itself.

#include "platform/platform.hpp"
#include "profiles/insurer.hpp"
#include "settings/settings_key.hpp"
#include "subject/subject_history.hpp"

#include <QMainWindow>
#include <QPixmap>

#include <memory>

class QLabel;
class QPushButton;
class QStackedWidget;

namespace lumtaris {

class FilePage;
class HozPage;
struct InvoicePageSetup;
class InvoicePage;
class PppzPage;
class ResultPage;
class SubjectPage;
class TfrmVyberSubjekt;

inline constexpr int kMainMinimumWidth = 650;
inline constexpr int kMainDefaultHeight = 528;

class TfrmMain final : public QMainWindow
{
    Q_OBJECT
public:
    // Opens both settings keys and loads the subject histories. The pages are built by
    // InitForm, after the start-up dialogs, so that the first dialog shows without waiting.
    TfrmMain(SettingsBackend& settings, Platform& platform, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The choice of the run, set once by start-up.
    InsurerIndex insurerIndex = 0;
    ActionKind actionKind = ActionKind::Hoz;

    // Shows a copy of the chosen insurer's logo (kept until the frame is built).
    void SetInsurerLogo(const QPixmap& logo);

    // Builds the pages and sets the window up for insurerIndex and actionKind; runs once,
    // before it is shown. The panels and pages below exist from then on.
    void InitForm();

    // Asks every page to re-evaluate its enabling rules; runs whenever the application goes
    // idle, and tests call it directly.
    void RefreshActions();

    // After a successful save: the file path, the subject line and the portal link on the
    // result page, which then shows; there is no way back from it.
    void ShowSavedResult(const QString& path, const QString& subject, const QString& link);

    // Saves the HOZ list; on success the result page shows.
    void actHOZOdeslatExecute();

    void BtnReloadClick();
    void BtnCloseClick();
    void lblSaveHTMLOdkazClick();

    SettingsKey& mainKey() { return *mainKey_; }
    SettingsKey& subjectKey() { return *subjectKey_; }
    SubjectHistory& history() { return history_; }
    Platform& platform() { return platform_; }

    // Panels of the frame.
    QWidget* pnlObr = nullptr;
    QLabel* ImgPortal = nullptr;
    QLabel* ImgZP = nullptr;
    QLabel* pnlTitle = nullptr;
    QStackedWidget* pgAkce = nullptr;
    QWidget* pnlMenu = nullptr;
    QPushButton* BtnReload = nullptr;
    QPushButton* BtnClose = nullptr;

    // The pages.
    SubjectPage* subjectPage = nullptr;
    HozPage* hozPage = nullptr;
    PppzPage* pppzPage = nullptr;
    FilePage* filePage = nullptr;
    InvoicePage* invoicePage = nullptr;
    ResultPage* resultPage = nullptr;
    TfrmVyberSubjekt* frmVyberSubjekt = nullptr;

    bool ResultPageShown() const;

protected:
    // FormClose: asks first unless the result page shows, then stores the subject history.
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildPages();
    void BuildFrame();
    void ShowInsurerLogo();
    void ShowSubjectHeader(const QString& header);
    void ShowInvoicePage(const InvoicePageSetup& setup);

    Platform& platform_;
    std::unique_ptr<SettingsKey> mainKey_;
    std::unique_ptr<SettingsKey> subjectKey_;
    SubjectHistory history_;
    QPixmap insurerLogo_;
};

// The question before closing or starting anew while the submission is not saved.
inline constexpr const char* kCloseQuestion =
    "Aktuální podání ještě není uloženo.\nOpravdu chcete ukončit aplikaci?";
inline constexpr const char* kReloadQuestion =
    "Aktuální podání ještě není uloženo.\nOpravdu chcete začít pořizovat nové podání?";

} // namespace lumtaris
