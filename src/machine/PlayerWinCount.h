#pragma once

#include <functional>

#include "game/WinCount.h"

namespace orvane {

// The player's side of counting a win: a key, a click or a close request during the count
// asks for the rest at once. A count long enough to be worth cutting short says so on the
// banner; the banner gets back what the table last put there when the count ends.
class PlayerWinCount : public WinCount {
  public:
    // Steps of 30 ms before the banner names the shortcut: a short count ends before the
    // player could read it, and would only make the banner flicker.
    static constexpr int StepsBeforeHint = 10;

    PlayerWinCount(std::function<void()> showHint, std::function<void()> restoreBanner);

    void CountBegins() override;
    bool CollectRestNow() override;
    void CountEnds() override;

    bool Counting() const { return counting_; }
    // Outside a count this does nothing, so a key pressed earlier never cuts a later count.
    void RequestRest();

  private:
    std::function<void()> showHint_;
    std::function<void()> restoreBanner_;
    bool counting_ = false;
    bool requested_ = false;
    bool hintShown_ = false;
    int steps_ = 0;
};

}  // namespace orvane
