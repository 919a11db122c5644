// The subject history loaded from settings values of any name, type and text. Input lines are
// "<type letter><name>\t<text>"; the type letters are s (string), e (expandable), i (integer)
// and o (other).

#include "common/text.hpp"
#include "fuzz_check.hpp"
#include "settings/memory_key.hpp"
#include "subject/subject_history.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

using namespace lumtaris;
using fuzz::Check;

namespace {

void CheckEntries(const std::vector<std::string>& list, std::size_t length)
{
    std::set<std::string> seen;
    for (const std::string& entry : list) {
        Check(entry.size() == length);
        Check(seen.insert(entry).second);
        for (std::size_t i = 0; i < length; ++i) {
            const bool separator = (i % 11) >= 8; // " - " at 8-10 and 19-21
            if (separator)
                Check(entry[i] == " - "[(i % 11) - 8]);
            else
                Check(entry[i] >= '0' && entry[i] <= '9');
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    MemorySettingsBackend backend;
    auto& values = backend.ValuesOf(kSubjectKeyPath);
    std::string_view input(reinterpret_cast<const char*>(data), size);
    while (!input.empty()) {
        const std::size_t end = input.find('\n');
        std::string_view line = input.substr(0, end);
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
        const std::size_t tab = line.find('\t');
        if (line.empty() || tab == std::string_view::npos)
            continue;
        const std::string name(line.substr(1, tab - 1));
        const std::string text(line.substr(tab + 1));
        switch (line[0]) {
        case 'e':
            values[name] = {SettingsValueType::ExpandString, text};
            break;
        case 'i':
            values[name] = {SettingsValueType::Integer, static_cast<std::int32_t>(text.size())};
            break;
        case 'o':
            values[name] = {SettingsValueType::Other, text};
            break;
        default:
            values[name] = {SettingsValueType::String, text};
            break;
        }
    }

    auto key = backend.OpenOrCreate(kSubjectKeyPath);
    SubjectHistory history;
    history.LoadSubjektFromReg(*key);
    CheckEntries(history.HistoryIC_OJ(), 13);
    CheckEntries(history.HistoryICZ(), 24);

    // What is stored loads back as the same lists.
    history.SaveSubjektToReg(*key);
    SubjectHistory again;
    again.LoadSubjektFromReg(*key);
    Check(again.HistoryIC_OJ() == history.HistoryIC_OJ());
    Check(again.HistoryICZ() == history.HistoryICZ());
    return 0;
}
