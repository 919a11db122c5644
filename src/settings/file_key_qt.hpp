#pragma once

// The settings of the current user where there is no registry: one JSON file that holds every
// key. It looks like this (UTF-8):
//
//   {
//     "format": "Lumtaris settings",
//     "version": 1,
//     "keys": {
//       "SOFTWARE\\Brennic\\Lumtaris": {
//         "LastZPSelected": { "type": "integer", "value": 2 },
//         "LastWDirectory": { "type": "string", "value": "/home/eva/podání" }
//       },
//       "SOFTWARE\\Brennic\\Lumtaris\\Subjekt": {
//         "ICO0000": { "type": "string", "value": "12345678 - 01" }
//       }
//     }
//   }
//
// The types are "integer" (a whole number that fits 32 bits), "string" and "expandable-string".
// A value of any other type, or one that does not fit its type, reads as Other and is kept as
// it stands when the file is rewritten. Key paths and value names match exactly.
//
// Every write takes effect at once: under a lock file ("<file>.lock") it reads the file again,
// makes its one change and replaces the file atomically, so two running copies keep each
// other's values and a crash never leaves half a file. Reads follow the file as it is now.
//
// A file that cannot be read or parsed reads as no values. The first write moves it aside to
// "<file>.damaged-<yyyyMMdd-HHmmss>", where a person can recover it, and starts a new file.
//
// A key is open when the file's directory exists or can be created. When it cannot be created
// (say a regular file is in the way), the key is closed: reads give the defaults and writes are
// skipped, as with a registry key that cannot be opened. A directory or file that exists but
// cannot be written leaves the key open: it reads what the file holds and its writes fail,
// silently as every write of the store.

#include "settings/settings_key.hpp"

#include <QString>

#include <memory>

namespace lumtaris {

class SettingsFile;

class FileSettingsBackend final : public SettingsBackend
{
public:
    // The file of the current user: DefaultFilePath().
    FileSettingsBackend();
    // Any other file, for tests.
    explicit FileSettingsBackend(const QString& filePath);
    ~FileSettingsBackend() override;

    // "Lumtaris/settings.json" in the user's configuration directory (GenericConfigLocation,
    // ~/.config on Linux), whatever the application's own name.
    static QString DefaultFilePath();

    QString FilePath() const;

    std::unique_ptr<SettingsKey> OpenOrCreate(std::string_view path) override;

private:
    // Shared with the keys, which may outlive the backend.
    std::shared_ptr<SettingsFile> file_;
};

} // namespace lumtaris
