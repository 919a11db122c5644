// Start-up: the insurer and action dialogs, their preselection from the settings and what is
// remembered when.

#include "app/startup.hpp"
#include "app/vyber_akci_dialog.hpp"
#include "app/vyber_zp_dialog.hpp"
#include "settings/memory_key.hpp"
#include "settings/settings_store.hpp"
#include "support_qt/main_window_fixture.hpp"
#include "support_qt/scripted_platform.hpp"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace lumtaris {
namespace {

struct InsurerDialogState
{
    int position = -2;
    bool promptShown = false;
    bool okEnabled = false;
    QStringList logosShown;
};

InsurerDialogState StateOf(TfrmVyberZP& dialog)
{
    InsurerDialogState state;
    state.position = dialog.cbZP->currentIndex();
    state.promptShown = !dialog.lblText->isHidden();
    state.okEnabled = dialog.btnOK->isEnabled();
    for (QLabel* image :
         {dialog.ImageOZP, dialog.ImageZPS, dialog.ImageRBP, dialog.ImageCPZP, dialog.ImageVoZP}) {
        if (!image->isHidden())
            state.logosShown << image->objectName();
    }
    return state;
}

std::optional<std::int32_t> StoredInteger(MemorySettingsBackend& settings, std::string_view name)
{
    return settings.OpenOrCreate(kMainKeyPath)->ReadInteger(name);
}

TEST(Startup, FirstRunOpensWithNothingChosenAndRemembersBothAnswers)
{
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    platform.OnDialog([](QDialog& dialog) {
        auto& insurerDialog = dynamic_cast<TfrmVyberZP&>(dialog);
        const InsurerDialogState state = StateOf(insurerDialog);
        EXPECT_EQ(state.position, -1);
        EXPECT_TRUE(state.promptShown);
        EXPECT_FALSE(state.okEnabled);
        EXPECT_TRUE(state.logosShown.isEmpty());
        EXPECT_EQ(insurerDialog.lblText->text(),
                  QStringLiteral("Vyberte si jednu z nabízených\npojišťoven"));
        // Enter does nothing while no insurer is chosen.
        QTest::keyClick(&insurerDialog, Qt::Key_Return);
        EXPECT_TRUE(insurerDialog.isVisible());
        insurerDialog.cbZP->setCurrentIndex(3);
        QTest::keyClick(&insurerDialog, Qt::Key_Return);
        EXPECT_FALSE(insurerDialog.isVisible());
    });
    platform.OnDialog([](QDialog& dialog) {
        auto& actionDialog = dynamic_cast<TfrmVyberAkci&>(dialog);
        EXPECT_EQ(actionDialog.SelectedAction(), -1);
        EXPECT_FALSE(actionDialog.btnOK->isEnabled());
        QTest::mouseClick(actionDialog.rbPPPZ, Qt::LeftButton);
        actionDialog.btnOK->click();
    });

    const std::unique_ptr<TfrmMain> window = RunStartup(settings, platform);

    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(settings.HasKey(kMainKeyPath));
    EXPECT_TRUE(settings.HasKey(kSubjectKeyPath));
    EXPECT_EQ(StoredInteger(settings, kLastZPSelected), 3);
    EXPECT_EQ(StoredInteger(settings, kLastActionSelected), 1);
    EXPECT_EQ(window->insurerIndex, 1); // ZPŠ
    EXPECT_EQ(window->actionKind, ActionKind::Pppz);
    EXPECT_FALSE(window->isVisible());
}

TEST(Startup, RememberedInsurerPreselectsOnlyInsideTheList)
{
    struct Case
    {
        std::optional<std::int32_t> stored;
        const char* storedText; // a value of the wrong type
        int position;
        QStringList logos;
    };
    const Case cases[] = {
        {2, nullptr, 2, {QStringLiteral("ImageOZP")}},
        {0, nullptr, 0, {QStringLiteral("ImageVoZP")}},
        {4, nullptr, 4, {QStringLiteral("ImageRBP")}},
        {5, nullptr, -1, {}},
        {-7, nullptr, -1, {}},
        {-1, nullptr, -1, {}},
        {std::nullopt, "2", -1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? std::to_string(*c.stored) : std::string("text ") + c.storedText);
        MemorySettingsBackend settings;
        auto key = settings.OpenOrCreate(kMainKeyPath);
        if (c.stored)
            key->WriteInteger(kLastZPSelected, *c.stored);
        else
            key->WriteString(kLastZPSelected, c.storedText);
        ScriptedPlatform platform;
        platform.OnDialog([&c](QDialog& dialog) {
            auto& insurerDialog = dynamic_cast<TfrmVyberZP&>(dialog);
            const InsurerDialogState state = StateOf(insurerDialog);
            EXPECT_EQ(state.position, c.position);
            EXPECT_EQ(state.promptShown, c.position < 0);
            EXPECT_EQ(state.okEnabled, c.position >= 0);
            EXPECT_EQ(state.logosShown, c.logos);
            insurerDialog.reject();
        });
        EXPECT_EQ(RunStartup(settings, platform), nullptr);
    }
}

TEST(Startup, ListPositionsMapToInsurersAndTheirLogos)
{
    struct Case
    {
        int position;
        InsurerIndex insurer;
        const char* logo;
        const char* text;
    };
    const Case cases[] = {
        {0, 4, "ImageVoZP", "201 - Vojenská zdravotní pojišťovna České republiky"},
        {1, 3, "ImageCPZP", "205 - Česká průmyslová zdravotní pojišťovna"},
        {2, 0, "ImageOZP", "207 - Oborová zdravotní pojišťovna"},
        {3, 1, "ImageZPS", "209 - Zaměstnanecká pojišťovna Škoda"},
        {4, 2, "ImageRBP",
         "213 - Revírní bratrská pokladna v Ostravě, zaměstnanecká zdravotní pojišťovna"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        MemorySettingsBackend settings;
        ScriptedPlatform platform;
        platform.OnDialog([&c](QDialog& dialog) {
            auto& insurerDialog = dynamic_cast<TfrmVyberZP&>(dialog);
            EXPECT_EQ(insurerDialog.cbZP->itemText(c.position), QString::fromUtf8(c.text));
            insurerDialog.cbZP->setCurrentIndex(c.position);
            EXPECT_EQ(StateOf(insurerDialog).logosShown, QStringList{QString::fromLatin1(c.logo)});
            EXPECT_EQ(insurerDialog.insurerIndex, c.insurer);
            insurerDialog.btnOK->click();
        });
        platform.OnDialog([](QDialog& dialog) { dialog.reject(); });
        EXPECT_EQ(RunStartup(settings, platform), nullptr);
        // The insurer is remembered as soon as its dialog is confirmed, the kind is not.
        EXPECT_EQ(StoredInteger(settings, kLastZPSelected), c.position);
        EXPECT_EQ(StoredInteger(settings, kLastActionSelected), std::nullopt);
    }
}

TEST(Startup, EscapeEndsTheProgramWithoutWritingAnything)
{
    MemorySettingsBackend settings;
    settings.OpenOrCreate(kMainKeyPath)->WriteInteger(kLastZPSelected, 4);
    settings.OpenOrCreate(kSubjectKeyPath)->WriteString("ICO0000", "12345678 - 01");
    settings.OpenOrCreate(kSubjectKeyPath)->WriteString("stray", "kept");
    ScriptedPlatform platform;
    platform.OnDialog([](QDialog& dialog) {
        auto& insurerDialog = dynamic_cast<TfrmVyberZP&>(dialog);
        insurerDialog.cbZP->setCurrentIndex(1);
        // The dialog sees the key before the focused list does.
        QTest::keyClick(insurerDialog.cbZP, Qt::Key_Escape);
    });

    EXPECT_EQ(RunStartup(settings, platform), nullptr);
    EXPECT_EQ(StoredInteger(settings, kLastZPSelected), 4);
    EXPECT_EQ(StoredInteger(settings, kLastActionSelected), std::nullopt);
    // The subject history is stored only when the main window closes.
    EXPECT_EQ(settings.OpenOrCreate(kSubjectKeyPath)->ReadString("stray"), "kept");
}

TEST(Startup, RememberedActionPreselectsOnlyAKnownKind)
{
    struct Case
    {
        std::int32_t stored;
        int selected;
    };
    for (const Case c : {Case{2, 2}, Case{3, 3}, Case{0, 0}, Case{4, -1}, Case{-2, -1}}) {
        SCOPED_TRACE(c.stored);
        MemorySettingsBackend settings;
        settings.OpenOrCreate(kMainKeyPath)->WriteInteger(kLastActionSelected, c.stored);
        ScriptedPlatform platform;
        platform.OnDialog([](QDialog& dialog) {
            auto& insurerDialog = dynamic_cast<TfrmVyberZP&>(dialog);
            insurerDialog.cbZP->setCurrentIndex(2);
            insurerDialog.btnOK->click();
        });
        platform.OnDialog([&c](QDialog& dialog) {
            auto& actionDialog = dynamic_cast<TfrmVyberAkci&>(dialog);
            EXPECT_EQ(actionDialog.SelectedAction(), c.selected);
            EXPECT_EQ(actionDialog.btnOK->isEnabled(), c.selected >= 0);
            // Any button can be chosen, and choosing one clears the others.
            QTest::mouseClick(actionDialog.rbVYU1, Qt::LeftButton);
            EXPECT_EQ(actionDialog.SelectedAction(), 2);
            EXPECT_TRUE(actionDialog.btnOK->isEnabled());
            QTest::mouseClick(actionDialog.rbHOZ, Qt::LeftButton);
            EXPECT_EQ(actionDialog.SelectedAction(), 0);
            EXPECT_FALSE(actionDialog.rbVYU1->isChecked());
            // Clicking the chosen button again keeps it chosen.
            QTest::mouseClick(actionDialog.rbHOZ, Qt::LeftButton);
            EXPECT_TRUE(actionDialog.rbHOZ->isChecked());
            actionDialog.btnOK->click();
        });
        const std::unique_ptr<TfrmMain> window = RunStartup(settings, platform);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->actionKind, ActionKind::Hoz);
        EXPECT_EQ(StoredInteger(settings, kLastActionSelected), 0);
    }
}

TEST(Startup, BillingCaptionsFollowTheInsurer)
{
    struct Case
    {
        InsurerIndex insurer;
        const char* billing;
    };
    const Case cases[] = {{0, "Pořízení vyúčtování"},
                          {1, "Pořízení faktury"},
                          {2, "Pořízení vyúčtování"},
                          {3, "Pořízení vyúčtování"},
                          {4, "Pořízení vyúčtování"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int{c.insurer});
        MemorySettingsBackend settings;
        ScriptedPlatform platform;
        const int position = ListPositionOf(c.insurer);
        platform.OnDialog([position](QDialog& dialog) {
            auto& insurerDialog = dynamic_cast<TfrmVyberZP&>(dialog);
            insurerDialog.cbZP->setCurrentIndex(position);
            insurerDialog.btnOK->click();
        });
        platform.OnDialog([&c](QDialog& dialog) {
            auto& actionDialog = dynamic_cast<TfrmVyberAkci&>(dialog);
            const QString billing = QString::fromUtf8(c.billing);
            EXPECT_EQ(actionDialog.rbHOZ->text(),
                      QStringLiteral("Hromadné oznámení zaměstnavatele"));
            EXPECT_EQ(actionDialog.rbPPPZ->text(),
                      QStringLiteral("Přehled plateb pojistného zaměstnavatele"));
            EXPECT_EQ(actionDialog.rbVYU1->text(), billing + QStringLiteral(" - praktický lékař"));
            EXPECT_EQ(actionDialog.rbVYU2->text(), billing + QStringLiteral(" - ostatní"));
            actionDialog.reject();
        });
        EXPECT_EQ(RunStartup(settings, platform), nullptr);
    }
}

TEST(Startup, DialogsHaveNoTitleBarButtons)
{
    TfrmVyberZP insurerDialog;
    TfrmVyberAkci actionDialog;
    for (QDialog* dialog : std::initializer_list<QDialog*>{&insurerDialog, &actionDialog}) {
        SCOPED_TRACE(dialog->objectName().toStdString());
        const Qt::WindowFlags flags = dialog->windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Lumtaris"));
    }
    EXPECT_EQ(insurerDialog.size(), QSize(273, 117));
    EXPECT_EQ(actionDialog.size(), QSize(286, 194));
}

} // namespace
} // namespace lumtaris
