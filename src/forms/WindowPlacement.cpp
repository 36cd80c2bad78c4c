#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace orvane {

namespace {

const QScreen* ScreenOf(const QWidget& window) {
    return window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
}

}  // namespace

void PlaceOverWholeScreen(QWidget& window) {
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    window.setMinimumSize(0, 0);
    window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowFullScreen);
    const QScreen* screen = ScreenOf(window);
    window.setGeometry(screen != nullptr ? screen->geometry() : QRect(QPoint(0, 0), window.size()));
}

void PlaceFramedInCentre(QWidget& window, QSize outer) {
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.setWindowState(window.windowState() & ~Qt::WindowFullScreen);
    window.setFixedSize(outer);
    const QScreen* screen = ScreenOf(window);
    if (screen == nullptr) {
        return;
    }
    const QRect desktop = screen->availableGeometry();
    window.move(desktop.topLeft() + QPoint((desktop.width() - outer.width()) / 2,
                                           (desktop.height() - outer.height()) / 2));
}

void PaintThinFrame(QPainter& painter, const QRect& window) {
    const QRect outer = window.adjusted(0, 0, -1, -1);
    painter.setPen(QColor(150, 130, 60));
    painter.drawRect(outer);
    painter.setPen(QColor(70, 60, 30));
    painter.drawRect(outer.adjusted(1, 1, -1, -1));
    painter.setPen(QColor(30, 26, 12));
    painter.drawRect(outer.adjusted(2, 2, -2, -2));
}

}  // namespace orvane
