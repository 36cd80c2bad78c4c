#pragma once

#include <string>

#include "HoldAdvisor.h"

namespace orvane::advisor {

// The advisor's lines, short and in capitals like the table's own messages. A value is
// written in bets with two decimals; what rounds to 0.00 is not worth a word.

// After a deal: the marked cards are the best hold, and on what the advice is priced.
std::string DealLine(const HoldAdvice& advice);

// After a draw: "BEST HOLD", or what the player's hold gave up.
std::string ReviewLine(const HoldAdvice& advice, HoldBits playerHold);

// After a first-draw win: whether the second draw is worth more than the win.
std::string AfterWinLine(const AfterWinAdvice& advice);

// After a first-draw win given up: the best hold for the second draw is marked.
std::string SecondHoldLine();

// Two lines on one, the review first.
std::string JoinLines(const std::string& first, const std::string& second);

// "0.37 BET", "1.00 BET", "2.50 BETS".
std::string Bets(double value);

}  // namespace orvane::advisor
