#include "ratio.hpp"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace lumtaris::bench {

namespace {

struct Goal
{
    double maxRatio = 0;
    std::string description;
};

std::map<std::string, Goal>& Goals()
{
    static std::map<std::string, Goal> goals;
    return goals;
}

// Keeps the time per iteration of every run beside the usual console table.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                seconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
    }

    bool PrintRatios() const
    {
        bool allMet = true;
        std::printf("\n%-28s %14s %14s %8s %8s  %s\n", "figure", "project (ns)", "baseline (ns)", "ratio",
                    "goal", "");
        for (const auto& [figure, goal] : Goals()) {
            const auto project = seconds_.find(figure + "/project");
            const auto baseline = seconds_.find(figure + "/baseline");
            if (project == seconds_.end() || baseline == seconds_.end())
                continue;
            const double ratio = project->second / baseline->second;
            const bool met = ratio <= goal.maxRatio;
            allMet = allMet && met;
            std::printf("%-28s %14.1f %14.1f %8.2f %8.2f  %s %s\n", figure.c_str(), project->second,
                        baseline->second, ratio, goal.maxRatio, met ? "met" : "MISSED",
                        goal.description.c_str());
        }
        return allMet;
    }

private:
    std::map<std::string, double> seconds_;
};

} // namespace

void SetGoal(const std::string& figure, double maxRatio, const std::string& description)
{
    Goals()[figure] = Goal{maxRatio, description};
}

} // namespace lumtaris::bench

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    lumtaris::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    reporter.PrintRatios();
    return 0;
}
