#include "app/ExitHook.h"

#include <cstdlib>
#include <utility>

namespace orvane {

namespace {
std::function<void()>& Armed() {
    static std::function<void()> action;
    return action;
}
bool registered = false;
}  // namespace

ExitHook::ExitHook(std::function<void()> action) {
    Armed() = std::move(action);
    if (!registered) {
        registered = std::atexit(&ExitHook::RunArmed) == 0;
    }
}

ExitHook::~ExitHook() {
    Armed() = nullptr;
}

void ExitHook::RunArmed() {
    // Taken out first: the action runs once, even if it ends up calling exit() itself.
    const std::function<void()> action = std::exchange(Armed(), nullptr);
    if (action) {
        action();
    }
}

}  // namespace orvane
