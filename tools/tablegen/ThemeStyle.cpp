#include "ThemeStyle.h"

namespace {

const Metal kGold{QColor(255, 236, 160), QColor(214, 164, 58), QColor(92, 58, 12)};
const Metal kBrass{QColor(250, 226, 150), QColor(188, 146, 62), QColor(70, 46, 14)};
const Metal kChrome{QColor(250, 252, 255), QColor(150, 160, 190), QColor(36, 34, 62)};
const Metal kCopper{QColor(255, 214, 160), QColor(176, 108, 52), QColor(60, 30, 10)};
const Metal kSilver{QColor(255, 255, 255), QColor(190, 200, 205), QColor(60, 70, 80)};

ThemeStyle classic() {
    ThemeStyle s;
    s.id = 1;
    s.name = QStringLiteral("Classic");
    s.fileName = QStringLiteral("bm_clas.zqi");
    s.surface = SurfaceKind::Felt;
    s.feltCentre = QColor(140, 22, 36);
    s.feltEdge = QColor(38, 3, 8);
    s.panelColor = QColor(108, 24, 24);
    s.trim = kGold;
    s.caption = QColor(255, 222, 120);
    s.valueGlass = QColor(26, 4, 6);
    s.valueGlassEdge = QColor(90, 20, 20);
    s.messageGlass = QColor(22, 3, 6);
    s.tops = {68, 128, 189, 72, 110};
    s.seed = 11;
    return s;
}

ThemeStyle green() {
    ThemeStyle s;
    s.id = 2;
    s.name = QStringLiteral("Green");
    s.fileName = QStringLiteral("bm_gr.zqi");
    s.surface = SurfaceKind::Felt;
    s.feltCentre = QColor(30, 132, 62);
    s.feltEdge = QColor(3, 34, 12);
    s.panelColor = QColor(2, 52, 3);
    s.trim = kBrass;
    s.caption = QColor(255, 230, 140);
    s.valueGlass = QColor(2, 22, 6);
    s.valueGlassEdge = QColor(20, 80, 30);
    s.messageGlass = QColor(2, 20, 6);
    s.tops = {68, 128, 189, 72, 120};
    s.seed = 22;
    return s;
}

ThemeStyle modern() {
    ThemeStyle s;
    s.id = 3;
    s.name = QStringLiteral("Modern");
    s.fileName = QStringLiteral("bm_mod.zqi");
    s.surface = SurfaceKind::Modern;
    s.feltCentre = QColor(72, 36, 150);
    s.feltEdge = QColor(10, 4, 34);
    s.panelColor = QColor(24, 8, 90);
    s.trim = kChrome;
    s.caption = QColor(150, 235, 255);
    s.valueGlass = QColor(14, 6, 48);
    s.valueGlassEdge = QColor(90, 70, 200);
    // The message line is navy in this theme, so its window is a light one.
    s.messageGlass = QColor(206, 210, 236);
    s.tops = {75, 137, 196, 75, 120};
    s.seed = 33;
    return s;
}

ThemeStyle wood() {
    ThemeStyle s;
    s.id = 4;
    s.name = QStringLiteral("Wood");
    s.fileName = QStringLiteral("bm_w.zqi");
    s.surface = SurfaceKind::Wood;
    s.feltCentre = QColor(150, 84, 36);
    s.feltEdge = QColor(52, 24, 6);
    s.panelColor = QColor(67, 38, 1);
    s.trim = kCopper;
    s.caption = QColor(255, 222, 160);
    s.valueGlass = QColor(28, 14, 4);
    s.valueGlassEdge = QColor(110, 66, 24);
    s.messageGlass = QColor(30, 14, 4);
    s.tops = {68, 128, 189, 72, 110};
    s.seed = 44;
    return s;
}

ThemeStyle nature() {
    ThemeStyle s;
    s.id = 5;
    s.name = QStringLiteral("Nature");
    s.fileName = QStringLiteral("bm_ntr.dat.jpg");
    s.surface = SurfaceKind::Nature;
    s.feltCentre = QColor(120, 170, 220);
    s.feltEdge = QColor(30, 60, 40);
    s.panelColor = QColor(69, 102, 141);
    s.trim = kSilver;
    s.caption = QColor(255, 255, 255);
    // The value text of this theme is blue: light windows keep it readable.
    s.valueGlass = QColor(236, 244, 255);
    s.valueGlassEdge = QColor(150, 180, 215);
    s.messageGlass = QColor(16, 36, 58);
    // No label tops of its own: the window's layout defaults stay in force.
    s.tops = LabelTops{};
    s.seed = 55;
    return s;
}

}  // namespace

ThemeStyle themeStyle(int id) {
    switch (id) {
        case 1:
            return classic();
        case 2:
            return green();
        case 3:
            return modern();
        case 4:
            return wood();
        default:
            return nature();
    }
}
