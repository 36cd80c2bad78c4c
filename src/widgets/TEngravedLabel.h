#pragma once

#include <QColor>
#include <QLabel>

namespace orvane {

// A transparent text label whose letters carry a dark shadow one pixel down and right, so
// that they stay readable on a lamp of any colour. The shadow is painted with the text
// rather than by a graphics effect: effects on a widget are not drawn (or drawn astray)
// while the table is enlarged through a graphics view in full screen.
class TEngravedLabel : public QLabel {
    Q_OBJECT
  public:
    explicit TEngravedLabel(const QString& text, QWidget* parent = nullptr);

    static const QColor ShadowColor;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace orvane
