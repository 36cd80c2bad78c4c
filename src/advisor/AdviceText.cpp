#include "AdviceText.h"

#include <cmath>
#include <cstdio>

namespace orvane::advisor {

namespace {

// Below half a hundredth of a bet the two decimals show nothing.
constexpr double Unwritten = 0.005;

std::string Basis(bool meterAware) {
    return meterAware ? " (METER COUNTED)" : " (PAY TABLE ONLY)";
}

}  // namespace

std::string Bets(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    const double written = std::round(value * 100.0) / 100.0;
    return std::string(text) + (written > 1.0 ? " BETS" : " BET");
}

std::string DealLine(const HoldAdvice& advice) {
    if (advice.Best == 0) {
        return "BEST: HOLD NOTHING" + Basis(advice.MeterAware);
    }
    return "BEST HOLD MARKED" + Basis(advice.MeterAware);
}

std::string ReviewLine(const HoldAdvice& advice, HoldBits playerHold) {
    const double lost = advice.GaveUp(playerHold);
    if (lost < Unwritten) {
        return "BEST HOLD";
    }
    return "YOUR HOLD GAVE UP " + Bets(lost);
}

std::string AfterWinLine(const AfterWinAdvice& advice) {
    if (advice.Margin < Unwritten) {
        return "DRAW AGAIN OR TAKE IT: THE SAME";
    }
    return (advice.DrawAgain ? "DRAW AGAIN: +" : "TAKE THE WIN: +") + Bets(advice.Margin);
}

std::string SecondHoldLine() {
    return "BEST SECOND HOLD MARKED";
}

std::string JoinLines(const std::string& first, const std::string& second) {
    if (first.empty()) {
        return second;
    }
    if (second.empty()) {
        return first;
    }
    return first + "  \u00B7  " + second;
}

}  // namespace orvane::advisor
