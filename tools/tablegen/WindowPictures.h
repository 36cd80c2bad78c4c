#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

class QPainter;

namespace orvane {

// One of the main window's default pictures: its file name (without ".png"), its size
// in window pixels and the routine that paints it at that size.
struct WindowPicture {
    QString Name;
    QSize Size;
    std::function<void(QPainter&)> Paint;
};

// Hold tag, meter lamp, star, double-up arrows, the eight button faces and the five
// double-up choice faces, banner, splash and icon. Lamp, star and button faces are light
// and neutral: the window tints them by multiplying with a theme colour; only the red and
// the black choice keep their own colours.
std::vector<WindowPicture> WindowPictures();

// Renders a picture at `scale` times its size (2 for the "@2x" HiDPI variant).
QImage RenderPicture(const WindowPicture& picture, int scale);

// The program icon, square at `pixels`, for the desktop's icon theme. Painted at twice
// the icon's design size and reduced, so small sizes stay smooth.
QImage RenderIcon(int pixels);

}  // namespace orvane
