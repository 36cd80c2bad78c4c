#include "SettingsSchema.h"

#include <algorithm>

#include "TSettings.h"
#include "base/OneBased.h"

namespace orvane {
namespace {

template <auto Field>
ValuePlace OwnField(SettingsTargets& t, int) {
    return &(t.settings.*Field);
}

template <auto Field>
ValuePlace CounterField(SettingsTargets& t, int) {
    return &(t.settings.Counters.*Field);
}

template <auto Field>
ValuePlace TableField(SettingsTargets& t, int) {
    return &(t.table.*Field);
}

ValuePlace Multiplier(SettingsTargets& t, int line) {
    return &t.table.Multiplier[OneBased(line)];
}

ValuePlace PrizeStat(SettingsTargets& t, int line) {
    return &t.settings.Counters.PrizeStat[OneBased(line)];
}

ValuePlace MeterState(SettingsTargets& t, int bet) {
    return &t.meter.State[OneBased(bet)];
}

class SchemaBuilder {
  public:
    // Adds the value that the load reads next; the save writes it at saveRank.
    StoredValue& Add(std::string name, std::int32_t def, StoredValue::PlaceFn place, int saveRank,
                     int index = 0) {
        StoredValue& value = values_.emplace_back();
        value.Name = std::move(name);
        value.Default = def;
        value.Place = place;
        value.Index = index;
        value.SaveRank = saveRank;
        return value;
    }

    // Adds a value that the load reads next and the save writes next.
    StoredValue& Add(std::string name, std::int32_t def, StoredValue::PlaceFn place) {
        return Add(std::move(name), def, place, nextRank_++);
    }

    // Takes n save positions for values added out of save order.
    int Reserve(int n) {
        const int first = nextRank_;
        nextRank_ += n;
        return first;
    }

    std::vector<StoredValue> Take() { return std::move(values_); }

  private:
    std::vector<StoredValue> values_;
    int nextRank_ = 0;
};

std::vector<StoredValue> BuildSchema() {
    SchemaBuilder b;
    b.Add("Version", 0, nullptr, -1);

    // The bet step and limits are kept for the player's sake only: bets come from the
    // ladder.
    b.Add("BetStep", 10, TableField<&TableState::BetStep>);
    b.Add("MinBet", 10, TableField<&TableState::MinBet>);
    b.Add("MaxBet", 100, TableField<&TableState::MaxBet>);

    b.Add("SoundEnabled", 1, OwnField<&TSettings::SoundEnabled>);
    b.Add("InteractiveButtonsEnabled", 1, OwnField<&TSettings::InteractiveButtonsEnabled>);
    b.Add("AutoHold", 1, OwnField<&TSettings::AutoHold>);
    b.Add("SaveCredit", 1, OwnField<&TSettings::SaveCredit>);
    b.Add("LastCredit", 0, OwnField<&TSettings::LastCredit>);
    b.Add("StatsAtExit", 0, OwnField<&TSettings::StatsAtExit>);
    b.Add("CreditAtStart", 0, OwnField<&TSettings::CreditAtStart>);
    b.Add("FullScreenAtStart", 0, OwnField<&TSettings::FullScreenAtStart>);

    // Loaded as all multipliers, then all win counts; saved line by line, each
    // multiplier beside its count.
    const int prizeRanks = b.Reserve(2 * PrizeLines);
    for (int line = 1; line <= PrizeLines; ++line) {
        b.Add("Prize" + std::to_string(line), DefaultMultipliers[OneBased(line)], Multiplier,
              prizeRanks + 2 * (line - 1), line);
    }
    for (int line = 1; line <= PrizeLines; ++line) {
        b.Add("Prize_stat" + std::to_string(line), 0, PrizeStat, prizeRanks + 2 * (line - 1) + 1,
              line);
    }
    b.Add("Credit_in", 0, CounterField<&Statistics::CreditIn>);
    b.Add("Credit_out", 0, CounterField<&Statistics::CreditOut>);

    // A countdown above full is played as it is, but never stored above full.
    for (int bet = 1; bet < BetLadderSize; ++bet) {
        StoredValue& state = b.Add("Orvane_State" + std::to_string(bet), TOrvane::Full, MeterState,
                                   b.Reserve(1), bet);
        state.SaveCeiling = TOrvane::Full;
    }
    b.Add("OrvaneNumber", FirstOrvaneNumber, TableField<&TableState::OrvaneNumber>);
    b.Add("GameSpeed", 2, OwnField<&TSettings::GameSpeed>).After = AfterLoad::ApplyGameSpeed;

    // Loaded theme, card library, sound theme; saved theme, sound theme, card library.
    const int idRanks = b.Reserve(3);
    b.Add("ThemeID", 1, OwnField<&TSettings::ThemeID>, idRanks);
    b.Add("CardLibraryID", 1, OwnField<&TSettings::CardLibraryID>, idRanks + 2).After =
        AfterLoad::ApplyTheme;
    b.Add("SoundThemeID", 1, OwnField<&TSettings::SoundThemeID>, idRanks + 1).After =
        AfterLoad::ApplySoundTheme;

    b.Add("AnimatedCards", 0, OwnField<&TSettings::AnimatedCards>);
    b.Add("AnimatedDupCards", 1, OwnField<&TSettings::AnimatedDupCards>);
    b.Add("DupMode", 1, OwnField<&TSettings::DupMode>);
    // Added after the rest, so that an older store reads as it always did.
    b.Add("HoldAdvisorEnabled", 0, OwnField<&TSettings::HoldAdvisorEnabled>);
    b.Add("FourColourDeck", 0, OwnField<&TSettings::FourColourDeck>);
    b.Add("ReducedMotion", 0, OwnField<&TSettings::ReducedMotion>);
    return b.Take();
}

std::vector<const StoredValue*> BuildSaveOrder() {
    std::vector<const StoredValue*> order;
    for (const StoredValue& value : SettingsSchema()) {
        if (value.SaveRank >= 0) {
            order.push_back(&value);
        }
    }
    std::sort(order.begin(), order.end(),
              [](const StoredValue* a, const StoredValue* b) { return a->SaveRank < b->SaveRank; });
    return order;
}

}  // namespace

const std::vector<StoredValue>& SettingsSchema() {
    static const std::vector<StoredValue> schema = BuildSchema();
    return schema;
}

const std::vector<const StoredValue*>& SettingsSaveOrder() {
    static const std::vector<const StoredValue*> order = BuildSaveOrder();
    return order;
}

}  // namespace orvane
