#include "TSettings.h"

#include <exception>
#include <utility>

#include "CardLibraryCatalog.h"
#include "SettingsSchema.h"
#include "SoundThemeCatalog.h"
#include "WholeNumber.h"

namespace orvane {
namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
// Older compilers (clang 14, used for fuzzing) do not deduce an aggregate's arguments.
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

// Values are parsed to the width of their place, so this never narrows a parsed number.
void Assign(const ValuePlace& place, std::int64_t number) {
    std::visit(Overloaded{[number](std::int32_t* n) { *n = static_cast<std::int32_t>(number); },
                          [number](std::int64_t* n) { *n = number; },
                          [number](bool* flag) { *flag = number != 0; }},
               place);
}

std::optional<std::int64_t> ParseFor(const ValuePlace& place, const std::string& text) {
    if (std::holds_alternative<std::int64_t*>(place)) {
        return ParseWholeNumber64(text);
    }
    return ParseWholeNumber(text);
}

std::string StoredText(const ValuePlace& place) {
    return std::visit(Overloaded{[](const std::int32_t* n) { return std::to_string(*n); },
                                 [](const std::int64_t* n) { return std::to_string(*n); },
                                 [](const bool* flag) { return std::string(*flag ? "1" : "0"); }},
                      place);
}

void LowerTo(const ValuePlace& place, std::int32_t ceiling) {
    if (std::int32_t* const* n = std::get_if<std::int32_t*>(&place);
        n != nullptr && **n > ceiling) {
        **n = ceiling;
    }
}

std::string NotAWholeNumber(const StoredValue& value, const ValuePlace& place,
                            const std::string& text) {
    const bool wide = std::holds_alternative<std::int64_t*>(place);
    const char* range =
        wide ? "-9223372036854775808 to 9223372036854775807" : "-2147483648 to 2147483647";
    return "The stored setting \"" + ShortenedForReport(value.Name) + "\" holds \"" +
           ShortenedForReport(text) + "\", which is not a whole number from " + range +
           "; the default " + std::to_string(value.Default) + " is used.";
}

}  // namespace

std::string ShortenedForReport(const std::string& text) {
    std::size_t end = 0;
    std::size_t characters = 0;
    while (end < text.size() && characters < ReportedTextLength) {
        ++end;
        // Continuation bytes of a UTF-8 character go with the byte that began it.
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0U) == 0x80U) {
            ++end;
        }
        ++characters;
    }
    if (end >= text.size()) {
        return text;
    }
    return text.substr(0, end) + "...";
}

TSettings::TSettings(SettingsStore& store, std::string programFolder) : store_(store) {
    SetProgramFolder(std::move(programFolder));
    // The schema alone knows the defaults; the table and meter here only absorb the
    // values that live outside this object.
    TableState scratchTable;
    TOrvane scratchMeter;
    SettingsTargets targets{*this, scratchTable, scratchMeter};
    for (const StoredValue& value : SettingsSchema()) {
        if (!value.IsVersionMark()) {
            Assign(value.PlaceIn(targets), value.Default);
        }
    }
    TakeColoursOf(*FindTheme(1));
}

std::string TSettings::AccessValue(const std::string& name, const std::string& value) {
    if (value.empty()) {
        return store_.Read(name).value_or(std::string{});
    }
    store_.Write(name, value);
    return {};
}

SettingsReport TSettings::Load(TableState& table, TOrvane& meter) {
    SettingsReport report = store_.OpeningProblems();
    SettingsTargets targets{*this, table, meter};
    for (const StoredValue& value : SettingsSchema()) {
        if (value.IsVersionMark()) {
            MarkVersion(value);
        } else {
            LoadValue(value, targets, report);
        }
        FinishLoadStep(value.After, report);
    }
    FlushInto(report);
    return report;
}

void TSettings::MarkVersion(const StoredValue& value) {
    const std::string version(SettingsVersion);
    if (AccessValue(value.Name, {}) != version) {
        AccessValue(value.Name, version);
    }
}

void TSettings::LoadValue(const StoredValue& value, SettingsTargets& targets,
                          SettingsReport& report) {
    const ValuePlace place = value.PlaceIn(targets);
    const std::string text = AccessValue(value.Name, {});
    if (text.empty()) {
        Assign(place, value.Default);
        AccessValue(value.Name, std::to_string(value.Default));
        return;
    }
    const std::optional<std::int64_t> number = ParseFor(place, text);
    if (!number) {
        // The damaged text stays in the store until the next save replaces it, so the
        // player can still see what was there.
        Assign(place, value.Default);
        report.push_back(NotAWholeNumber(value, place, text));
        return;
    }
    Assign(place, *number);
}

void TSettings::FinishLoadStep(AfterLoad after, SettingsReport& report) {
    switch (after) {
        case AfterLoad::Nothing:
            break;
        case AfterLoad::ApplyGameSpeed:
            ApplyGameSpeed();
            break;
        case AfterLoad::ApplyTheme:
            SelectThemeColours();
            RunHook(OnApplyTheme, "the theme", report);
            break;
        case AfterLoad::ApplySoundTheme:
            SelectSoundThemeFolder();
            RunHook(OnApplySoundTheme, "the sound theme", report);
            break;
    }
}

SettingsReport TSettings::Save(TableState& table, TOrvane& meter) {
    SettingsReport report;
    SettingsTargets targets{*this, table, meter};
    for (const StoredValue* value : SettingsSaveOrder()) {
        const ValuePlace place = value->PlaceIn(targets);
        if (value->SaveCeiling) {
            LowerTo(place, *value->SaveCeiling);
        }
        AccessValue(value->Name, StoredText(place));
    }
    FlushInto(report);
    return report;
}

void TSettings::FlushInto(SettingsReport& report) {
    if (store_.Flush()) {
        saveFailing_ = false;
        return;
    }
    // A run of failed saves is told once; a store that holds writes back on purpose has
    // said so when it was opened.
    if (saveFailing_ || store_.WritesHeldBack()) {
        return;
    }
    saveFailing_ = true;
    const std::string where = store_.Where();
    const std::string why = store_.WriteFailure();
    report.push_back("The settings could not be written" + (where.empty() ? "" : " to " + where) +
                     (why.empty() ? "" : ": " + why) +
                     ". Play goes on with them as they are, and every save tries again.");
}

void TSettings::RunHook(const std::function<void()>& hook, const char* what,
                        SettingsReport& report) {
    if (!hook) {
        return;
    }
    // One failing picture or folder must not cost the player the rest of the settings.
    try {
        hook();
    } catch (const std::exception& error) {
        report.push_back(std::string("Applying ") + what + " failed: " + error.what());
    } catch (...) {
        report.push_back(std::string("Applying ") + what + " failed.");
    }
}

void TSettings::ApplyGameSpeed() {
    switch (GameSpeed) {
        case 1:
            HoldDelay = 10;
            DealDelay = 20;
            break;
        case 2:
            HoldDelay = 50;
            DealDelay = 100;
            break;
        case 3:
            HoldDelay = 100;
            DealDelay = 300;
            break;
        default:
            break;
    }
}

void TSettings::ApplyTheme() {
    SelectThemeColours();
    if (OnApplyTheme) {
        OnApplyTheme();
    }
}

void TSettings::SelectThemeColours() {
    if (const ThemeRecord* theme = FindTheme(ThemeID)) {
        TakeColoursOf(*theme);
    }
}

void TSettings::TakeColoursOf(const ThemeRecord& theme) {
    ButtonColor = theme.ButtonColor;
    ButtonDimColor = theme.ButtonDimColor;
    MeterLitColor = theme.MeterLitColor;
    MeterUnlitColor = theme.MeterUnlitColor;
    MenuColor = theme.MenuColor;
    MenuTextColor = theme.MenuTextColor;
    MessageFlashColor = theme.MessageFlashColor.value_or(MessageFlashColor);
    MessageColor = theme.MessageColor.value_or(MessageColor);
    PayLineColor = theme.PayLineColor.value_or(PayLineColor);
}

void TSettings::SetCardLibraryFile() {
    if (const CardLibraryRecord* library = FindCardLibrary(CardLibraryID)) {
        CardLibraryFile = library->DeckFile(FourColourDeck);
    }
}

void TSettings::ApplyCardLibrary() {
    SetCardLibraryFile();
    if (OnApplyCardLibrary) {
        OnApplyCardLibrary();
    }
}

void TSettings::ApplySoundTheme() {
    SelectSoundThemeFolder();
    if (OnApplySoundTheme) {
        OnApplySoundTheme();
    }
}

void TSettings::ApplyAnimation() {
    if (OnApplyAnimation) {
        OnApplyAnimation();
    }
}

void TSettings::SelectSoundThemeFolder() {
    SoundThemeFolder = SoundThemeFolderOf(programFolder_, SoundThemeID);
}

void TSettings::SetProgramFolder(std::string folder) {
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') {
        folder += '/';
    }
    programFolder_ = std::move(folder);
}

}  // namespace orvane
