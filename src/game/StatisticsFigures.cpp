#include "StatisticsFigures.h"

#include <algorithm>

namespace orvane {

namespace {

constexpr std::int64_t Percent = 100;

// Counters hold whatever 64 bits can; a count times 100, or the sum of eleven counts, may
// not, so the arithmetic of the figures is done in 128 bits.
__extension__ using Wide = __int128;

std::string DecimalText(Wide value) {
    const bool negative = value < 0;
    std::string digits;
    do {
        const auto digit = static_cast<int>(value % 10);
        digits.insert(digits.begin(), static_cast<char>('0' + (negative ? -digit : digit)));
        value /= 10;
    } while (value != 0);
    return negative ? "-" + digits : digits;
}

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

std::string ReturnText(std::int64_t creditIn, std::int64_t creditOut) {
    if (creditIn == 0) {
        return "100%";
    }
    const Wide ratio = Wide{creditOut} * Percent / Wide{creditIn};
    return DecimalText(ratio) + "%";
}

LinePercents GaugePercents(const LineCounts& counts) {
    Wide total = 0;
    for (std::size_t line = 1; line < counts.size(); ++line) {
        total += counts[line];
    }
    LinePercents gauges{};
    if (total < 1) {
        return gauges;
    }
    for (std::size_t line = 1; line < counts.size(); ++line) {
        const Wide share = std::clamp<Wide>(Wide{counts[line]} * Percent / total, 0, Percent);
        gauges[line] = static_cast<std::int32_t>(share);
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
