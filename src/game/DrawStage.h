#pragma once

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

}  // namespace orvane
