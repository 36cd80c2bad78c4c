#pragma once

#include <functional>

namespace orvane {

// Where the main window stands between its creation and its close. One value, so that a
// combination that cannot happen (closed, yet still waiting to close) cannot be written.
enum class WindowStage {
    Created,       // built, not yet shown
    Greeting,      // shown; the coins asked for at start are still being given
    Running,       // in play
    ClosePending,  // the close was agreed while a table event ran; it follows that event
    Closed,        // the closing sequence has run, or is running
};

// What becomes of a close request.
enum class CloseAnswer {
    AlreadyClosed,  // let it through: the closing sequence has already run
    Refused,        // the player said no; the window stays
    Wait,           // agreed, but a table event is still running; the close follows it
    Close,          // agreed: the closing sequence runs now
};

// The one place the window's stage moves.
class WindowLife {
  public:
    WindowStage Stage() const { return stage_; }
    // Not yet shown, or the coins asked for at start not yet given.
    bool Starting() const;

    // True for the first show only.
    bool FirstShow();
    // The start is over: the coins are given, or none were asked for.
    void Started();
    // agree asks the player; it is not asked again once the close is agreed. tableReady
    // is looked at once the close is agreed. Nothing happens to the table here: the caller
    // carries out the answer.
    CloseAnswer RequestClose(const std::function<bool()>& agree,
                             const std::function<bool()>& tableReady);
    // After a table event: a close agreed while it ran is due once the table is ready.
    bool CloseDue(bool tableReady) const;

  private:
    WindowStage stage_ = WindowStage::Created;
};

}  // namespace orvane
