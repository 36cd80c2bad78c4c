#pragma once

#include <cstdint>
#include <vector>

#include "HandClasses.h"

namespace orvane::analysis {

// A standard single-draw game: one free draw, no second draw, no meter. Its hand
// classes are its pay lines; Pays[class] is the pay per coin. These exist to check the
// engine against published figures; they have their own small evaluator because the
// game's evaluator knows only this game's lines.
struct ClassicGame {
    HandClasses Classes;
    std::vector<std::int64_t> Pays;
};

// 52 cards, jacks or better, 9/6 full pay.
ClassicGame JacksOrBetter96();

// 53 cards with one wild joker, kings or better, pays 800/200/100/50/20/7/5/3/2/1/1.
ClassicGame JokerPokerKings();

}  // namespace orvane::analysis
