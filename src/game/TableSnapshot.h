#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "CreditAudit.h"
#include "GameRecord.h"
#include "Statistics.h"
#include "TOrvane.h"
#include "TableState.h"
#include "TableView.h"

namespace orvane {

// The double-up's own state: whether an offer is open, whether it was gambled, the card
// guessed next and the ten cards (slot 0 unused).
struct DoubleUpState {
    bool Open = false;
    bool Gambled = false;
    std::int32_t Step = 1;
    // The tenth card is turned: a win held back by a full credit can only be collected.
    bool LastCardTurned = false;
    std::array<Card, 11> Cards{};
};

// The bonus meter's countdowns and what a jackpot hand emptied, for its undoing.
struct BonusMeterState {
    TOrvane Countdowns;
    std::int32_t SavedCountdown = 0;
};

// The statistics that are kept for all time (the run's own counters start afresh).
struct StoredStatistics {
    decltype(Statistics::PrizeStat) PrizeStat{};
    decltype(Statistics::CreditIn) CreditIn = 0;
    decltype(Statistics::CreditOut) CreditOut = 0;
};

// Everything that puts a table back exactly as it stood, the round in progress included.
// The pay table is not part of it: the settings keep that.
struct TableSnapshot {
    TableState Table;
    TableView View;
    DoubleUpState DoubleUp;
    BonusMeterState Meter;
    std::uint64_t RandomState = 0;
    StoredStatistics Stats;
    CreditAuditCounters Audit;
    std::vector<GameRecord> Games;  // the last ten, oldest first
    std::optional<GameRecord> CurrentGame;
};

}  // namespace orvane
