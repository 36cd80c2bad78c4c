#pragma once

#include <string_view>

#include "game/HandEvaluator.h"

namespace orvane::test {

// Five cards written the way a reader checks them: rank A 2..9 T J Q K followed by the
// suit number 1..4 ("A1 T1 J1 Q1 K1"), or X for the joker, whose suit is left at 0 so
// that only the evaluator can give it one.
HandRanks ParseHand(std::string_view text);

}  // namespace orvane::test
