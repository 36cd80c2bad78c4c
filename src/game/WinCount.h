#pragma once

namespace orvane {

// The player's way to cut the counted collection of a win short. The table tells it when
// a count begins and ends and asks it before every step whether the player wants the rest
// at once; the window answers yes after a key, a click or a close request. Without one the
// count always runs its full course.
class WinCount {
  public:
    virtual ~WinCount() = default;
    virtual void CountBegins() = 0;
    virtual bool CollectRestNow() = 0;
    virtual void CountEnds() = 0;
};

}  // namespace orvane
