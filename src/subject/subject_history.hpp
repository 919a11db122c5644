#pragma once

// The subjects used before: IČO/OJ pairs for HOZ and PPPZ, IČZ/IČO/OJ triples for billing.
// Each list runs oldest first and holds no entry twice; it outlives the run in the Subjekt key.

#include "settings/settings_key.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace lumtaris {

class SubjectHistory
{
public:
    // "12345678 - 01": IČO, " - ", OJ.
    const std::vector<std::string>& HistoryIC_OJ() const { return historyIC_OJ_; }
    // "87654321 - 12345678 - 01": IČZ, " - ", IČO, " - ", OJ.
    const std::vector<std::string>& HistoryICZ() const { return historyICZ_; }

    // Makes the entry the newest, moving it there when the list already holds it.
    void AppendIC_OJ(std::string_view entry);
    void AppendICZ(std::string_view entry);

    // Replaces both lists with the well-formed entries stored in the key; anything else in it
    // is skipped silently. A closed key leaves both lists empty.
    void LoadSubjektFromReg(const SettingsKey& key);
    // Replaces everything in the key with both lists, numbered from 0 (ICO0000, ICZ0000, ...).
    // Silent on failure.
    void SaveSubjektToReg(SettingsKey& key) const;

private:
    std::vector<std::string> historyIC_OJ_;
    std::vector<std::string> historyICZ_;
};

} // namespace lumtaris
