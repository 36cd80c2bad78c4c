#include "WindowLife.h"

namespace orvane {

bool WindowLife::Starting() const {
    return stage_ == WindowStage::Created || stage_ == WindowStage::Greeting;
}

bool WindowLife::FirstShow() {
    if (stage_ != WindowStage::Created) {
        return false;
    }
    stage_ = WindowStage::Greeting;
    return true;
}

void WindowLife::Started() {
    // A close agreed while the coins were asked for is not undone by their arrival.
    if (stage_ == WindowStage::Greeting) {
        stage_ = WindowStage::Running;
    }
}

CloseAnswer WindowLife::RequestClose(const std::function<bool()>& agree,
                                     const std::function<bool()>& tableReady) {
    if (stage_ == WindowStage::Closed) {
        return CloseAnswer::AlreadyClosed;
    }
    if (stage_ != WindowStage::ClosePending && !agree()) {
        return CloseAnswer::Refused;
    }
    if (!tableReady()) {
        stage_ = WindowStage::ClosePending;
        return CloseAnswer::Wait;
    }
    stage_ = WindowStage::Closed;
    return CloseAnswer::Close;
}

bool WindowLife::CloseDue(bool tableReady) const {
    return stage_ == WindowStage::ClosePending && tableReady;
}

}  // namespace orvane
