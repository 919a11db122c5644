#include "support_qt/main_window_fixture.hpp"

#include "app/startup.hpp"
#include "app/vyber_akci_dialog.hpp"
#include "app/vyber_zp_dialog.hpp"

#include <QComboBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace lumtaris {

int ListPositionOf(InsurerIndex insurer)
{
    for (int position = 0; position < kInsurerListCount; ++position) {
        if (InsurerAtListPosition(position) == insurer)
            return position;
    }
    ADD_FAILURE() << "insurer " << int{insurer} << " is not in the list";
    return -1;
}

void ScriptChoice(ScriptedPlatform& platform, InsurerIndex insurer, ActionKind kind)
{
    const int position = ListPositionOf(insurer);
    platform.OnDialog([position](QDialog& dialog) {
        auto& insurerDialog = dynamic_cast<TfrmVyberZP&>(dialog);
        insurerDialog.cbZP->setCurrentIndex(position);
        insurerDialog.btnOK->click();
    });
    platform.OnDialog([kind](QDialog& dialog) {
        auto& actionDialog = dynamic_cast<TfrmVyberAkci&>(dialog);
        actionDialog.SelectAction(static_cast<int>(kind));
        actionDialog.btnOK->click();
    });
}

std::unique_ptr<TfrmMain> StartWindow(MemorySettingsBackend& settings, ScriptedPlatform& platform,
                                      InsurerIndex insurer, ActionKind kind)
{
    ScriptChoice(platform, insurer, kind);
    std::unique_ptr<TfrmMain> window = RunStartup(settings, platform);
    EXPECT_NE(window, nullptr);
    if (window)
        window->show();
    return window;
}

} // namespace lumtaris
