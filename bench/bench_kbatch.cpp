// Reading a hospital's K-batch file: the parser over a synthetic 256 MB file, against a memchr
// scan of the same bytes that counts the lines starting with "D".

#include "kbatch_synth.hpp"
#include "ratio.hpp"

#include "billing/kbatch_reader.hpp"

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

using namespace lumtaris;

// Written to the temporary directory and read back once, for both benchmarks.
const std::string& FileBytes()
{
    static const std::string bytes = [] {
        std::error_code error;
        const auto path = std::filesystem::temp_directory_path(error) / "lumtaris_bench_kdavka.111";
        std::string read;
        if (!error && bench::WriteSyntheticKBatch(path))
            read = bench::ReadFileBytes(path);
        std::filesystem::remove(path, error);
        return read;
    }();
    return bytes;
}

void KBatchProject(benchmark::State& state)
{
    const std::string& bytes = FileBytes();
    if (bytes.empty()) {
        state.SkipWithError("the synthetic K-batch file could not be written");
        return;
    }
    std::size_t records = 0;
    for (auto _ : state) {
        const KBatchReadResult result = NactiKDavku(bytes, "KDAVKA.111", 0);
        if (!result.ok) {
            state.SkipWithError(result.errorMessage.c_str());
            return;
        }
        records = result.content.records.size();
        benchmark::DoNotOptimize(records);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    state.counters["D_records"] = static_cast<double>(records);
}

void KBatchBaseline(benchmark::State& state)
{
    const std::string& bytes = FileBytes();
    if (bytes.empty()) {
        state.SkipWithError("the synthetic K-batch file could not be written");
        return;
    }
    std::size_t records = 0;
    for (auto _ : state) {
        records = 0;
        const char* at = bytes.data();
        const char* const end = at + bytes.size();
        while (at < end) {
            records += *at == 'D';
            const auto* lineFeed = static_cast<const char*>(std::memchr(at, '\n', end - at));
            if (lineFeed == nullptr)
                break;
            at = lineFeed + 1;
        }
        benchmark::DoNotOptimize(records);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    state.counters["D_records"] = static_cast<double>(records);
}

[[maybe_unused]] const bool registered = [] {
    // At least 0.7 of the scan's throughput, and at least 1 GB/s.
    bench::SetGoal("kbatch_parse", 1 / 0.7, "NactiKDavku of 256 MB vs a memchr line scan",
                   static_cast<double>(bench::kSyntheticKBatchBytes) / 1e9);
    benchmark::RegisterBenchmark("kbatch_parse/project", KBatchProject)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("kbatch_parse/baseline", KBatchBaseline)
        ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
