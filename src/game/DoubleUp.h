#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "Card.h"
#include "DupMode.h"
#include "RandomSource.h"
#include "TableDisplay.h"
#include "TableSnapshot.h"
#include "TableState.h"
#include "WinCount.h"

namespace orvane {

// The double-up of a win on offer: ten face-down cards, a guess at each in turn that
// doubles the win or loses it, and the counted collection of the win into the credit.
// It works on the table's win; what it collects goes to the credit through the table,
// which alone writes the credit and decides when a round ends.
class DoubleUp {
  public:
    static constexpr int CardCount = 10;

    enum class Outcome { Doubled, DoubledOnTheLastCard, Lost };

    // Moves a collected amount into the credit (and shows it there).
    using PayIn = std::function<void(std::int32_t amount)>;

    DoubleUp(TableDisplay& display, Pause& pause, TableState& table, PayIn payIn);

    bool IsOpen() const { return open_; }
    // A guess was made or part of the win taken: the win can no longer be given up.
    bool Gambled() const { return gambled_; }
    bool BeforeFirstGuess() const { return step_ == 1; }
    // False once the tenth card is turned: a win held back then can only be collected.
    bool GuessesLeft() const { return !lastCardTurned_; }
    const Card& CardAt(int index) const { return cards_[static_cast<std::size_t>(index)]; }

    std::int32_t Step() const { return step_; }
    DoubleUpState Capture() const;
    // Puts the offer back without showing anything; the table redraws it.
    void Restore(const DoubleUpState& state);

    void StartRound() { gambled_ = false; }
    // The panel's cards hidden and face down, the first one next.
    void Open();
    void ShowNextCard();
    void Close() { open_ = false; }

    // The choice buttons the offer shows in this mode, or none without an offer.
    void ShowChoiceButtons(DupMode mode);

    void DrawCards(RandomSource& random);
    bool GuessIsRight(DupMode mode, bool choiceA) const;
    // Turns the current card up and doubles or loses the win.
    Outcome Reveal(bool right);

    // Counts the win into the credit the way a coin hopper would: single credits for
    // the odd part, then hundreds. Taking half pays the larger half and leaves the rest
    // on offer. The player may cut the count short (the rest is paid in one step). What
    // the credit cannot hold stays on offer; true when all that was asked for was paid.
    bool Collect(bool all);
    // Who is asked between the steps of a count; nullptr: nobody, the count runs through.
    void SetWinCount(WinCount* count) { count_ = count; }

  private:
    Card& CurrentCard() { return cards_[static_cast<std::size_t>(step_)]; }
    void CollectAll();
    void CollectHalf();
    void TransferStep(std::int32_t amount);
    bool PayStep(std::int32_t amount);
    void PayRest(std::int32_t keep);
    bool Counting() const { return !cutShort_ && !creditFull_; }

    TableDisplay& display_;
    Pause& pause_;
    TableState& table_;
    PayIn payIn_;
    bool open_ = false;
    bool gambled_ = false;
    int step_ = 1;  // the card 1..10 guessed next
    bool lastCardTurned_ = false;
    WinCount* count_ = nullptr;
    // The count stopped early: the player asked for the rest, or the credit is full.
    bool cutShort_ = false;
    bool creditFull_ = false;
    std::array<Card, CardCount + 1> cards_{};  // 1..10
};

}  // namespace orvane
