#pragma once

#include <functional>
#include <optional>
#include <string>

namespace orvane {

// Qt ends a program it cannot give a window platform with an abort and a core dump. Where
// it plainly has no desktop to reach (an X11/Wayland system with neither display named and
// no platform chosen), the game says so in words and ends with status 1 instead.
// `environment` reads a variable (empty: not set). Gives the message, or none when a
// window platform may be there.
std::optional<std::string> MissingDisplay(
    const std::function<std::string(const char*)>& environment);

}  // namespace orvane
