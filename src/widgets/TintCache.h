#pragma once

#include <QColor>
#include <QImage>
#include <functional>

class QPainter;
class QRect;

namespace orvane {

// A widget's picture and its copy in one colour, tinted again only when the picture, the
// way of tinting or the colour changes: the window repaints its lamps, stars and buttons
// far more often than a theme or a layout changes their colours.
class TintCache {
  public:
    using Tinter = QImage (*)(const QImage& picture, const QColor& tint);

    // For a picture that keeps its own colours.
    static QImage Untinted(const QImage& picture, const QColor&) { return picture; }

    // changed runs whenever the tinted picture may look different, to repaint the owner.
    TintCache(const QColor& tint, Tinter tinter, std::function<void()> changed);

    void SetPicture(const QImage& picture) { SetPicture(picture, tinter_); }
    void SetPicture(const QImage& picture, Tinter tinter);
    // Nothing happens when the colour is already in force.
    void SetTint(const QColor& tint);

    const QImage& Picture() const { return picture_; }
    const QImage& Tinted() const { return tinted_; }
    const QColor& Tint() const { return tint_; }

    // Draws the tinted picture smoothly scaled into box; false when there is no picture.
    bool Draw(QPainter& painter, const QRect& box) const;

  private:
    void Retint();

    QImage picture_;
    QImage tinted_;
    QColor tint_;
    Tinter tinter_;
    std::function<void()> changed_;
};

}  // namespace orvane
