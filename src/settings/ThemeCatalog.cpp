#include "ThemeCatalog.h"

namespace orvane {
namespace {

// Lines 1 and 2 stand out; 3..10 share one colour and the bonus line 11 has its own.
constexpr PayLineColors PayLines(Rgb first, Rgb second, Rgb middle, Rgb bonus) {
    PayLineColors colors{};
    colors[1] = first;
    colors[2] = second;
    for (std::size_t line = 3; line <= 10; ++line) {
        colors[line] = middle;
    }
    colors[11] = bonus;
    return colors;
}

constexpr Rgb Yellow{255, 255, 0};
// The royal flush's line: a light red, so that it reads on every panel, dark red included.
constexpr Rgb Red{255, 128, 112};
constexpr Rgb White{255, 255, 255};
constexpr Rgb Black{0, 0, 0};
constexpr Rgb Cyan{0, 255, 255};
constexpr Rgb Maroon{128, 0, 0};
constexpr Rgb Navy{0, 0, 128};
constexpr Rgb Sand{222, 198, 162};

constexpr std::array<ThemeRecord, ThemeCount> kThemes = {{
    {.ID = 1,
     .Name = "Classic",
     .Listed = true,
     .PreviewFile = "optt1.zqi",
     .BackgroundFile = "bm_clas.zqi",
     .PanelColor = {108, 24, 24},
     .InfoTextColor = Yellow,
     .FontName = "Arial",
     .Bold = true,
     .CreditTop = 68,
     .BetTop = 128,
     .WinTop = 189,
     .BonusTop = 72,
     .BonusCardsTop = 110,
     .ButtonColor = Yellow,
     .ButtonDimColor = {0, 128, 128},
     .MeterLitColor = {255, 128, 64},
     .MeterUnlitColor = {128, 64, 0},
     .MessageFlashColor = Yellow,
     .MessageColor = White,
     .MenuColor = Maroon,
     .MenuTextColor = White,
     .PayLineColor = PayLines(Yellow, Red, Sand, Sand)},
    {.ID = 2,
     .Name = "Green",
     .Listed = true,
     .PreviewFile = "optt2.zqi",
     .BackgroundFile = "bm_gr.zqi",
     .PanelColor = {2, 52, 3},
     .InfoTextColor = Yellow,
     .FontName = "Arial",
     .Bold = true,
     .CreditTop = 68,
     .BetTop = 128,
     .WinTop = 189,
     .BonusTop = 72,
     .BonusCardsTop = 120,
     .ButtonColor = Yellow,
     .ButtonDimColor = {0, 128, 0},
     .MeterLitColor = {0, 255, 0},
     .MeterUnlitColor = {0, 128, 0},
     .MessageFlashColor = Yellow,
     .MessageColor = Yellow,
     .MenuColor = {2, 52, 3},
     .MenuTextColor = Yellow,
     .PayLineColor = PayLines(Yellow, Red, Cyan, Yellow)},
    {.ID = 3,
     .Name = "Modern",
     .Listed = true,
     .PreviewFile = "optt3.zqi",
     .BackgroundFile = "bm_mod.zqi",
     .PanelColor = {24, 8, 90},
     .InfoTextColor = White,
     .FontName = "Arial",
     .Bold = true,
     .CreditTop = 75,
     .BetTop = 137,
     .WinTop = 196,
     .BonusTop = 75,
     .BonusCardsTop = 120,
     .ButtonColor = Cyan,
     .ButtonDimColor = Maroon,
     .MeterLitColor = {255, 128, 64},
     .MeterUnlitColor = {128, 64, 0},
     .MessageFlashColor = Navy,
     .MessageColor = Navy,
     .MenuColor = Navy,
     .MenuTextColor = Yellow,
     .PayLineColor = PayLines(Yellow, Red, Cyan, Yellow)},
    {.ID = 4,
     .Name = "Wood",
     .Listed = true,
     .PreviewFile = "optt4.zqi",
     .BackgroundFile = "bm_w.zqi",
     .PanelColor = {67, 38, 1},
     .InfoTextColor = Yellow,
     .FontName = "Times New Roman",
     .Bold = false,
     .CreditTop = 68,
     .BetTop = 128,
     .WinTop = 189,
     .BonusTop = 72,
     .BonusCardsTop = 110,
     .ButtonColor = Yellow,
     .ButtonDimColor = {149, 149, 0},
     .MeterLitColor = Yellow,
     .MeterUnlitColor = {94, 94, 0},
     .MessageFlashColor = Yellow,
     .MessageColor = White,
     .MenuColor = {67, 38, 1},
     .MenuTextColor = White,
     .PayLineColor = PayLines(Yellow, Red, Sand, Sand)},
    // Reached only through a stored ThemeID of 5: the options list does not offer it.
    {.ID = 5,
     .Name = "Nature",
     .Listed = false,
     .PreviewFile = std::nullopt,
     .BackgroundFile = "bm_ntr.dat.jpg",
     // Deep enough for the line colours in force to read on it.
     .PanelColor = {38, 57, 95},
     .InfoTextColor = {0, 0, 255},
     .FontName = "Impact",
     .Bold = true,
     .CreditTop = std::nullopt,
     .BetTop = std::nullopt,
     .WinTop = std::nullopt,
     .BonusTop = std::nullopt,
     .BonusCardsTop = std::nullopt,
     .ButtonColor = Maroon,
     // Night blue rather than black: a dim button differs from a lit one by its colour, not
     // by its darkness alone.
     .ButtonDimColor = {30, 40, 70},
     .MeterLitColor = Maroon,
     .MeterUnlitColor = Black,
     .MessageFlashColor = std::nullopt,
     .MessageColor = std::nullopt,
     .MenuColor = Maroon,
     .MenuTextColor = White,
     .PayLineColor = std::nullopt},
}};

}  // namespace

std::span<const ThemeRecord> Themes() {
    return kThemes;
}

TableGeometry::ValueTops ValueTopsOf(const ThemeRecord& theme) {
    const TableGeometry::ValueTops table;
    return {.Credit = theme.CreditTop.value_or(table.Credit),
            .Bet = theme.BetTop.value_or(table.Bet),
            .Win = theme.WinTop.value_or(table.Win),
            .Bonus = theme.BonusTop.value_or(table.Bonus),
            .BonusCards = theme.BonusCardsTop.value_or(table.BonusCards)};
}

}  // namespace orvane
