#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QImage>
#include <QString>
#include <optional>

#include "TintCache.h"

namespace orvane {

// What a game button shows: its picture, and the caption of the plain plate drawn in its
// place when the picture is missing. A face with its own colour (the red and the black
// double-up choice) shows its picture as it is and its plate in that colour, whatever
// the theme tints the other buttons with.
struct ButtonFace {
    QImage Picture;
    QString Caption;
    std::optional<QColor> OwnColour;
};

// A game button: a face picture tinted with the theme's button colour, lit or dim. Its
// tag is the hand slot for the hold buttons. Without a face picture it draws a plain
// tinted plate with its caption, so the table stays playable.
class TImageButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit TImageButton(QWidget* parent = nullptr);

    void SetFace(const ButtonFace& face);
    void SetPicture(const QImage& face);
    void SetColor(const QColor& color);
    QColor Color() const { return face_.Tint(); }
    void SetTag(int tag) { tag_ = tag; }
    int Tag() const { return tag_; }
    bool HasPicture() const { return !face_.Picture().isNull(); }
    bool KeepsOwnColour() const { return ownColour_.has_value(); }

    QSize sizeHint() const override { return {145, 17}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void PaintFocus(QPainter& painter) const;

    TintCache face_;
    std::optional<QColor> ownColour_;
    int tag_ = 0;
};

}  // namespace orvane
