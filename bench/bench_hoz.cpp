// A large employer's HOZ list of 100,000 records, against writing as many 140-byte lines with
// memcpy:
//   hoz_100k        the records stored in the list and the file built from it;
//   hoz_100k_typed  the same records as typed entries, each checked and formed by the editor's
//                   Store, as the page stores them, and the file built;
//   hoz_100k_floor  hoz_100k against only the copies its work needs: each record copied into a
//                   list and each line from the list into the file, by memcpy alone.

#include "ratio.hpp"

#include "common/codepage.hpp"
#include "hoz/hoz_editor.hpp"
#include "hoz/hoz_file.hpp"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace lumtaris;

constexpr int kRecords = 100000;

std::vector<HozEntry> Entries()
{
    std::vector<HozEntry> entries;
    entries.reserve(kRecords);
    for (int i = 0; i < kRecords; ++i) {
        HozEntry e;
        e.changeCodeIndex = i % 25;
        e.insuredNumber = std::to_string(8000000000LL + i);
        e.surname = *Cp1250FromUtf8("Řeháčková-Novotná");
        e.firstName = *Cp1250FromUtf8("Žofie");
        e.date = "01.02.2025";
        if (i % 2 == 0) {
            e.street = *Cp1250FromUtf8("Údolní 12");
            e.town = *Cp1250FromUtf8("Ústí nad Labem");
            e.postCode = "40001";
        }
        entries.push_back(std::move(e));
    }
    return entries;
}

// The records the editor forms from the entries.
std::vector<HozRecord> Records()
{
    HozEditor editor(0);
    for (const HozEntry& entry : Entries())
        editor.Store(entry);
    return {editor.List().Records().begin(), editor.List().Records().end()};
}

void HozProject(benchmark::State& state)
{
    const std::vector<HozRecord> records = Records();
    for (auto _ : state) {
        HozList list;
        list.Open();
        for (const HozRecord& record : records)
            list.Append(record);
        benchmark::DoNotOptimize(UlozHOZ(list));
    }
}

void HozTypedProject(benchmark::State& state)
{
    const std::vector<HozEntry> entries = Entries();
    for (auto _ : state) {
        HozEditor editor(0);
        for (const HozEntry& entry : entries)
            editor.Store(entry);
        benchmark::DoNotOptimize(UlozHOZ(editor.List()));
    }
}

void HozBaseline(benchmark::State& state)
{
    char line[140];
    std::memset(line, 'x', sizeof line);
    for (auto _ : state) {
        std::string bytes;
        bytes.resize(std::size_t{kRecords} * sizeof line);
        char* out = bytes.data();
        for (int i = 0; i < kRecords; ++i, out += sizeof line)
            std::memcpy(out, line, sizeof line);
        benchmark::DoNotOptimize(bytes);
    }
}

// The bytes hoz_100k moves, with nothing else: a memcpy per record into a list, then one per line
// from the list into the file, CR LF after each, with no recoding. The list's memory is taken
// once, before the timing, so that no page fault counts.
void HozFloor(benchmark::State& state)
{
    const std::vector<HozRecord> records = Records();
    const std::size_t lineSize = kHozLineWidth + 2;
    const auto list = std::make_unique_for_overwrite<HozRecord[]>(records.size());
    for (auto _ : state) {
        for (std::size_t i = 0; i < records.size(); ++i)
            std::memcpy(&list[i], &records[i], sizeof(HozRecord));
        benchmark::ClobberMemory();
        std::string bytes(records.size() * lineSize, '\0');
        char* out = bytes.data();
        for (std::size_t i = 0; i < records.size(); ++i, out += lineSize) {
            std::memcpy(out, list[i].line.data(), kHozLineWidth);
            out[kHozLineWidth] = '\r';
            out[kHozLineWidth + 1] = '\n';
        }
        benchmark::DoNotOptimize(bytes);
    }
}

[[maybe_unused]] const bool registered = [] {
    bench::SetGoal("hoz_100k", 3.0,
                   "store 100,000 HOZ records in the list and build the file vs memcpy", 0.1);
    bench::SetGoal("hoz_100k_typed", 0,
                   "the same, each record checked and formed from its typed entry", 0.1);
    bench::SetGoal("hoz_100k_floor", 0,
                   "the same, vs only copying its bytes: records into a list, lines into the file");
    benchmark::RegisterBenchmark("hoz_100k/project", HozProject)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("hoz_100k/baseline", HozBaseline)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("hoz_100k_typed/project", HozTypedProject)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("hoz_100k_typed/baseline", HozBaseline)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("hoz_100k_floor/project", HozProject)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("hoz_100k_floor/baseline", HozFloor)
        ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
