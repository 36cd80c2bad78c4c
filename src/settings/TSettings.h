#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Rgb.h"
#include "SettingsSchema.h"
#include "SettingsStore.h"
#include "ThemeCatalog.h"
#include "game/PayTable.h"
#include "game/Statistics.h"
#include "game/TOrvane.h"
#include "game/TableSettings.h"
#include "game/TableState.h"

namespace orvane {

// Texts that tell the player what went wrong while loading or saving; empty when all
// went well. A damaged value never stops the rest: it is named here and replaced by its
// default.
using SettingsReport = std::vector<std::string>;

// A stored text as a report quotes it: at most ReportedTextLength characters (whole UTF-8
// characters), with "..." after a text that was cut. A damaged value can be any size; the
// player needs only to recognise it.
inline constexpr std::size_t ReportedTextLength = 60;
std::string ShortenedForReport(const std::string& text);

// Everything the game remembers between runs and most of what the player chooses, plus
// the tables several parts of the window read (bet ladder, pauses, theme colours).
// Fields are public on purpose: the window, the dialogs and the effects read and set
// them directly, and the next Save stores what they left.
//
// Stored values that live elsewhere (pay table, bet limits and bonus value in the game
// table; the countdowns in the bonus meter) are handed to Load and Save, which read
// them into and back from there. Which values exist, their defaults and their order is
// written once, in SettingsSchema.
class TSettings final : public TableSettings {
  public:
    // The store must outlive this object. programFolder is where the sound theme folders
    // are looked for; a missing trailing '/' is added.
    explicit TSettings(SettingsStore& store, std::string programFolder = {});
    TSettings(const TSettings&) = delete;
    TSettings& operator=(const TSettings&) = delete;

    // What the rules read.
    bool AutoHoldEnabled() const override { return AutoHold; }
    ::orvane::DupMode DoubleUpMode() const override { return DupModeOf(DupMode); }
    int HoldDelayMs() const override { return HoldDelay; }
    int DealDelayMs() const override { return DealDelay; }
    Statistics& Stats() override { return Counters; }

    // The single way to the store: with an empty value, reads name and gives its text
    // (empty when there is none); otherwise writes value under name and gives "".
    std::string AccessValue(const std::string& name, const std::string& value);

    // Reads every value, using and writing back the default of any that is missing, and
    // applies the game speed, the theme and the sound theme on the way.
    SettingsReport Load(TableState& table, TOrvane& meter);
    // Writes every value; countdowns above full are first brought down to full in the
    // meter itself.
    SettingsReport Save(TableState& table, TOrvane& meter);

    // Sets HoldDelay and DealDelay from GameSpeed; a speed outside 1..3 keeps them.
    void ApplyGameSpeed();
    // Takes the colours of ThemeID, then lets the window dress itself (OnApplyTheme).
    void ApplyTheme();
    // The settings' own part of applying a theme: the colours that the theme of ThemeID
    // has. An unknown ThemeID, and any colour the theme leaves unset, keep their value.
    void SelectThemeColours();
    // CardLibraryFile := the library file of CardLibraryID; unknown IDs keep the file.
    void SetCardLibraryFile();
    // SetCardLibraryFile, then hands the file to the card views (OnApplyCardLibrary).
    void ApplyCardLibrary();
    // SoundThemeFolder := program folder + "Data/zqs" + SoundThemeID + "/", then
    // OnApplySoundTheme.
    void ApplySoundTheme();
    // Hands AnimatedCards to the hand cards and AnimatedDupCards to the double-up cards
    // (OnApplyAnimation).
    void ApplyAnimation();

    const std::string& ProgramFolder() const { return programFolder_; }
    void SetProgramFolder(std::string folder);

    // The window's part of applying each choice; called when set. An exception thrown
    // by a hook during Load is reported in Load's result and the load goes on.
    std::function<void()> OnApplyTheme;
    std::function<void()> OnApplySoundTheme;
    std::function<void()> OnApplyCardLibrary;
    std::function<void()> OnApplyAnimation;

    // Statistics: PrizeStat, CreditIn and CreditOut are stored; the run counters start
    // at 0 with every run.
    Statistics Counters;

    static constexpr std::array<std::int32_t, BetLadderSize> BetLadder = orvane::BetLadder;

    // Stored fields start at their defaults from SettingsSchema (the constructor puts
    // them there), so an object that was never loaded still plays sensibly.
    std::int32_t GameSpeed{};
    // Until a valid GameSpeed is applied the pauses are those of normal speed.
    std::int32_t HoldDelay = 50;
    std::int32_t DealDelay = 100;
    std::int32_t ThemeID{};
    std::int32_t CardLibraryID{};
    std::string CardLibraryFile;
    std::int32_t SoundThemeID{};
    std::string SoundThemeFolder;
    bool SaveCredit{};
    bool StatsAtExit{};
    bool CreditAtStart{};
    bool FullScreenAtStart{};
    std::int32_t LastCredit{};
    bool SoundEnabled{};
    bool InteractiveButtonsEnabled{};
    bool AutoHold{};
    // The best-hold advisor on the table; off unless the player turns it on.
    bool HoldAdvisorEnabled{};
    // The cards of the four-colour twin of the card library; off unless the player asks.
    bool FourColourDeck{};
    // Nothing on the table blinks, slides or walks; off unless the player asks.
    bool ReducedMotion{};
    // The desktop asks for as little motion as the player's own option does; found at start,
    // never stored.
    bool DesktopReducedMotion = false;
    bool MotionReduced() const { return ReducedMotion || DesktopReducedMotion; }

    // Theme colours, never stored. Until a theme is applied they are Classic's.
    Rgb ButtonColor;
    Rgb ButtonDimColor;
    Rgb MeterLitColor;
    Rgb MeterUnlitColor;
    Rgb MessageFlashColor;
    Rgb MessageColor;
    Rgb MenuColor;
    Rgb MenuTextColor;

    bool AnimatedCards{};
    bool AnimatedDupCards{};
    std::int32_t DupMode{};
    PayLineColors PayLineColor{};  // 1..11

  private:
    void MarkVersion(const StoredValue& value);
    void LoadValue(const StoredValue& value, SettingsTargets& targets, SettingsReport& report);
    void FinishLoadStep(AfterLoad after, SettingsReport& report);
    void FlushInto(SettingsReport& report);
    void RunHook(const std::function<void()>& hook, const char* what, SettingsReport& report);
    void TakeColoursOf(const ThemeRecord& theme);
    void SelectSoundThemeFolder();

    SettingsStore& store_;
    std::string programFolder_;
    bool saveFailing_ = false;
};

}  // namespace orvane
