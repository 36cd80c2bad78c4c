#pragma once

#include <cstdint>
#include <span>

namespace orvane::test {

// Pearson's statistic for counts that should be spread evenly over their cells.
double ChiSquareOfEvenCounts(std::span<const std::int64_t> counts);

// Pearson's statistic for counts against the probability of each cell.
double ChiSquareOfCounts(std::span<const std::int64_t> counts,
                         std::span<const double> probabilities);

// The chance that a chi-square variable with `degreesOfFreedom` is `x` or more: the
// regularized upper incomplete gamma function Q(k/2, x/2).
double ChiSquareUpperTail(double x, int degreesOfFreedom);

// The x that a fair source stays below with the given confidence (0.99: the 99 % point).
double ChiSquareCriticalValue(int degreesOfFreedom, double confidence);

}  // namespace orvane::test
