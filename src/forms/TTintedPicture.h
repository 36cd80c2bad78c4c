#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace orvane {

// A small transparent picture shown in one colour: the bonus meter's lamps and the stage
// stars. Without a picture it shows nothing, but it still knows its colour.
class TTintedPicture : public QWidget {
    Q_OBJECT
  public:
    explicit TTintedPicture(QWidget* parent = nullptr);

    void SetPicture(const QImage& picture);
    void SetTint(const QColor& tint);
    QColor Tint() const { return tint_; }
    bool HasPicture() const { return !picture_.isNull(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
    QImage tinted_;
    QColor tint_{Qt::white};
};

}  // namespace orvane
