#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include "layout/WindowFit.h"

namespace orvane {

namespace {

Box ToBox(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

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

QSize PlaceFramedInCentre(QWidget& window, QSize outer) {
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.setWindowState(window.windowState() & ~Qt::WindowFullScreen);
    const QScreen* screen = ScreenOf(window);
    if (screen == nullptr) {
        window.setFixedSize(outer);
        return outer;
    }
    const QRect placed =
        FitWindow(ToBox(screen->availableGeometry()), outer.width(), outer.height()).To<QRect>();
    window.setFixedSize(placed.size());
    window.move(placed.topLeft());
    return placed.size();
}

QPoint KeepWithinReach(const QWidget& window, QPoint topLeft, QPoint pointer) {
    const QScreen* screen = QGuiApplication::screenAt(pointer);
    screen = screen != nullptr ? screen : ScreenOf(window);
    if (screen == nullptr) {
        return topLeft;
    }
    const Box wanted{topLeft.x(), topLeft.y(), window.width(), window.height()};
    const Box kept = KeepOnScreen(ToBox(screen->availableGeometry()), wanted);
    return {kept.X, kept.Y};
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
