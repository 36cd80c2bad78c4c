#pragma once

namespace orvane::analysis {

// The double-up deck is 48 cards, 24 on each side of either guess (small 1..6 against
// big 8..13, or the two colour groups), and the ten cards of an offer are drawn without
// replacement. Each card is a fair call on its own, but the turned cards tell what is
// left, so the value of a run of guesses depends on how the calls are made.
enum class DoubleUpCalls {
    CoinToss,  // a side picked at random each time: right one time in two
    SameSide,  // always the same side: a right call leaves fewer of that side
    Counting,  // the side with more cards left (either side on a tie)
};

// The expected multiple of the win on offer for a player who goes for `rightGuesses`
// right calls in a row (stopping at the first wrong one, which loses everything).
double DoubleUpMultiple(int rightGuesses, DoubleUpCalls calls);

// The best a counting player can do over up to ten guesses, stopping whenever going on is
// worth less than collecting.
double BestDoubleUpMultiple();

}  // namespace orvane::analysis
