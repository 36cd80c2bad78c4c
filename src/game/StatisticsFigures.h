#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "Statistics.h"

namespace orvane {

// The two sets of counters the statistics show: this run's, and all time's.
enum class StatisticsSet {
    CurrentSession,
    OverallPlay,
};

// Per pay line, index 1..11; index 0 unused.
using LineCounts = std::array<std::int64_t, 12>;
using LinePercents = std::array<std::int32_t, 12>;

// What the statistics dialog shows for one set of counters.
struct StatisticsFigures {
    LineCounts Counts{};
    LinePercents Gauges{};  // each line's share of all wins in the set, percent 0..100
    std::int64_t CreditIn = 0;
    std::int64_t CreditOut = 0;
    std::string Return;  // "150%"
};

StatisticsFigures FiguresOf(const Statistics& counters, StatisticsSet set);

// Credit out against credit in, truncated toward zero; "100%" while nothing was put in.
std::string ReturnText(std::int64_t creditIn, std::int64_t creditOut);

// Each line's share of the total, truncated; all 0 without a win. Counters damaged into
// negatives still give shares within 0..100.
LinePercents GaugePercents(const LineCounts& counts);

// Milliseconds from one tick count to a later one, right across a wrap of the counter.
std::uint32_t TickDifference(std::uint32_t startTick, std::uint32_t nowTick);

// Whole hours and minutes, e.g. "1h 5m " (the trailing blank belongs to it).
std::string TimeUpText(std::uint32_t elapsedMs);

// Clears the counters of a set. All time includes this run, so clearing it clears both.
void ResetStatistics(Statistics& counters, StatisticsSet set);

}  // namespace orvane
