#include "PlayerWinCount.h"

#include <utility>

namespace orvane {

PlayerWinCount::PlayerWinCount(std::function<void()> showHint, std::function<void()> restoreBanner)
    : showHint_(std::move(showHint)), restoreBanner_(std::move(restoreBanner)) {}

void PlayerWinCount::CountBegins() {
    counting_ = true;
    requested_ = false;
    hintShown_ = false;
    steps_ = 0;
}

bool PlayerWinCount::CollectRestNow() {
    if (!requested_ && !hintShown_ && ++steps_ > StepsBeforeHint) {
        hintShown_ = true;
        showHint_();
    }
    return requested_;
}

void PlayerWinCount::CountEnds() {
    counting_ = false;
    requested_ = false;
    if (hintShown_) {
        hintShown_ = false;
        restoreBanner_();
    }
}

void PlayerWinCount::RequestRest() {
    if (counting_) {
        requested_ = true;
    }
}

}  // namespace orvane
