#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ButtonLayout.h"
#include "Card.h"
#include "PayTable.h"

namespace orvane {

// Banner texts by index. CollectAllHint is the window's own, shown while a long count of a
// win runs; the table never shows it. OutOfService stands whatever the table shows while no
// card library can be shown. RecordsNotKept asks for room for the records while they
// cannot be saved.
enum class Message : int {
    None = 0,
    InsertCoin = 1,
    HoldAndDraw = 2,
    Winner = 3,
    CreditFull = 4,
    CollectAllHint = 5,
    OutOfService = 6,
    WinTooLarge = 7,
    RecordsNotKept = 8,
    First = None,
    Last = RecordsNotKept,
};

// What HOLD 2, HOLD 4 and HOLD 5 do. Off: they hold their cards. While a win is on offer
// HOLD 2 and HOLD 4 guess (small or big, red or black: suits 2 and 3 against 1 and 4)
// and HOLD 5 takes half.
enum class ChoiceButtons : int { Off, SmallBig, RedBlack };

// Everything the table shows or plays goes through this interface; the main window
// implements it and a test records it. The table never asks the display anything back.
class TableDisplay {
  public:
    virtual ~TableDisplay() = default;

    // Hand card views, slots 1..5: show the card as given (face or back; a face-down card
    // may slide in), and redraw it after its hold flag changed.
    virtual void ShowHandCard(int slot, const Card& card) = 0;
    virtual void SetHandCardHeld(int slot, const Card& card) = 0;

    // Double-up card views 1..10 on the double-up panel.
    virtual void HideDupCards() = 0;
    virtual void ShowDupCard(int index, const Card& card) = 0;

    virtual void SetHoldMark(int slot, bool visible) = 0;

    // Numeric labels.
    virtual void ShowCredit(std::int32_t credit) = 0;
    virtual void ShowBet(std::int32_t bet) = 0;
    virtual void ShowWin(std::int32_t win) = 0;
    virtual void ShowWinCaption(const std::string& caption) = 0;
    virtual void ShowJackpot(std::int32_t jackpot) = 0;

    // Pay table: the eleven amounts (index 1..11) and the bonus line's label.
    virtual void ShowPayValues(const Multipliers& amounts, const std::string& orvaneLine) = 0;
    // All lines back to their own colours and transparent; then, for a prize, its two
    // labels opaque with the highlight colour.
    virtual void ClearPayHighlight() = 0;
    virtual void SetPayLineOpaque(PrizeIndex prize, bool opaque) = 0;

    virtual void ShowStars(int count) = 0;
    virtual void SetButtonLayout(ButtonLayout layout) = 0;
    virtual void ShowChoiceButtons(ChoiceButtons choices) = 0;
    // true: the double-up panel replaces the pay table; false: the reverse.
    virtual void ShowDoubleUpPanel(bool visible) = 0;

    // Effects.
    virtual void SetMessage(Message message, bool blink) = 0;
    virtual void StartIdleAnimation() = 0;
    virtual void StopIdleAnimation() = 0;
    virtual void SetIndicatorBlink(bool on) = 0;
    virtual void PlaySoundEffect(std::string_view name) = 0;
    // Words for a screen reader about what just happened (a win offered, a guess turned);
    // a display that speaks to nobody ignores them.
    virtual void Announce(const std::string& /*words*/) {}

    // Bonus meter: square 1..10 lit or not; the bonus picture for a rank.
    virtual void SetMeterSquare(int square, bool lit) = 0;
    virtual void ShowBonusPicture(std::int32_t orvaneNumber) = 0;

    // Lets the window repaint and pending events be processed.
    virtual void Repaint() = 0;
};

// Every wait of the table goes through here. The real one repaints, processes pending
// events and blocks; a test one records the milliseconds and returns at once.
class Pause {
  public:
    virtual ~Pause() = default;
    virtual void Wait(int milliseconds) = 0;
};

namespace Sound {
inline constexpr std::string_view DealCard = "dcard1";
inline constexpr std::string_view HoldCard = "h_card";
inline constexpr std::string_view Win = "win";
inline constexpr std::string_view BigWin = "bigwin";
inline constexpr std::string_view ShowDoubleUp = "show_dup";
inline constexpr std::string_view DoubleUpWin = "dup_win";
inline constexpr std::string_view Cash = "cash";
inline constexpr std::string_view AddCredit = "addcrdt";
}  // namespace Sound

}  // namespace orvane
