#pragma once

#include <QColor>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <functional>

namespace orvane {

// The colours a menu is drawn in: the theme's menu background and menu text.
struct MenuColors {
    QColor background;
    QColor text;
};

// The popup menus' own look: every item filled with the theme's menu colour (the two
// colours swapped under the pointer), the caption from x = 20, separators as a thin bar
// and a check mark as a filled circle. The colours are asked for at every paint, so a
// new theme shows at the next opening.
class TMenuStyle : public QProxyStyle {
    Q_OBJECT
  public:
    explicit TMenuStyle(std::function<MenuColors()> colors);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;

  private:
    void DrawMenuItem(const QStyleOptionMenuItem& item, QPainter& painter) const;

    std::function<MenuColors()> colors_;
};

}  // namespace orvane
