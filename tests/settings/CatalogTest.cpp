#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "settings/CardLibraryCatalog.h"
#include "settings/MemoryStore.h"
#include "settings/SoundThemeCatalog.h"
#include "settings/TSettings.h"
#include "settings/ThemeCatalog.h"

namespace orvane::test {
namespace {

std::string Numbered(const char* prefix, int id, const char* suffix = "") {
    return prefix + std::to_string(id) + suffix;
}

// The theme colours the settings hold, for comparing two moments.
struct Colours {
    explicit Colours(const TSettings& s)
        : button(s.ButtonColor),
          buttonDim(s.ButtonDimColor),
          meterLit(s.MeterLitColor),
          meterUnlit(s.MeterUnlitColor),
          messageFlash(s.MessageFlashColor),
          message(s.MessageColor),
          menu(s.MenuColor),
          menuText(s.MenuTextColor),
          payLines(s.PayLineColor) {}
    Rgb button, buttonDim, meterLit, meterUnlit, messageFlash, message, menu, menuText;
    PayLineColors payLines;
    friend bool operator==(const Colours&, const Colours&) = default;
};

const std::vector<int> UnknownIds = {0, -1, 6, 100};

TEST(ThemeCatalog, EveryThemeIsFoundByItsOwnIdAndNoOtherNumberFindsOne) {
    ASSERT_EQ(static_cast<int>(Themes().size()), ThemeCount);
    std::set<std::string_view> names, backgrounds;
    int expectedId = 1;
    for (const ThemeRecord& theme : Themes()) {
        EXPECT_EQ(theme.ID, expectedId++);
        EXPECT_EQ(FindTheme(theme.ID), &theme);
        EXPECT_FALSE(theme.Name.empty());
        EXPECT_FALSE(theme.FontName.empty()) << theme.Name;
        names.insert(theme.Name);
        backgrounds.insert(theme.BackgroundFile);
    }
    EXPECT_EQ(static_cast<int>(names.size()), ThemeCount) << "two themes share a name";
    EXPECT_EQ(static_cast<int>(backgrounds.size()), ThemeCount) << "two share a background";
    EXPECT_EQ(FindTheme(ThemeCount + 1), nullptr);
    for (const int id : UnknownIds) {
        if (id < 1 || id > ThemeCount) {
            EXPECT_EQ(FindTheme(id), nullptr) << id;
        }
    }
}

// The options list shows a preview for each theme it offers, named after the theme.
TEST(ThemeCatalog, AThemeIsOfferedExactlyWhenItHasAPreviewNamedAfterIt) {
    int offered = 0;
    for (const ThemeRecord& theme : Themes()) {
        EXPECT_EQ(theme.Listed, theme.PreviewFile.has_value()) << theme.Name;
        if (theme.PreviewFile) {
            EXPECT_EQ(*theme.PreviewFile, Numbered("optt", theme.ID, ".zqi")) << theme.Name;
            ++offered;
        }
    }
    EXPECT_GT(offered, 0);
}

// The value labels sit one under the other in the info panel, on the table; a theme that
// does not place them places none, and the labels keep where the last theme put them.
TEST(ThemeCatalog, LabelPositionsAreSetTogetherAndStackDownTheInfoPanel) {
    constexpr int TableHeight = 556;
    for (const ThemeRecord& theme : Themes()) {
        const std::vector<std::optional<int>> tops = {theme.CreditTop, theme.BetTop, theme.WinTop,
                                                      theme.BonusTop, theme.BonusCardsTop};
        const auto set =
            std::count_if(tops.begin(), tops.end(), [](auto t) { return t.has_value(); });
        EXPECT_TRUE(set == 0 || set == 5) << theme.Name << " places only " << set << " labels";
        if (set != 5) {
            continue;
        }
        for (const auto& top : tops) {
            EXPECT_GT(*top, 0) << theme.Name;
            EXPECT_LT(*top, TableHeight) << theme.Name;
        }
        EXPECT_LT(*theme.CreditTop, *theme.BetTop) << theme.Name;
        EXPECT_LT(*theme.BetTop, *theme.WinTop) << theme.Name;
        EXPECT_LT(*theme.BonusTop, *theme.BonusCardsTop) << theme.Name;
    }
}

// After any theme, applying another takes every colour the second one has and keeps the
// ones it leaves unset as the first one left them.
TEST(ThemeColours, AThemeTakesTheColoursItHasAndKeepsTheOnesItLeavesUnset) {
    for (const ThemeRecord& first : Themes()) {
        for (const ThemeRecord& second : Themes()) {
            MemoryStore store;
            TSettings settings(store);
            settings.ThemeID = first.ID;
            settings.SelectThemeColours();
            const Colours before(settings);
            settings.ThemeID = second.ID;
            settings.SelectThemeColours();
            const Colours after(settings);
            SCOPED_TRACE(std::string(first.Name) + " then " + std::string(second.Name));

            EXPECT_EQ(after.button, second.ButtonColor);
            EXPECT_EQ(after.buttonDim, second.ButtonDimColor);
            EXPECT_EQ(after.meterLit, second.MeterLitColor);
            EXPECT_EQ(after.meterUnlit, second.MeterUnlitColor);
            EXPECT_EQ(after.menu, second.MenuColor);
            EXPECT_EQ(after.menuText, second.MenuTextColor);
            EXPECT_EQ(after.messageFlash, second.MessageFlashColor.value_or(before.messageFlash));
            EXPECT_EQ(after.message, second.MessageColor.value_or(before.message));
            EXPECT_EQ(after.payLines, second.PayLineColor.value_or(before.payLines));
        }
    }
}

TEST(ThemeColours, BeforeAnyThemeIsAppliedTheColoursAreTheFirstThemes) {
    MemoryStore store;
    TSettings fresh(store);
    TSettings applied(store);
    applied.ThemeID = Themes().front().ID;
    applied.SelectThemeColours();
    EXPECT_TRUE(Colours(fresh) == Colours(applied));
}

TEST(ThemeColours, AnUnknownThemeChangesNoColourButStillDressesTheWindow) {
    for (const ThemeRecord& known : Themes()) {
        for (const int unknown : UnknownIds) {
            MemoryStore store;
            TSettings settings(store);
            settings.ThemeID = known.ID;
            settings.SelectThemeColours();
            const Colours before(settings);
            int windowCalls = 0;
            settings.OnApplyTheme = [&] { ++windowCalls; };
            settings.ThemeID = unknown;
            settings.ApplyTheme();
            EXPECT_EQ(windowCalls, 1);
            EXPECT_TRUE(Colours(settings) == before) << known.Name << " then " << unknown;
        }
    }
}

TEST(CardLibraryCatalog, EachLibraryIsFoundByItsIdWithFilesNamedAfterIt) {
    ASSERT_EQ(static_cast<int>(CardLibraries().size()), CardLibraryCount);
    std::set<std::string_view> files;
    int expectedId = 1;
    for (const CardLibraryRecord& library : CardLibraries()) {
        EXPECT_EQ(library.ID, expectedId++);
        EXPECT_EQ(FindCardLibrary(library.ID), &library);
        EXPECT_EQ(library.ListText, Numbered("Card Set ", library.ID));
        EXPECT_EQ(library.PreviewFile, Numbered("optcs", library.ID, ".zqi"));
        EXPECT_TRUE(library.LibraryFile.ends_with(".dll")) << library.LibraryFile;
        EXPECT_EQ(library.LibraryFile.find('/'), std::string_view::npos);  // the program folder
        files.insert(library.LibraryFile);
    }
    EXPECT_EQ(static_cast<int>(files.size()), CardLibraryCount) << "two share a file";
    EXPECT_EQ(FindCardLibrary(CardLibraryCount + 1), nullptr);
    EXPECT_EQ(FindCardLibrary(0), nullptr);
}

TEST(CardLibraryCatalog, AnUnknownIdKeepsTheLibraryInUseAndTheViewsGetTheFileInForce) {
    for (const CardLibraryRecord& library : CardLibraries()) {
        MemoryStore store;
        TSettings settings(store);
        std::string handedToViews;
        settings.OnApplyCardLibrary = [&] { handedToViews = settings.CardLibraryFile; };
        settings.CardLibraryID = library.ID;
        settings.ApplyCardLibrary();
        EXPECT_EQ(handedToViews, library.LibraryFile);
        for (const int unknown : {0, CardLibraryCount + 1, -5}) {
            settings.CardLibraryID = unknown;
            settings.ApplyCardLibrary();
            EXPECT_EQ(settings.CardLibraryFile, library.LibraryFile) << unknown;
            EXPECT_EQ(handedToViews, library.LibraryFile) << unknown;
        }
    }
}

TEST(SoundThemeCatalog, EveryIdGivesItsOwnFolderUnderTheProgramFolder) {
    int expectedId = 1;
    for (const SoundThemeRecord& theme : SoundThemes()) {
        EXPECT_EQ(theme.ID, expectedId++);
        EXPECT_EQ(FindSoundTheme(theme.ID), &theme);
        EXPECT_EQ(theme.ListText, Numbered("Scheme ", theme.ID));
    }
    EXPECT_EQ(FindSoundTheme(SoundThemeCount + 1), nullptr);

    // Listed or not, a number names a folder; one that is missing only silences the sounds.
    for (const char* folder : {"/opt/orvane", ""}) {
        MemoryStore store;
        TSettings settings(store, folder);
        const std::string base = settings.ProgramFolder();
        EXPECT_EQ(base, *folder ? std::string(folder) + "/" : "");
        for (const int id : {1, 2, 7, 12}) {
            std::string folderAtHook;
            settings.OnApplySoundTheme = [&] { folderAtHook = settings.SoundThemeFolder; };
            settings.SoundThemeID = id;
            settings.ApplySoundTheme();
            EXPECT_EQ(folderAtHook, base + Numbered("Data/zqs", id, "/"));
        }
    }
}

}  // namespace
}  // namespace orvane::test
