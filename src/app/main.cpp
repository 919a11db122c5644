#include "app/startup.hpp"
#include "platform/qt_platform.hpp"
#include "settings/user_settings_qt.hpp"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QStyle>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumtaris"));
    QApplication::setApplicationDisplayName(QStringLiteral("Lumtaris"));

    // Qt's own Czech texts, so that the standard buttons read "Ano" and "Ne".
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Czech, QLocale::CzechRepublic), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));

    lumtaris::QtPlatform platform;
    const std::unique_ptr<lumtaris::SettingsBackend> settings =
        lumtaris::CreateUserSettingsBackend();
    std::unique_ptr<lumtaris::TfrmMain> window = lumtaris::RunStartup(*settings, platform);
    if (!window)
        return 0;

    // Centred on the screen when first shown.
    if (const QScreen* screen = QApplication::primaryScreen())
        window->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(),
                                                screen->availableGeometry()));
    window->show();
    return QApplication::exec();
}
