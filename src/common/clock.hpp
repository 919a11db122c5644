#pragma once

// Where "today" comes from. Logic never asks the system clock itself, so tests can fix the day.

#include <chrono>

namespace lumtaris {

class Clock
{
public:
    virtual ~Clock() = default;
    virtual std::chrono::year_month_day Today() const = 0;
};

class FixedClock final : public Clock
{
public:
    explicit FixedClock(std::chrono::year_month_day today) : today_(today) {}
    std::chrono::year_month_day Today() const override { return today_; }
    void Set(std::chrono::year_month_day today) { today_ = today; }

private:
    std::chrono::year_month_day today_;
};

} // namespace lumtaris
