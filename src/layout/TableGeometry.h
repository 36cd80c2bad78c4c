#pragma once

#include <array>
#include <cstddef>

#include "Box.h"

// Where everything stands on the main window's table, in pixels of the window's content
// area (of the panel, for the controls inside a panel). The window places its controls
// from here, the content generators paint the backgrounds' frames under the same boxes,
// and the tests check the boxes' relations; a place changes here and nowhere else.
namespace orvane::TableGeometry {

// The table's surface: the designed 792 x 556 area and the button row reaching below it.
inline constexpr Box Surface{0, 0, 792, 572};

// The top strip, the window's own caption bar.
inline constexpr Box CaptionStrip{184, 0, 546, 25};
// Credit, Options and Help, n = 1..3.
constexpr Box MenuButton(int n) {
    return {23 + 55 * (n - 1), 5, 52, 17};
}
inline constexpr Box DevelopmentCaption{192, 8, 21, 14};
inline constexpr Box MinimizeButton{735, 5, 17, 17};
inline constexpr Box ExitButton{754, 5, 17, 17};

// The theme's picture, under every other control of the table.
inline constexpr Box Background{21, 23, 752, 500};

inline constexpr int CardWidth = 140;
inline constexpr int CardHeight = 208;
// The five hand cards, slot 1..5, and the hold mark right under each.
constexpr Box HandCard(int slot) {
    return {152 * slot - 128, 270, CardWidth, CardHeight};
}
constexpr Box HoldMark(int slot) {
    return {76 + 152 * (slot - 1), 478, 36, 10};
}

// The bonus meter's lamps: squares 10..6 on the top row and 5..1 below, square 1 at the
// bottom right; each lamp's digit stands on it.
constexpr Box MeterLamp(int square) {
    const int column = (10 - square) % 5;
    return {50 + 22 * column, square > 5 ? 200 : 221, 21, 20};
}
constexpr Box MeterDigit(int square) {
    constexpr std::array<int, 11> left{0, 145, 123, 101, 78, 57, 145, 123, 101, 79, 54};
    return {left[static_cast<std::size_t>(square)], square > 5 ? 204 : 225, square == 10 ? 13 : 7,
            13};
}
// All ten lamps.
inline constexpr Box Meter = MeterLamp(10).United(MeterLamp(1));

// The advisor's mark over the top edge of a card it would keep, slot 1..5, and its line
// of advice left of BET, under the first two hold buttons.
constexpr Box AdviceMark(int slot) {
    return {152 * slot - 128 + 42, 257, 56, 14};
}
inline constexpr Box AdviceLine{22, 550, 297, 17};

inline constexpr Box Flash{149, 344, 500, 72};
inline constexpr Box Message{171, 497, 449, 17};
// Three stars each side of the message, k = 1..3 counted outward from it.
constexpr Box StarLeft(int k) {
    return {29 + 16 * (3 - k), 500, 13, 13};
}
constexpr Box StarRight(int k) {
    return {716 + 16 * (k - 1), 500, 13, 13};
}

// The tops of the value labels and of the bonus picture; a theme may move them. These
// are the places of a theme that names none.
struct ValueTops {
    int Credit = 75;
    int Bet = 137;
    int Win = 196;
    int Bonus = 83;
    int BonusCards = 124;
};
struct ValueBoxes {
    Box Credit;
    Box Bet;
    Box Win;
    Box Bonus;  // the bonus meter's prize
    Box BonusCards;
};
constexpr ValueBoxes ValuesAt(const ValueTops& tops) {
    return {{639, tops.Credit, 105, 27},
            {640, tops.Bet, 105, 29},
            {641, tops.Win, 105, 33},
            {51, tops.Bonus, 106, 27},
            {65, tops.BonusCards, 82, 68}};
}

// The pay table panel with its eleven lines, line 1..11, in panel pixels.
inline constexpr Box PayPanel{190, 33, 414, 223};
constexpr Box PayLineName(int line) {
    return {4, 3 + 20 * (line - 1), 260, 18};
}
constexpr Box PayLineAmount(int line) {
    return {221, 3 + 20 * (line - 1), 190, 18};
}

// The double-up panel takes the pay table's place and covers it; its children in panel
// pixels.
inline constexpr Box DoubleUpPanel{190, 32, 416, 224};
inline constexpr Box WinTitle{0, 0, 416, 17};
inline constexpr Box GuessHint{4, 0, 148, 16};
inline constexpr Box CollectHint{264, 0, 148, 16};
inline constexpr Box IndicatorUp{393, 27, 25, 100};
inline constexpr Box IndicatorDown{393, 123, 25, 100};
// The ten double-up cards, i = 1..10.
constexpr Box DupCard(int i) {
    return {30 * i - 28, 16, CardWidth, CardHeight};
}

// The game buttons: a row of hold buttons, slot 1..5, and BET, CASH and DEAL under the
// last three of them.
inline constexpr int ButtonWidth = 145;
inline constexpr int ButtonHeight = 17;
constexpr Box HoldButton(int slot) {
    constexpr std::array<int, 5> left{22, 174, 325, 477, 629};
    return {left[static_cast<std::size_t>(slot - 1)], 529, ButtonWidth, ButtonHeight};
}
inline constexpr Box BetButton{HoldButton(3).X, 550, ButtonWidth, ButtonHeight};
inline constexpr Box CashButton{HoldButton(4).X, 550, ButtonWidth, ButtonHeight};
inline constexpr Box DealButton{HoldButton(5).X, 550, ButtonWidth, ButtonHeight};

}  // namespace orvane::TableGeometry
