#include "RoundRules.h"

#include <array>
#include <iterator>

namespace orvane {

namespace {

constexpr bool Y = true;
constexpr bool N = false;

struct PhaseRule {
    // Indexed by TableEvent: DEAL, HOLD, BET, CASH.
    std::array<bool, EnumCount<TableEvent>()> Accepts;
    // Indexed by DrawStage from its First: deal, first draw, second draw.
    std::array<bool, EnumCount<DrawStage>()> PlaysStage;
    bool Win;
};

// Rows follow RoundPhase from its First. A phase added to the enum without a row here
// stops the build at the assertion below.
constexpr PhaseRule PhaseRules[] = {
    //            DEAL HOLD BET CASH     deal 1st 2nd    win
    /* Idle */ {{Y, N, Y, N}, {Y, N, N}, N},
    // A bet changed under a win on offer would step another bet's countdown back.
    /* Dealt */ {{Y, Y, Y, Y}, {Y, Y, N}, N},
    // DEAL gives an untouched first-draw win up, then draws the second time.
    /* FirstDrawWon */ {{Y, Y, N, Y}, {N, N, Y}, Y},
    /* SecondDrawWon */ {{N, Y, N, Y}, {N, N, N}, Y},
};
static_assert(std::size(PhaseRules) == EnumCount<RoundPhase>(),
              "every round phase needs its row of rules");

constexpr bool L = true;
constexpr bool D = false;

struct LayoutRule {
    ButtonTints Tints;  // HOLD 1..5, CASH, DEAL, BET
    bool WithoutGuidance;
};

// Rows follow ButtonLayout from its First; a layout added without a row stops the build.
constexpr LayoutRule LayoutRules[] = {
    /* AllLit */ {{L, L, L, L, L, L, L, L}, Y},
    /* Idle */ {{D, D, D, D, D, D, L, L}, N},
    /* Dealt */ {{L, L, L, L, L, L, L, L}, N},
    /* FirstDrawOffer */ {{D, L, D, L, L, L, L, D}, N},
    /* Continued */ {{L, L, L, L, L, L, L, D}, N},
    /* SecondDrawOffer */ {{D, L, D, L, L, L, D, D}, N},
    // Only CASH: a lit DEAL on a machine that cannot deal invites a press that does nothing.
    /* OutOfService */ {{D, D, D, D, D, L, D, D}, Y},
};
static_assert(std::size(LayoutRules) == EnumCount<ButtonLayout>(),
              "every button layout needs its row of tints");

template <typename E>
constexpr std::size_t Row(E value) {
    return static_cast<std::size_t>(static_cast<int>(value) - static_cast<int>(E::First));
}

template <typename E>
constexpr bool InRange(E value) {
    return static_cast<int>(value) >= static_cast<int>(E::First) &&
           static_cast<int>(value) <= static_cast<int>(E::Last);
}

}  // namespace

bool Accepts(RoundPhase phase, TableEvent event) {
    return InRange(phase) && InRange(event) && PhaseRules[Row(phase)].Accepts[Row(event)];
}

bool StagePlaysFrom(RoundPhase phase, DrawStage stage) {
    return InRange(phase) && InRange(stage) && PhaseRules[Row(phase)].PlaysStage[Row(stage)];
}

bool WinPhase(RoundPhase phase) {
    return InRange(phase) && PhaseRules[Row(phase)].Win;
}

RoundPhase PhaseOfWin(DrawStage stage) {
    return stage == DrawStage::FirstDraw ? RoundPhase::FirstDrawWon : RoundPhase::SecondDrawWon;
}

bool BetweenGames(RoundPhase phase, std::optional<DrawStage> stageInFlight) {
    return phase == RoundPhase::Idle && !stageInFlight;
}

bool LayoutShownWithoutGuidance(ButtonLayout layout) {
    return InRange(layout) && LayoutRules[Row(layout)].WithoutGuidance;
}

std::optional<ButtonTints> LayoutTints(ButtonLayout layout) {
    if (!InRange(layout)) {
        return std::nullopt;
    }
    return LayoutRules[Row(layout)].Tints;
}

}  // namespace orvane
