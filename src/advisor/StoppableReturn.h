#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>

#include "analysis/OrvaneReturn.h"

namespace orvane::advisor {

// What one bonus rank's play gives in each of its countdown states, for fixed meter terms.
using RankPlay = std::function<std::array<analysis::StateFigures, analysis::Countdowns>(
    std::int32_t rank, const std::array<analysis::MeterTerms, analysis::Countdowns>& terms,
    const analysis::Progress& progress)>;

// The engine's own play of one rank, on the tables of `tables` (built on first use).
RankPlay EnginePlay(analysis::OrvaneTables& tables, const analysis::OrvaneOptions& options);

// The whole game with the meter, as the engine's OrvaneReturn works it out (the same
// per-rank play, meter chain and policy iteration), but in steps of one bonus rank with a
// look at `stop` between them, so that a game that quits or a window that closes never
// waits for the rest: it gets nothing back instead. One rank's play cannot be broken off
// (the engine's progress callback runs beside a second worker thread, so leaving it by an
// exception would end the program), so a stop takes effect within one rank's play.
// Without the meter (options.Meter false) it gives nothing: the advisor has no use for it.
std::optional<analysis::OrvaneFigures> OrvaneReturnUnlessStopped(
    const analysis::OrvaneOptions& options, const RankPlay& play, const std::atomic<bool>& stop,
    const analysis::Progress& progress = {});

// How many rank plays OrvaneReturnUnlessStopped makes at most, for a progress bar.
int MostRankPlays(const analysis::OrvaneOptions& options);

}  // namespace orvane::advisor
