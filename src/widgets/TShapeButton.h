#pragma once

#include "THoverButton.h"

namespace orvane {

// The rounded flat buttons of the top strip: black face, yellow text, a yellow rim while
// the pointer is over them.
class TShapeButton : public THoverButton {
    Q_OBJECT
  public:
    explicit TShapeButton(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {52, 17}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace orvane
