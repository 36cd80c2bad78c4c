#include "ButtonLayout.h"

#include "RoundRules.h"

namespace orvane {

std::optional<ButtonTints> TintsForLayout(ButtonLayout layout, bool interactiveButtons) {
    if (!interactiveButtons && !LayoutShownWithoutGuidance(layout)) {
        return std::nullopt;
    }
    return LayoutTints(layout);
}

}  // namespace orvane
