#pragma once

#include <QCheckBox>

namespace orvane {

// A check box drawn flat: a thin-rimmed square with a yellow tick, and its text.
class TFlatCheckBox : public QCheckBox {
    Q_OBJECT
  public:
    explicit TFlatCheckBox(const QString& text, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
    // The whole control answers the pointer, text included, as the drawing suggests.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace orvane
