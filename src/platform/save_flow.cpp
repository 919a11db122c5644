#include "platform/save_flow.hpp"

#include "common/text.hpp"
#include "platform/core_text.hpp"
#include "platform/platform.hpp"
#include "settings/settings_store.hpp"

#include <QDir>
#include <QFileInfo>

namespace lumtaris {

namespace {

// Paths are kept in the settings as UTF-8 and in the native form of the system.
QString Normalized(const QString& directory)
{
    return QString::fromStdString(
        NormalizeDirectory(QDir::toNativeSeparators(directory).toStdString()));
}

} // namespace

std::optional<QString> ChooseTargetDirectory(Platform& platform, SettingsKey& mainKey)
{
    const std::string fallback = platform.ApplicationDirPath().toStdString();
    const QString start =
        Normalized(QString::fromStdString(RegReadString(mainKey, kLastWDirectory, fallback)));
    const std::optional<QString> chosen =
        platform.ChooseDirectory(FromUtf8(kChooseDirectoryTitle), start);
    if (!chosen)
        return std::nullopt;
    const QString directory = Normalized(*chosen);
    RegWriteString(mainKey, kLastWDirectory, directory.toStdString());
    return directory;
}

QString PathInDirectory(const QString& directory, const QString& fileName)
{
    const QString separator = QDir::separator();
    if (directory.endsWith(u'/') || directory.endsWith(u'\\'))
        return directory + fileName;
    return directory + separator + fileName;
}

bool ConfirmReplace(Platform& platform, const QString& path)
{
    if (!QFileInfo::exists(path))
        return true;
    return platform.MessageBox(QStringLiteral("Dotaz"), FromUtf8(kOverwriteQuestion),
                               MessageIcon::Question, MessageButtons::YesNo) == MessageAnswer::Yes;
}

void ShowWriteFailure(Platform& platform, WriteStatus status, const QString& errorText)
{
    QString text = FromUtf8(kSaveFailedMessage);
    if (status == WriteStatus::WriteFailed) {
        // The file could be created, so the reason is the system's: a full disk, say.
        text = QStringLiteral("Při zápisu souboru nastala chyba:\r\n%1\r\nPodání nebylo uloženo!")
                   .arg(errorText);
    }
    platform.MessageBox(QStringLiteral("Chyba"), text, MessageIcon::Error, MessageButtons::Ok);
}

std::optional<QString> SaveSingleFileSubmission(Platform& platform, SettingsKey& mainKey,
                                                const QString& fileName,
                                                const std::function<std::string()>& buildBytes,
                                                const WriteDeviceFilter& filter)
{
    const std::optional<QString> directory = ChooseTargetDirectory(platform, mainKey);
    if (!directory)
        return std::nullopt;
    const QString path = PathInDirectory(*directory, fileName);
    if (!ConfirmReplace(platform, path))
        return std::nullopt;
    const WriteResult written = WriteFileBytes(path, buildBytes(), filter);
    if (!written.Ok()) {
        ShowWriteFailure(platform, written.status, written.errorText);
        return std::nullopt;
    }
    return path;
}

} // namespace lumtaris
