#pragma once

#include <array>
#include <optional>

namespace orvane {

// The eight game buttons in the order the layouts are written down.
enum class GameButton : int { Hold1, Hold2, Hold3, Hold4, Hold5, Cash, Deal, Bet };
inline constexpr int GameButtonCount = 8;

// Lit (true) or dim (false) for each GameButton.
using ButtonTints = std::array<bool, GameButtonCount>;

// Which buttons guide the player in each state of the round. AllLit is used when the
// guidance is switched off.
enum class ButtonLayout : int {
    AllLit = -1,
    Idle = 0,
    Dealt = 1,
    FirstDrawOffer = 2,
    Continued = 3,
    // Also the layout once the first double-up choice was made.
    SecondDrawOffer = 4,
    // Only CASH: the machine takes no bet. Shown whatever the guidance setting, since a
    // lit DEAL on a machine that cannot deal invites a press that does nothing.
    OutOfService = 5,
    // The range a stored layout must lie in; a new layout moves Last with it.
    First = AllLit,
    Last = OutOfService,
};

// Which buttons a layout lights. The tints only guide the player; the rules alone decide
// which events are taken. AllLit lights everything whatever the setting; the other
// layouts change nothing (nullopt) while the guidance is off, so the buttons keep the
// colours they had. An unknown layout changes nothing either.
std::optional<ButtonTints> TintsForLayout(ButtonLayout layout, bool interactiveButtons);

}  // namespace orvane
