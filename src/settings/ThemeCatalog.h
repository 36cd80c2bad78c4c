#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "CatalogLookup.h"
#include "Rgb.h"
#include "layout/TableGeometry.h"

namespace orvane {

// Pay-line colours by line, 1..11; index 0 unused.
using PayLineColors = std::array<Rgb, 12>;

// The fixed values of one built-in theme. Nature leaves the label positions, the
// message colours and the pay-line colours unset; whoever applies it keeps what was in
// force for those.
struct ThemeRecord {
    int ID = 0;
    std::string_view Name;                        // the text of the options list
    bool Listed = true;                           // offered in the options list
    std::optional<std::string_view> PreviewFile;  // in the program folder
    std::string_view BackgroundFile;              // in the program folder
    Rgb PanelColor;
    Rgb InfoTextColor;
    std::string_view FontName;
    bool Bold = false;
    std::optional<int> CreditTop;
    std::optional<int> BetTop;
    std::optional<int> WinTop;
    std::optional<int> BonusTop;
    std::optional<int> BonusCardsTop;
    Rgb ButtonColor;
    Rgb ButtonDimColor;
    Rgb MeterLitColor;
    Rgb MeterUnlitColor;
    std::optional<Rgb> MessageFlashColor;
    std::optional<Rgb> MessageColor;
    Rgb MenuColor;
    Rgb MenuTextColor;
    std::optional<PayLineColors> PayLineColor;
};

inline constexpr int ThemeCount = 5;

// Every theme, by ID 1..5 in order.
std::span<const ThemeRecord> Themes();

// The theme with this ID, or nullptr when there is none.
inline const ThemeRecord* FindTheme(int id) {
    return FindById(Themes(), id);
}

// Where the theme puts the value labels and the bonus picture; a theme that names no
// places keeps the table's own, where its background has their frames.
TableGeometry::ValueTops ValueTopsOf(const ThemeRecord& theme);

}  // namespace orvane
