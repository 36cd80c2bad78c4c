#pragma once

#include <functional>

namespace orvane {

// Runs an action if the process is ended by exit() while the hook lives. Qt's X11
// platform ends the process that way when the display connection is lost, from inside the
// event loop: no close event, no return from exec(), only the exit handlers run. One hook
// at a time; it is disarmed when it goes out of scope, so a normal end runs nothing.
//
// Armed late, once what the action needs is set up: exit handlers run in the reverse order
// of their registration, and Qt's own that were registered after this one are gone by then.
class ExitHook {
  public:
    explicit ExitHook(std::function<void()> action);
    ~ExitHook();
    ExitHook(const ExitHook&) = delete;
    ExitHook& operator=(const ExitHook&) = delete;

    // What exit() calls; public for tests, which cannot call exit().
    static void RunArmed();
};

}  // namespace orvane
