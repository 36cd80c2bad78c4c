#pragma once

#include <optional>

namespace orvane {

// The three times cards are turned up in a round. The number is also the count of stars
// shown and picks the five slots of the deal buffer the cards come from.
enum class DrawStage : int {
    Deal = 1,
    FirstDraw = 2,
    SecondDraw = 3,
    First = Deal,
    Last = SecondDraw,
};

constexpr int StageNumber(DrawStage stage) {
    return static_cast<int>(stage);
}

// The number a stage in flight is kept as: 0 when none.
constexpr int StageNumber(std::optional<DrawStage> stage) {
    return stage ? StageNumber(*stage) : 0;
}

}  // namespace orvane
