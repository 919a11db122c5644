#pragma once

// Benchmarks come in pairs named "<figure>/project" and "<figure>/baseline"; after the run the
// ratios of their times are printed with the goal each must meet.

#include <string>

namespace lumtaris::bench {

// Registers the goal of a figure: the project's time may be at most `maxRatio` times the
// baseline's (0: the ratio is shown but has no goal) and, when `maxProjectSeconds` is above 0,
// at most that long per iteration.
void SetGoal(const std::string& figure, double maxRatio, const std::string& description,
             double maxProjectSeconds = 0);

} // namespace lumtaris::bench
