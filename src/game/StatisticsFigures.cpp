#include "StatisticsFigures.h"

#include <algorithm>

namespace orvane {

namespace {

constexpr std::int64_t Percent = 100;

}  // namespace

StatisticsFigures FiguresOf(const Statistics& counters, StatisticsSet set) {
    const bool overall = set == StatisticsSet::OverallPlay;
    StatisticsFigures figures;
    figures.Counts = overall ? counters.PrizeStat : counters.RunPrizeStat;
    figures.CreditIn = overall ? counters.CreditIn : counters.RunCreditIn;
    figures.CreditOut = overall ? counters.CreditOut : counters.RunCreditOut;
    figures.Gauges = GaugePercents(figures.Counts);
    figures.Return = ReturnText(figures.CreditIn, figures.CreditOut);
    return figures;
}

std::string ReturnText(std::int32_t creditIn, std::int32_t creditOut) {
    if (creditIn == 0) {
        return "100%";
    }
    // 64 bits: out × 100 leaves the 32-bit range once out passes about 21 million.
    const std::int64_t ratio = std::int64_t{creditOut} * Percent / std::int64_t{creditIn};
    return std::to_string(ratio) + "%";
}

LineCounts GaugePercents(const LineCounts& counts) {
    std::int64_t total = 0;
    for (std::size_t line = 1; line < counts.size(); ++line) {
        total += counts[line];
    }
    LineCounts gauges{};
    if (total < 1) {
        return gauges;
    }
    for (std::size_t line = 1; line < counts.size(); ++line) {
        const std::int64_t share = std::int64_t{counts[line]} * Percent / total;
        gauges[line] = static_cast<std::int32_t>(std::clamp<std::int64_t>(share, 0, Percent));
    }
    return gauges;
}

std::uint32_t TickDifference(std::uint32_t startTick, std::uint32_t nowTick) {
    return nowTick - startTick;  // unsigned arithmetic wraps modulo 2^32, as the counter does
}

std::string TimeUpText(std::uint32_t elapsedMs) {
    const std::uint32_t seconds = elapsedMs / 1000;
    const std::uint32_t hours = seconds / 3600;
    const std::uint32_t minutes = (seconds - hours * 3600) / 60;
    return std::to_string(hours) + "h " + std::to_string(minutes) + "m ";
}

void ResetStatistics(Statistics& counters, StatisticsSet set) {
    if (set == StatisticsSet::OverallPlay) {
        counters.PrizeStat.fill(0);
        counters.CreditIn = 0;
        counters.CreditOut = 0;
    }
    counters.RunPrizeStat.fill(0);
    counters.RunCreditIn = 0;
    counters.RunCreditOut = 0;
}

}  // namespace orvane
