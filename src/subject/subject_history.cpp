#include "subject/subject_history.hpp"

#include "common/text.hpp"

#include <algorithm>
#include <cstdio>

namespace lumtaris {

namespace {

void AppendMovingToEnd(std::vector<std::string>& list, const std::string& entry)
{
    list.erase(std::remove(list.begin(), list.end(), entry), list.end());
    list.push_back(entry);
}

std::string ValueName(const char* prefix, std::size_t position)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%s%04zu", prefix, position);
    return buffer;
}

bool IsIcOjEntry(std::string_view value)
{
    return value.size() == 13 && value.substr(8, 3) == " - " && IsAllDigits(value.substr(0, 8)) &&
           IsAllDigits(value.substr(11, 2));
}

bool IsIczEntry(std::string_view value)
{
    return value.size() == 24 && value.substr(8, 3) == " - " && value.substr(19, 3) == " - " &&
           IsAllDigits(value.substr(0, 8)) && IsAllDigits(value.substr(11, 8)) &&
           IsAllDigits(value.substr(22, 2));
}

} // namespace

void SubjectHistory::AppendIC_OJ(const std::string& entry)
{
    AppendMovingToEnd(HistoryIC_OJ, entry);
}

void SubjectHistory::AppendICZ(const std::string& entry)
{
    AppendMovingToEnd(HistoryICZ, entry);
}

void SubjectHistory::LoadSubjektFromReg(const SettingsKey& key)
{
    HistoryIC_OJ.clear();
    HistoryICZ.clear();
    if (!key.IsOpen())
        return;
    std::vector<std::string> names = key.ValueNames();
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        if (key.TypeOf(name) != SettingsValueType::String)
            continue;
        const std::string value = Trim(key.ReadString(name).value_or(std::string()));
        if (name.rfind("ICO", 0) == 0 && IsIcOjEntry(value))
            AppendIC_OJ(value);
        else if (name.rfind("ICZ", 0) == 0 && IsIczEntry(value))
            AppendICZ(value);
    }
}

void SubjectHistory::SaveSubjektToReg(SettingsKey& key) const
{
    if (!key.IsOpen())
        return;
    std::vector<std::pair<std::string, std::string>> values;
    for (std::size_t i = 0; i < HistoryIC_OJ.size(); ++i)
        values.emplace_back(ValueName("ICO", i), HistoryIC_OJ[i]);
    for (std::size_t i = 0; i < HistoryICZ.size(); ++i)
        values.emplace_back(ValueName("ICZ", i), HistoryICZ[i]);
    key.ReplaceAllWithStrings(values);
}

} // namespace lumtaris
