#include "subject/subject_history.hpp"

#include "common/text.hpp"

#include <algorithm>
#include <iterator>
#include <optional>
#include <tuple>

namespace lumtaris {

namespace {

constexpr std::string_view kIC_OJPrefix = "ICO";
constexpr std::string_view kICZPrefix = "ICZ";
constexpr std::string_view kSeparator = " - ";

void MoveToEnd(std::vector<std::string>& list, std::string_view entry)
{
    const auto it = std::find(list.begin(), list.end(), entry);
    if (it != list.end())
        list.erase(it);
    list.emplace_back(entry);
}

// Digits at [first, first + count) of the text.
bool DigitsAt(std::string_view text, std::size_t first, std::size_t count)
{
    return IsAllDigits(text.substr(first, count));
}

bool SeparatorAt(std::string_view text, std::size_t first)
{
    return text.substr(first, kSeparator.size()) == kSeparator;
}

bool IsIC_OJEntry(std::string_view text)
{
    return text.size() == 13 && DigitsAt(text, 0, 8) && SeparatorAt(text, 8) &&
           DigitsAt(text, 11, 2);
}

bool IsICZEntry(std::string_view text)
{
    return text.size() == 24 && DigitsAt(text, 0, 8) && SeparatorAt(text, 8) &&
           DigitsAt(text, 11, 8) && SeparatorAt(text, 19) && DigitsAt(text, 22, 2);
}

// Where a value name falls in the stored order of its list. The names carry the position, so
// the order is that of the number after the prefix: "ICO10000" comes after "ICO9999". Names
// that are no plain number keep their text order around the numbered ones, so that for names
// whose numbers all have the same width, as the four-digit ones do, this is exactly the text
// order of the names.
struct NameOrder
{
    int group = 0; // 0 sorts before every digit in text order, 1 starts with a digit, 2 after
    std::size_t width = 0;   // of the leading number without its leading zeros
    std::string_view number; // the leading number without its leading zeros
    std::string_view suffix; // everything after the prefix, to break ties as text order does

    explicit NameOrder(std::string_view name)
    {
        suffix = name.substr(kIC_OJPrefix.size());
        const unsigned char first = suffix.empty() ? 0 : static_cast<unsigned char>(suffix[0]);
        if (suffix.empty() || first < '0') {
            group = 0;
            return;
        }
        if (first > '9') {
            group = 2;
            return;
        }
        group = 1;
        const std::size_t digits = std::min(suffix.find_first_not_of("0123456789"), suffix.size());
        number = suffix.substr(0, digits);
        number.remove_prefix(std::min(number.find_first_not_of('0'), number.size()));
        width = number.size();
    }

    bool operator<(const NameOrder& other) const
    {
        return std::tie(group, width, number, suffix) <
               std::tie(other.group, other.width, other.number, other.suffix);
    }
};

std::vector<std::string> NamesWithPrefix(const std::vector<std::string>& names,
                                         std::string_view prefix)
{
    std::vector<std::string> chosen;
    std::copy_if(names.begin(), names.end(), std::back_inserter(chosen),
                 [prefix](const std::string& name) { return name.starts_with(prefix); });
    std::sort(chosen.begin(), chosen.end(), [](const std::string& a, const std::string& b) {
        return NameOrder(a) < NameOrder(b);
    });
    return chosen;
}

// The value of a plain string value, trimmed; nothing for a value of any other type.
std::optional<std::string> PlainString(const SettingsKey& key, const std::string& name)
{
    if (key.TypeOf(name) != SettingsValueType::String)
        return std::nullopt;
    const std::optional<std::string> text = key.ReadString(name);
    if (!text)
        return std::nullopt;
    return Trim(*text);
}

std::string NumberedName(std::string_view prefix, std::size_t position)
{
    std::string number = std::to_string(position);
    if (number.size() < 4)
        number.insert(0, 4 - number.size(), '0');
    return std::string(prefix) + number;
}

} // namespace

void SubjectHistory::AppendIC_OJ(std::string_view entry)
{
    MoveToEnd(historyIC_OJ_, entry);
}

void SubjectHistory::AppendICZ(std::string_view entry)
{
    MoveToEnd(historyICZ_, entry);
}

void SubjectHistory::LoadSubjektFromReg(const SettingsKey& key)
{
    historyIC_OJ_.clear();
    historyICZ_.clear();
    if (!key.IsOpen())
        return;
    const std::vector<std::string> names = key.ValueNames();
    for (const std::string& name : NamesWithPrefix(names, kIC_OJPrefix)) {
        const std::optional<std::string> entry = PlainString(key, name);
        if (entry && IsIC_OJEntry(*entry))
            AppendIC_OJ(*entry);
    }
    for (const std::string& name : NamesWithPrefix(names, kICZPrefix)) {
        const std::optional<std::string> entry = PlainString(key, name);
        if (entry && IsICZEntry(*entry))
            AppendICZ(*entry);
    }
}

void SubjectHistory::SaveSubjektToReg(SettingsKey& key) const
{
    if (!key.IsOpen())
        return;
    std::vector<std::pair<std::string, std::string>> values;
    values.reserve(historyIC_OJ_.size() + historyICZ_.size());
    for (std::size_t i = 0; i < historyIC_OJ_.size(); ++i)
        values.emplace_back(NumberedName(kIC_OJPrefix, i), historyIC_OJ_[i]);
    for (std::size_t i = 0; i < historyICZ_.size(); ++i)
        values.emplace_back(NumberedName(kICZPrefix, i), historyICZ_[i]);
    key.ReplaceAllWithStrings(values);
}

} // namespace lumtaris
