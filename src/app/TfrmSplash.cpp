#include "TfrmSplash.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace orvane {

TfrmSplash::TfrmSplash(const QImage& picture)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), picture_(picture) {
    setObjectName(QStringLiteral("frmSplash"));
    // The client area is a pixel short of the picture each way; the picture fills it.
    setFixedSize(PictureWidth - 1, PictureHeight - 1);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void TfrmSplash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (picture_.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    painter.drawImage(QPoint(0, 0), picture_);
}

}  // namespace orvane
