#pragma once

#include <QRect>
#include <array>

#include "ThemeStyle.h"

// Where the window's controls land on the background picture. The picture sits at
// (21, 23) of the window, so every rectangle here is the control's window rectangle
// moved by that offset.
struct TableLayout {
    static constexpr int kWidth = 752;
    static constexpr int kHeight = 500;
    static constexpr QPoint kOrigin{21, 23};

    QRect credit;
    QRect bet;
    QRect win;
    QRect jackpot;
    QRect bonusCards;
    QRect meter;     // the ten lamps, both rows
    QRect payPanel;  // union of the pay-table and double-up panels
    std::array<QRect, 5> cards;
    std::array<QRect, 5> holdMarks;
    QRect message;
    std::array<QRect, 3> starsLeft;
    std::array<QRect, 3> starsRight;

    static TableLayout forTops(const LabelTops& tops);
    // A window rectangle in background coordinates.
    static QRect fromWindow(int x, int y, int w, int h);
};
