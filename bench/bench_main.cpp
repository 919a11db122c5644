#include "ratio.hpp"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace lumtaris::bench {

namespace {

struct Goal
{
    double maxRatio = 0;
    std::string description;
    double maxProjectSeconds = 0; // 0: no limit of its own
};

std::map<std::string, Goal>& Goals()
{
    static std::map<std::string, Goal> goals;
    return goals;
}

// Keeps the seconds per iteration of every run beside the usual console table. With
// --benchmark_repetitions the median of the repetitions stands for the benchmark.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    explicit RatioReporter(OutputOptions options) : ConsoleReporter(options) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const std::string name = run.run_name.str();
            const double seconds =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                seconds_[name] = seconds;
                medians_[name] = true;
            } else if (run.run_type == Run::RT_Iteration && !medians_[name]) {
                seconds_[name] = seconds;
            }
        }
    }

    bool PrintRatios() const
    {
        bool allMet = true;
        std::printf("\n%-16s %14s %14s %8s %8s %12s\n", "figure", "project (ms)", "baseline (ms)",
                    "ratio", "goal", "limit (ms)");
        for (const auto& [figure, goal] : Goals()) {
            const auto project = seconds_.find(figure + "/project");
            const auto baseline = seconds_.find(figure + "/baseline");
            if (project == seconds_.end() || baseline == seconds_.end())
                continue;
            const double ratio = project->second / baseline->second;
            const bool withinLimit =
                goal.maxProjectSeconds <= 0 || project->second <= goal.maxProjectSeconds;
            const bool met = (goal.maxRatio <= 0 || ratio <= goal.maxRatio) && withinLimit;
            allMet = allMet && met;
            char limit[32] = "-";
            if (goal.maxProjectSeconds > 0)
                std::snprintf(limit, sizeof limit, "%.1f", goal.maxProjectSeconds * 1e3);
            char maxRatio[32] = "-";
            if (goal.maxRatio > 0)
                std::snprintf(maxRatio, sizeof maxRatio, "%.2f", goal.maxRatio);
            // A figure with neither goal is shown for comparison and has no verdict.
            const char* verdict = met ? "met " : "MISSED ";
            if (goal.maxRatio <= 0 && goal.maxProjectSeconds <= 0)
                verdict = "";
            std::printf("%-16s %14.6f %14.6f %8.2f %8s %12s  %s%s\n", figure.c_str(),
                        project->second * 1e3, baseline->second * 1e3, ratio, maxRatio, limit,
                        verdict, goal.description.c_str());
        }
        return allMet;
    }

private:
    std::map<std::string, double> seconds_;
    std::map<std::string, bool> medians_;
};

} // namespace

void SetGoal(const std::string& figure, double maxRatio, const std::string& description,
             double maxProjectSeconds)
{
    Goals()[figure] = Goal{maxRatio, description, maxProjectSeconds};
}

} // namespace lumtaris::bench

namespace {

bool IsTerminal()
{
#ifdef _WIN32
    return false;
#else
    return isatty(STDOUT_FILENO) != 0;
#endif
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // Colours only for a terminal, so that a saved table stays plain text.
    lumtaris::bench::RatioReporter reporter(IsTerminal()
                                                ? benchmark::ConsoleReporter::OO_ColorTabular
                                                : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    reporter.PrintRatios();
    return 0;
}
