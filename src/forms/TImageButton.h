#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QImage>

namespace orvane {

// A game button: a face picture tinted with the theme's button colour, lit or dim. Its
// tag is the hand slot for the hold buttons. Without a face picture it draws a plain
// tinted plate with its caption, so the table stays playable.
class TImageButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit TImageButton(QWidget* parent = nullptr);

    void SetPicture(const QImage& face);
    void SetColor(const QColor& color);
    QColor Color() const { return color_; }
    void SetTag(int tag) { tag_ = tag; }
    int Tag() const { return tag_; }
    bool HasPicture() const { return !face_.isNull(); }

    QSize sizeHint() const override { return {145, 17}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage face_;
    QImage tinted_;
    QColor color_{Qt::yellow};
    int tag_ = 0;
};

}  // namespace orvane
