#include "ButtonLayout.h"

namespace orvane {

namespace {

constexpr bool L = true;
constexpr bool D = false;

// Rows are the layouts Idle..SecondDrawOffer in their order.
// Columns follow GameButton: HOLD 1..5, CASH, DEAL, BET.
constexpr std::array<ButtonTints, 6> Layouts = {{
    {D, D, D, D, D, D, L, L},
    {L, L, L, L, L, L, L, L},
    {D, L, D, L, L, L, L, D},
    {L, L, L, L, L, L, L, D},
    {D, L, D, L, L, L, D, D},
    {D, D, D, D, D, L, D, D},
}};

}  // namespace

std::optional<ButtonTints> TintsForLayout(ButtonLayout layout, bool interactiveButtons) {
    if (layout == ButtonLayout::AllLit) {
        ButtonTints all{};
        all.fill(true);
        return all;
    }
    const auto row = static_cast<int>(layout);
    if (layout == ButtonLayout::OutOfService) {
        return Layouts[static_cast<std::size_t>(row)];
    }
    if (!interactiveButtons || row < 0 || row >= static_cast<int>(Layouts.size())) {
        return std::nullopt;
    }
    return Layouts[static_cast<std::size_t>(row)];
}

}  // namespace orvane
