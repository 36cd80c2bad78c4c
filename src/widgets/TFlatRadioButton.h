#pragma once

#include <QRadioButton>

namespace orvane {

// A radio button drawn flat: a thin-rimmed circle with a yellow dot, and its text. Radio
// buttons with the same parent form one group, one choice in each.
class TFlatRadioButton : public QRadioButton {
    Q_OBJECT
  public:
    explicit TFlatRadioButton(const QString& text, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace orvane
