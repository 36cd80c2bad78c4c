#pragma once

#include <QGroupBox>

namespace orvane {

// A group box drawn flat: a thin light-green rim with the title set into its top edge.
// Controls inside are placed in the box's own coordinates, the title strip included.
class TFlatGroupBox : public QGroupBox {
    Q_OBJECT
  public:
    explicit TFlatGroupBox(const QString& title, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace orvane
