#pragma once

#include <QColor>
#include <QString>

// A metal trim as three tones: the highlight, the body and the shadow of a bevel.
struct Metal {
    QColor light;
    QColor mid;
    QColor dark;
};

// The tops of the value labels and of the bonus picture in window pixels; they move
// with the theme, so the frames painted behind them must move too.
struct LabelTops {
    int credit = 75;
    int bet = 137;
    int win = 196;
    int bonus = 83;
    int bonusCards = 124;
};

enum class SurfaceKind { Felt, Modern, Wood, Nature };

// Everything that makes one theme's background look like itself.
struct ThemeStyle {
    int id = 0;
    QString name;
    QString fileName;
    SurfaceKind surface = SurfaceKind::Felt;
    QColor feltCentre;      // lit middle of a felt or glow surface
    QColor feltEdge;        // dark rim of the same surface
    QColor panelColor;      // colour the window gives the pay-table panel
    Metal trim;             // bezels, rules and captions
    QColor caption;         // caption text
    QColor valueGlass;      // fill of the value windows
    QColor valueGlassEdge;  // their inner rim
    QColor messageGlass;    // fill of the message window
    LabelTops tops;
    quint32 seed = 1;
};

// Theme 1 Classic, 2 Green, 3 Modern, 4 Wood, 5 Nature.
ThemeStyle themeStyle(int id);
constexpr int kThemeCount = 5;
