#pragma once

#include <cstddef>
#include <optional>

#include "ButtonLayout.h"
#include "DrawStage.h"
#include "RoundPhase.h"

namespace orvane {

// The four game events the player sends to the table.
enum class TableEvent : int {
    Deal,
    Hold,
    Bet,
    Cash,
    First = Deal,
    Last = Cash,
};

// How many values an enum holds from its First to its Last.
template <typename E>
constexpr std::size_t EnumCount() {
    return static_cast<std::size_t>(static_cast<int>(E::Last) - static_cast<int>(E::First) + 1);
}

// Whether an event can do anything in a phase. The table still refuses an accepted event
// for reasons outside the round (the gate closed, the machine out of service, a win
// already gambled, records that cannot be kept); a refused one never reaches them.
bool Accepts(RoundPhase phase, TableEvent event);

// Whether a stage can be paid for and played from a phase.
bool StagePlaysFrom(RoundPhase phase, DrawStage stage);

// A win waits on offer (or was given up for a second draw) in this phase.
bool WinPhase(RoundPhase phase);
// Where a draw that wins leaves the round.
RoundPhase PhaseOfWin(DrawStage stage);

// No round runs and no stage is paid for: coins, cash-outs and closes belong here.
bool BetweenGames(RoundPhase phase, std::optional<DrawStage> stageInFlight);

// Whether a layout shows its tints while the player's guidance is switched off.
bool LayoutShownWithoutGuidance(ButtonLayout layout);
// The tints a layout lights, guidance aside; nullopt for a value outside the layouts.
std::optional<ButtonTints> LayoutTints(ButtonLayout layout);

}  // namespace orvane
