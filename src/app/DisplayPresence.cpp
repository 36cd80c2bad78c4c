#include "DisplayPresence.h"

namespace orvane {

std::optional<std::string> MissingDisplay(
    const std::function<std::string(const char*)>& environment) {
#if defined(__linux__) || defined(__FreeBSD__)
    if (!environment("QT_QPA_PLATFORM").empty() || !environment("DISPLAY").empty() ||
        !environment("WAYLAND_DISPLAY").empty()) {
        return std::nullopt;
    }
    return std::string(
        "Orvane Cards needs a graphical desktop, and none was found (neither DISPLAY nor "
        "WAYLAND_DISPLAY is set). Start it from your desktop.");
#else
    (void)environment;
    return std::nullopt;
#endif
}

}  // namespace orvane
