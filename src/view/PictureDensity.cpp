#include "PictureDensity.h"

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>

namespace orvane {

namespace {
qreal densityFloor = 1.0;
}  // namespace

qreal PictureDensity(const QWidget* widget) {
    qreal screen = 1.0;
    if (widget != nullptr) {
        screen = widget->devicePixelRatioF();
    } else if (qGuiApp != nullptr) {
        screen = qGuiApp->devicePixelRatio();
    }
    return std::max(screen, densityFloor);
}

void SetPictureDensityFloor(qreal floor) {
    densityFloor = std::max<qreal>(1.0, floor);
}

qreal PictureDensityFloor() {
    return densityFloor;
}

}  // namespace orvane
