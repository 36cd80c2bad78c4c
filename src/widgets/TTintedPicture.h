#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include "TintCache.h"

namespace orvane {

// A small transparent picture shown in one colour: the bonus meter's lamps and the stage
// stars. Without a picture it shows nothing, but it still knows its colour.
class TTintedPicture : public QWidget {
    Q_OBJECT
  public:
    explicit TTintedPicture(QWidget* parent = nullptr);

    void SetPicture(const QImage& picture);
    void SetTint(const QColor& tint);
    QColor Tint() const { return picture_.Tint(); }
    bool HasPicture() const { return !picture_.Picture().isNull(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TintCache picture_;
};

}  // namespace orvane
