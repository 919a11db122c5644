#pragma once

// The program's only working window. It owns the run's state (insurer, kind of submission,
// the two settings keys, the subject histories) and one object per page; it shows one page
// at a time and moves between them itself.

#include "platform/platform.hpp"
#include "profiles/insurer.hpp"
#include "settings/settings_key.hpp"
#include "subject/subject_history.hpp"

#include <QMainWindow>

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
    // Opens both settings keys and loads the subject histories.
    TfrmMain(SettingsBackend& settings, Platform& platform, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The choice of the run, set once by start-up.
    InsurerIndex insurerIndex = 0;
    ActionKind actionKind = ActionKind::Hoz;

    // Shows a copy of the chosen insurer's logo.
    void SetInsurerLogo(const QPixmap& logo);

    // Sets the window up for insurerIndex and actionKind; runs once, before it is shown.
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
    QWidget* pnlObr;
    QLabel* ImgPortal;
    QLabel* ImgZP;
    QLabel* pnlTitle;
    QStackedWidget* pgAkce;
    QWidget* pnlMenu;
    QPushButton* BtnReload;
    QPushButton* BtnClose;

    // The pages.
    SubjectPage* subjectPage;
    HozPage* hozPage;
    PppzPage* pppzPage;
    FilePage* filePage;
    InvoicePage* invoicePage;
    ResultPage* resultPage;
    TfrmVyberSubjekt* frmVyberSubjekt;

    bool ResultPageShown() const;

protected:
    // FormClose: asks first unless the result page shows, then stores the subject history.
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildFrame();
    void ShowSubjectHeader(const QString& header);
    void ShowInvoicePage(const InvoicePageSetup& setup);

    Platform& platform_;
    std::unique_ptr<SettingsKey> mainKey_;
    std::unique_ptr<SettingsKey> subjectKey_;
    SubjectHistory history_;
};

// The question before closing or starting anew while the submission is not saved.
inline constexpr const char* kCloseQuestion =
    "Aktuální podání ještě není uloženo.\nOpravdu chcete ukončit aplikaci?";
inline constexpr const char* kReloadQuestion =
    "Aktuální podání ještě není uloženo.\nOpravdu chcete začít pořizovat nové podání?";

} // namespace lumtaris
