#include "DoubleUpOdds.h"

#include <algorithm>
#include <stdexcept>

namespace orvane::analysis {

namespace {

constexpr int SideCards = 24;
constexpr int MaxGuesses = 10;

// Multiple with a cards left on the side called, b on the other, k right calls to go.
double Counting(int a, int b, int k, bool mayStop) {
    if (k == 0) {
        return 1.0;
    }
    const double left = a + b;
    const double callA = a / left * 2.0 * Counting(a - 1, b, k - 1, mayStop);
    const double callB = b / left * 2.0 * Counting(a, b - 1, k - 1, mayStop);
    const double go = std::max(callA, callB);
    return mayStop ? std::max(1.0, go) : go;
}

}  // namespace

double DoubleUpMultiple(int rightGuesses, DoubleUpCalls calls) {
    if (rightGuesses < 0 || rightGuesses > MaxGuesses) {
        throw std::out_of_range("0..10 guesses");
    }
    switch (calls) {
        case DoubleUpCalls::CoinToss: {
            double m = 1.0;
            for (int i = 0; i < rightGuesses; ++i) {
                m *= 2.0 * 0.5;
            }
            return m;
        }
        case DoubleUpCalls::SameSide: {
            double m = 1.0;
            for (int i = 0; i < rightGuesses; ++i) {
                m *= 2.0 * (SideCards - i) / (2.0 * SideCards - i);
            }
            return m;
        }
        case DoubleUpCalls::Counting:
            return Counting(SideCards, SideCards, rightGuesses, false);
    }
    return 1.0;
}

double BestDoubleUpMultiple() {
    return Counting(SideCards, SideCards, MaxGuesses, true);
}

}  // namespace orvane::analysis
