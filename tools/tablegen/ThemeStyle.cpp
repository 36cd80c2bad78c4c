#include "ThemeStyle.h"

#include <array>

#include "forms/RgbColor.h"

namespace orvane {

namespace {

const Metal Gold{QColor(255, 236, 160), QColor(214, 164, 58), QColor(92, 58, 12)};
const Metal Brass{QColor(250, 226, 150), QColor(188, 146, 62), QColor(70, 46, 14)};
const Metal Chrome{QColor(250, 252, 255), QColor(150, 160, 190), QColor(36, 34, 62)};
const Metal Copper{QColor(255, 214, 160), QColor(176, 108, 52), QColor(60, 30, 10)};
const Metal Silver{QColor(255, 255, 255), QColor(190, 200, 205), QColor(60, 70, 80)};

// The painting of each theme, by the catalog's ID 1..ThemeCount in order.
const std::array<ThemeStyle, ThemeCount>& Paintings() {
    static const std::array<ThemeStyle, ThemeCount> paintings{{
        {.Surface = SurfaceKind::Felt,
         .FeltCentre = QColor(140, 22, 36),
         .FeltEdge = QColor(38, 3, 8),
         .Trim = Gold,
         .ValueGlass = QColor(26, 4, 6),
         .ValueGlassEdge = QColor(90, 20, 20),
         .MessageGlass = QColor(22, 3, 6),
         .Seed = 11},
        {.Surface = SurfaceKind::Felt,
         .FeltCentre = QColor(30, 132, 62),
         .FeltEdge = QColor(3, 34, 12),
         .Trim = Brass,
         .ValueGlass = QColor(2, 22, 6),
         .ValueGlassEdge = QColor(20, 80, 30),
         .MessageGlass = QColor(2, 20, 6),
         .Seed = 22},
        {.Surface = SurfaceKind::Modern,
         .FeltCentre = QColor(72, 36, 150),
         .FeltEdge = QColor(10, 4, 34),
         .Trim = Chrome,
         .ValueGlass = QColor(14, 6, 48),
         .ValueGlassEdge = QColor(90, 70, 200),
         // The message line is navy in this theme, so its window is a light one.
         .MessageGlass = QColor(206, 210, 236),
         .Seed = 33},
        {.Surface = SurfaceKind::Wood,
         .FeltCentre = QColor(150, 84, 36),
         .FeltEdge = QColor(52, 24, 6),
         .Trim = Copper,
         .ValueGlass = QColor(28, 14, 4),
         .ValueGlassEdge = QColor(110, 66, 24),
         .MessageGlass = QColor(30, 14, 4),
         .Seed = 44},
        {.Surface = SurfaceKind::Nature,
         .FeltCentre = QColor(120, 170, 220),
         .FeltEdge = QColor(30, 60, 40),
         .Trim = Silver,
         // The value text of this theme is blue: light windows keep it readable.
         .ValueGlass = QColor(236, 244, 255),
         .ValueGlassEdge = QColor(150, 180, 215),
         .MessageGlass = QColor(16, 36, 58),
         .Seed = 55},
    }};
    return paintings;
}

}  // namespace

ThemeStyle StyleOf(const ThemeRecord& theme) {
    // An ID outside the catalog's range is painted as the last theme.
    const int index = theme.ID >= 1 && theme.ID <= ThemeCount ? theme.ID - 1 : ThemeCount - 1;
    ThemeStyle style = Paintings()[static_cast<std::size_t>(index)];
    style.Theme = &theme;
    return style;
}

QString ThemeStyle::Name() const {
    return ToQString(Theme->Name);
}

QString ThemeStyle::BackgroundFile() const {
    return ToQString(Theme->BackgroundFile);
}

QColor ThemeStyle::PanelColor() const {
    return ToQColor(Theme->PanelColor);
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace orvane
