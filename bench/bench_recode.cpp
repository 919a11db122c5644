// Recoding one HOZ line from 1250 to 852, against a plain table lookup.

#include "ratio.hpp"

#include "common/codepage.hpp"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

using namespace lumtaris;

std::string HozLine()
{
    std::string line = "P1234567890";
    line += *Cp1250FromUtf8("Řeháčková                     Žofie                   01012025");
    line += *Cp1250FromUtf8("Údolní 12                     Ústí nad Labem                40001");
    line.resize(138, ' ');
    return line;
}

void RecodeProject(benchmark::State& state)
{
    const std::string line = HozLine();
    for (auto _ : state)
        benchmark::DoNotOptimize(RecodeText(line, kCodePage1250, kCodePage852));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * line.size()));
}

void RecodeBaseline(benchmark::State& state)
{
    std::array<unsigned char, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[static_cast<std::size_t>(b)] = static_cast<unsigned char>(
            RecodeText(std::string(1, static_cast<char>(b)), kCodePage1250, kCodePage852)[0]);
    const std::string line = HozLine();
    for (auto _ : state) {
        std::string out(line);
        for (char& c : out)
            c = static_cast<char>(table[static_cast<unsigned char>(c)]);
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * line.size()));
}

[[maybe_unused]] const bool registered = [] {
    bench::SetGoal("recode_line", 2.0, "RecodeText of a 138-byte line vs a table lookup");
    benchmark::RegisterBenchmark("recode_line/project", RecodeProject);
    benchmark::RegisterBenchmark("recode_line/baseline", RecodeBaseline);
    return true;
}();

} // namespace
