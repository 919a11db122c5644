#include "app/startup.hpp"

#include "app/images.hpp"
#include "app/vyber_akci_dialog.hpp"
#include "app/vyber_zp_dialog.hpp"
#include "platform/profile_text.hpp"
#include "settings/settings_store.hpp"

#include <QComboBox>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>

namespace lumtaris {

namespace {

// The two dialogs open in the middle of the screen; the main window is not shown yet.
void CentreOnScreen(QDialog* dialog)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        dialog->move(screen->availableGeometry().center() - dialog->rect().center());
}

} // namespace

std::unique_ptr<TfrmMain> RunStartup(SettingsBackend& settings, Platform& platform)
{
    // The main window comes first and opens the settings; it starts at 650 x 528.
    auto main = std::make_unique<TfrmMain>(settings, platform);

    // The dialogs stay until the program ends, as children of the main window; each is made
    // when it is needed, so that the first one shows as soon as it can.
    auto* insurerDialog = new TfrmVyberZP(main.get());

    int position = RegReadInteger(main->mainKey(), kLastZPSelected, -1);
    if (position < -1 || position > kInsurerListCount - 1)
        position = -1;
    insurerDialog->cbZP->setCurrentIndex(position);
    insurerDialog->cbZPChange();
    CentreOnScreen(insurerDialog);
    // OK is enabled only with a choice; a dialog ended any other way ends the program.
    if (!platform.RunDialog(*insurerDialog) || insurerDialog->cbZP->currentIndex() < 0)
        return nullptr;

    RegWriteInteger(main->mainKey(), kLastZPSelected, insurerDialog->cbZP->currentIndex());
    main->insurerIndex = insurerDialog->insurerIndex;
    main->SetInsurerLogo(InsurerLogo(main->insurerIndex));

    const InsurerProfileRows& profile = InsurerProfileTable;
    const InsurerIndex insurer = main->insurerIndex;
    auto* actionDialog = new TfrmVyberAkci(main.get());
    actionDialog->rbHOZ->setText(ProfileText(profile.TitleHoz, insurer));
    actionDialog->rbPPPZ->setText(ProfileText(profile.TitlePppz, insurer));
    actionDialog->rbVYU1->setText(ProfileText(profile.TitleBilling, insurer) +
                                  QStringLiteral(" - praktický lékař"));
    actionDialog->rbVYU2->setText(ProfileText(profile.TitleBilling, insurer) +
                                  QStringLiteral(" - ostatní"));
    int action = RegReadInteger(main->mainKey(), kLastActionSelected, -1);
    if (action < -1 || action > 3)
        action = -1;
    actionDialog->SelectAction(action);
    actionDialog->FitCaptions();
    CentreOnScreen(actionDialog);
    const bool confirmed = platform.RunDialog(*actionDialog);
    const int chosen = actionDialog->SelectedAction();
    if (!confirmed || chosen < 0)
        return nullptr;

    RegWriteInteger(main->mainKey(), kLastActionSelected, chosen);
    main->actionKind = static_cast<ActionKind>(chosen);
    main->InitForm();
    return main;
}

} // namespace lumtaris
