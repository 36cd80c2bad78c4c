#include "TableView.h"

namespace orvane {

void ViewTracker::SetHoldMark(int slot, bool visible) {
    if (slot >= 1 && slot <= 5) {
        view_.HoldMarks[static_cast<std::size_t>(slot)] = visible;
    }
    d_.SetHoldMark(slot, visible);
}

void ViewTracker::ShowStars(int count) {
    view_.Stars = count;
    d_.ShowStars(count);
}

void ViewTracker::SetButtonLayout(ButtonLayout layout) {
    view_.Layout = layout;
    d_.SetButtonLayout(layout);
}

void ViewTracker::ShowDoubleUpPanel(bool visible) {
    view_.DoubleUpPanel = visible;
    d_.ShowDoubleUpPanel(visible);
}

void ViewTracker::SetMessage(Message message, bool blink) {
    view_.Banner = message;
    view_.BannerBlinks = blink;
    d_.SetMessage(message, blink);
}

void ViewTracker::SetIndicatorBlink(bool on) {
    view_.IndicatorBlinks = on;
    d_.SetIndicatorBlink(on);
}

}  // namespace orvane
