#pragma once

// The two subject histories of the run, oldest first, and their place in the settings
// subkey. A small stand-in with the agreed interface until the full loader arrives.

#include "settings/settings_key.hpp"

#include <string>
#include <vector>

namespace lumtaris {

class SubjectHistory
{
public:
    // Entries "12345678 - 01", 13 characters.
    std::vector<std::string> HistoryIC_OJ;
    // Entries "12345678 - 12345678 - 01", 24 characters.
    std::vector<std::string> HistoryICZ;

    // Each moves a known entry to the newest place, or adds a new one there.
    void AppendIC_OJ(const std::string& entry);
    void AppendICZ(const std::string& entry);

    void LoadSubjektFromReg(const SettingsKey& key);
    void SaveSubjektToReg(SettingsKey& key) const;
};

} // namespace lumtaris
