#pragma once

#include <QRect>
#include <QRectF>
#include <array>

#include "layout/TableGeometry.h"
#include "settings/ThemeCatalog.h"

namespace orvane {

// Where the window's controls land on a theme's background picture: the table's own
// places, moved by the picture's top-left corner in the window.
struct TableLayout {
    static constexpr int Width = TableGeometry::Background.Width;
    static constexpr int Height = TableGeometry::Background.Height;
    // The side frames that hold the bonus and the value windows. They stand still while a
    // theme moves the windows inside them.
    static constexpr QRectF BonusFrame{12, 6, 143, 230};
    static constexpr QRectF ValueFrame{601, 6, 140, 230};

    QRect Credit;
    QRect Bet;
    QRect Win;
    QRect Jackpot;
    QRect BonusCards;
    QRect Meter;                       // the ten lamps, both rows
    std::array<QRect, 10> MeterLamps;  // square 10..6 on the top row, then 5..1
    QRect PayTable;                    // the pay-table panel alone
    QRect Panels;  // the pay-table and double-up panels that take turns over one place
    std::array<QRect, 5> Cards;
    std::array<QRect, 5> HoldMarks;
    QRect Message;
    std::array<QRect, 3> StarsLeft;   // counted outward from the message
    std::array<QRect, 3> StarsRight;  // likewise

    static TableLayout ForTheme(const ThemeRecord& theme);
    // A window box in background pixels.
    static QRect OnBackground(const Box& box);
};

}  // namespace orvane
