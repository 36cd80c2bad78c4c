#include "ButtonLayout.h"

namespace orvane {

namespace {

constexpr bool L = true;
constexpr bool D = false;

// Rows are layouts 0..4: idle, after the deal, the offer after the first draw, after
// continuing, the offer after the second draw (also the first double-up choice).
// Columns follow GameButton: HOLD 1..5, CASH, DEAL, BET.
constexpr std::array<ButtonTints, 5> Layouts = {{
    {D, D, D, D, D, D, L, L},
    {L, L, L, L, L, L, L, L},
    {D, L, D, L, L, L, L, D},
    {L, L, L, L, L, L, L, D},
    {D, L, D, L, L, L, D, D},
}};

}  // namespace

std::optional<ButtonTints> TintsForLayout(int layout, bool interactiveButtons) {
    if (layout == AllButtonsLit) {
        ButtonTints all{};
        all.fill(true);
        return all;
    }
    if (!interactiveButtons || layout < 0 || layout >= static_cast<int>(Layouts.size())) {
        return std::nullopt;
    }
    return Layouts[static_cast<std::size_t>(layout)];
}

}  // namespace orvane
