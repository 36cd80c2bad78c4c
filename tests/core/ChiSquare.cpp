#include "ChiSquare.h"

#include <cassert>
#include <cmath>
#include <numeric>
#include <vector>

namespace orvane::test {

namespace {

constexpr int MaxTerms = 10000;
constexpr double Precision = 1e-15;

// Q(a, x) by its series for P, best below x = a + 1.
double UpperGammaBySeries(double a, double x) {
    double term = 1.0 / a;
    double sum = term;
    for (int n = 1; n < MaxTerms && std::abs(term) > std::abs(sum) * Precision; ++n) {
        term *= x / (a + n);
        sum += term;
    }
    const double p = sum * std::exp(-x + a * std::log(x) - std::lgamma(a));
    return 1.0 - p;
}

// Q(a, x) by its continued fraction (modified Lentz), best above x = a + 1.
double UpperGammaByFraction(double a, double x) {
    constexpr double Tiny = 1e-300;
    double b = x + 1.0 - a;
    double c = 1.0 / Tiny;
    double d = 1.0 / b;
    double h = d;
    for (int n = 1; n < MaxTerms; ++n) {
        const double an = -n * (n - a);
        b += 2.0;
        d = an * d + b;
        d = std::abs(d) < Tiny ? Tiny : d;
        c = b + an / c;
        c = std::abs(c) < Tiny ? Tiny : c;
        d = 1.0 / d;
        const double step = d * c;
        h *= step;
        if (std::abs(step - 1.0) < Precision) {
            break;
        }
    }
    return std::exp(-x + a * std::log(x) - std::lgamma(a)) * h;
}

}  // namespace

double ChiSquareOfCounts(std::span<const std::int64_t> counts,
                         std::span<const double> probabilities) {
    assert(counts.size() == probabilities.size());
    const double total =
        static_cast<double>(std::accumulate(counts.begin(), counts.end(), std::int64_t{0}));
    double sum = 0.0;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const double expected = total * probabilities[i];
        const double difference = static_cast<double>(counts[i]) - expected;
        sum += difference * difference / expected;
    }
    return sum;
}

double ChiSquareOfEvenCounts(std::span<const std::int64_t> counts) {
    const std::vector<double> even(counts.size(), 1.0 / static_cast<double>(counts.size()));
    return ChiSquareOfCounts(counts, even);
}

double ChiSquareUpperTail(double x, int degreesOfFreedom) {
    if (x <= 0.0) {
        return 1.0;
    }
    const double a = degreesOfFreedom / 2.0;
    const double half = x / 2.0;
    return half < a + 1.0 ? UpperGammaBySeries(a, half) : UpperGammaByFraction(a, half);
}

// The tail falls as x grows, so halving the interval finds the point to any precision.
double ChiSquareCriticalValue(int degreesOfFreedom, double confidence) {
    const double tail = 1.0 - confidence;
    double low = 0.0;
    double high = degreesOfFreedom + 10.0;
    while (ChiSquareUpperTail(high, degreesOfFreedom) > tail) {
        high *= 2.0;
    }
    for (int i = 0; i < 200 && high - low > 1e-10 * high; ++i) {
        const double middle = (low + high) / 2.0;
        (ChiSquareUpperTail(middle, degreesOfFreedom) > tail ? low : high) = middle;
    }
    return (low + high) / 2.0;
}

}  // namespace orvane::test
