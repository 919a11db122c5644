#pragma once

// The steps every save shares: choosing the target directory (remembered at once), the
// question before a file is replaced, and the messages when writing fails. The HOZ and PPPZ
// saves run the whole single-file procedure; the billing save uses the steps on their own.

#include "platform/file_write.hpp"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace lumtaris {

class Platform;
class SettingsKey;

inline constexpr std::string_view kChooseDirectoryTitle = "Vyberte adresář pro uložení souboru:";
inline constexpr std::string_view kOverwriteQuestion =
    "V zadaném adresáři existuje cílový soubor. Přepsat?";
inline constexpr std::string_view kSaveFailedMessage =
    "Nastala chyba při ukládání podání do souboru.\r\nZřejmě je soubor pouze pro čtení nebo "
    "používán jinou aplikací.\r\nPodání nebylo uloženo!";

// The folder dialog, starting in the remembered directory (else the program's own). The
// chosen directory is remembered before anything else can fail. Nothing when cancelled.
std::optional<QString> ChooseTargetDirectory(Platform& platform, SettingsKey& mainKey);

// `fileName` inside `directory`, with one separator between them.
QString PathInDirectory(const QString& directory, const QString& fileName);

// Asks before an existing file is replaced; true when the save may go on.
bool ConfirmReplace(Platform& platform, const QString& path);

// The message for a failed write: the three-line refusal when the file could not be created,
// the system's own text when writing or committing failed.
void ShowWriteFailure(Platform& platform, WriteStatus status, const QString& errorText);

// The whole save of a HOZ or PPPZ submission into `fileName` (IČO, infix, unit): directory,
// question, then `buildBytes` written safely. The saved path on success; nothing when the user
// stopped it or writing failed (the failure has been shown).
std::optional<QString> SaveSingleFileSubmission(Platform& platform, SettingsKey& mainKey,
                                                const QString& fileName,
                                                const std::function<std::string()>& buildBytes,
                                                const WriteDeviceFilter& filter = {});

} // namespace lumtaris
