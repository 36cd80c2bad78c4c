#include <gtest/gtest.h>

#include "settings/CardLibraryCatalog.h"
#include "settings/MemoryStore.h"
#include "settings/SoundThemeCatalog.h"
#include "settings/TSettings.h"
#include "settings/ThemeCatalog.h"

namespace orvane::test {
namespace {

constexpr Rgb Yellow{255, 255, 0};
constexpr Rgb Cyan{0, 255, 255};
constexpr Rgb Navy{0, 0, 128};

TEST(ThemeCatalog, HoldsTheFiveThemesByIdWithTheirNames) {
    std::vector<std::string_view> names;
    for (const ThemeRecord& theme : Themes()) {
        EXPECT_EQ(FindTheme(theme.ID), &theme);
        names.push_back(theme.Name);
    }
    EXPECT_EQ(names,
              (std::vector<std::string_view>{"Classic", "Green", "Modern", "Wood", "Nature"}));
    EXPECT_EQ(FindTheme(0), nullptr);
    EXPECT_EQ(FindTheme(6), nullptr);
    EXPECT_EQ(FindTheme(-1), nullptr);
    EXPECT_TRUE(FindTheme(4)->Listed);
    EXPECT_FALSE(FindTheme(5)->Listed);
    EXPECT_EQ(FindTheme(2)->PreviewFile, "optt2.zqi");
}

TEST(ThemeCatalog, WoodUsesPlainTimesAndItsOwnPositions) {
    const ThemeRecord& wood = *FindTheme(4);
    EXPECT_EQ(wood.BackgroundFile, "bm_w.zqi");
    EXPECT_EQ(wood.FontName, "Times New Roman");
    EXPECT_FALSE(wood.Bold);
    EXPECT_EQ(wood.CreditTop, 68);
    EXPECT_EQ(wood.BonusCardsTop, 110);
    EXPECT_EQ(wood.ButtonDimColor, (Rgb{149, 149, 0}));
}

TEST(ThemeCatalog, NatureLeavesPositionsMessageAndPayLineColoursUnset) {
    const ThemeRecord& nature = *FindTheme(5);
    EXPECT_EQ(nature.BackgroundFile, "bm_ntr.dat.jpg");
    EXPECT_EQ(nature.FontName, "Impact");
    EXPECT_FALSE(nature.CreditTop || nature.BetTop || nature.WinTop || nature.BonusTop ||
                 nature.BonusCardsTop);
    EXPECT_FALSE(nature.MessageFlashColor || nature.MessageColor || nature.PayLineColor);
}

TEST(ThemeColours, GreenAfterClassicRecoloursThePayLines) {
    MemoryStore store;
    TSettings settings(store);
    settings.ThemeID = 1;
    settings.SelectThemeColours();
    EXPECT_EQ(settings.PayLineColor[3], (Rgb{222, 198, 162}));
    settings.ThemeID = 2;
    settings.SelectThemeColours();
    for (std::size_t line = 3; line <= 10; ++line) {
        EXPECT_EQ(settings.PayLineColor[line], Cyan) << line;
    }
    EXPECT_EQ(settings.PayLineColor[11], Yellow);
    EXPECT_EQ(settings.PayLineColor[2], (Rgb{255, 0, 0}));
    EXPECT_EQ(settings.MeterLitColor, (Rgb{0, 255, 0}));
}

TEST(ThemeColours, NatureKeepsTheColoursItLeavesUnset) {
    MemoryStore store;
    TSettings settings(store);
    settings.ThemeID = 3;
    settings.SelectThemeColours();
    settings.ThemeID = 5;
    settings.SelectThemeColours();
    EXPECT_EQ(settings.ButtonColor, (Rgb{128, 0, 0}));
    EXPECT_EQ(settings.MenuTextColor, (Rgb{255, 255, 255}));
    EXPECT_EQ(settings.MessageColor, Navy);
    EXPECT_EQ(settings.MessageFlashColor, Navy);
    EXPECT_EQ(settings.PayLineColor[11], Yellow);
}

TEST(ThemeColours, UnknownThemeChangesNothingButStillCallsTheWindow) {
    MemoryStore store;
    TSettings settings(store);
    settings.ThemeID = 2;
    settings.SelectThemeColours();
    int windowCalls = 0;
    settings.OnApplyTheme = [&] { ++windowCalls; };
    settings.ThemeID = 6;
    settings.ApplyTheme();
    EXPECT_EQ(windowCalls, 1);
    EXPECT_EQ(settings.MenuColor, (Rgb{2, 52, 3}));
    EXPECT_EQ(settings.PayLineColor[5], Cyan);
}

TEST(CardLibraryCatalog, NamesTheLibraryOfEachSetAndKeepsItForUnknownIds) {
    EXPECT_EQ(FindCardLibrary(3)->LibraryFile, "zqcsrl_asi.dll");
    EXPECT_EQ(FindCardLibrary(1)->ListText, "Card Set 1");
    EXPECT_EQ(FindCardLibrary(2)->PreviewFile, "optcs2.zqi");
    EXPECT_EQ(FindCardLibrary(4), nullptr);

    MemoryStore store;
    TSettings settings(store);
    settings.CardLibraryID = 4;
    settings.SetCardLibraryFile();
    EXPECT_EQ(settings.CardLibraryFile, "");
    settings.CardLibraryID = 2;
    std::string handedToViews;
    settings.OnApplyCardLibrary = [&] { handedToViews = settings.CardLibraryFile; };
    settings.ApplyCardLibrary();
    EXPECT_EQ(handedToViews, "zqcsrl_pl.dll");
    settings.CardLibraryID = 0;
    settings.SetCardLibraryFile();
    EXPECT_EQ(settings.CardLibraryFile, "zqcsrl_pl.dll");
}

TEST(SoundThemeCatalog, AnyIdGivesAFolderUnderTheProgramFolder) {
    EXPECT_EQ(FindSoundTheme(2)->ListText, "Scheme 2");
    EXPECT_EQ(FindSoundTheme(3), nullptr);

    MemoryStore store;
    TSettings settings(store, "/opt/orvane");
    EXPECT_EQ(settings.ProgramFolder(), "/opt/orvane/");
    std::string folderAtHook;
    settings.OnApplySoundTheme = [&] { folderAtHook = settings.SoundThemeFolder; };
    settings.SoundThemeID = 7;
    settings.ApplySoundTheme();
    EXPECT_EQ(folderAtHook, "/opt/orvane/Data/zqs7/");
    settings.SetProgramFolder("");
    settings.SoundThemeID = 1;
    settings.ApplySoundTheme();
    EXPECT_EQ(settings.SoundThemeFolder, "Data/zqs1/");
}

}  // namespace
}  // namespace orvane::test
