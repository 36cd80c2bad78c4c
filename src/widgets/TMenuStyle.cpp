#include "TMenuStyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

namespace orvane {

namespace {

// The caption starts here, an absolute position in the item, leaving room for the mark.
constexpr int CaptionLeft = 20;
constexpr int SeparatorHeight = 9;

QColor Halfway(const QColor& a, const QColor& b) {
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

}  // namespace

TMenuStyle::TMenuStyle(std::function<MenuColors()> colors)
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), colors_(std::move(colors)) {}

void TMenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    if (element == CE_MenuItem) {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            DrawMenuItem(*item, *painter);
            return;
        }
    }
    if (element == CE_MenuEmptyArea) {
        painter->fillRect(option->rect, colors_().background);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void TMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    if (element == PE_PanelMenu || element == PE_FrameMenu) {
        const MenuColors colors = colors_();
        painter->fillRect(option->rect, colors.background);
        painter->setPen(colors.text);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

// A separator is as tall as the desktop's own, so its bar at four pixels down shows.
QSize TMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                   const QWidget* widget) const {
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_MenuItem) {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (item != nullptr && item->menuItemType == QStyleOptionMenuItem::Separator) {
            result.setHeight(SeparatorHeight);
        }
    }
    return result;
}

int TMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                            const QWidget* widget) const {
    if (metric == PM_MenuPanelWidth) {
        return 1;
    }
    if (metric == PM_MenuHMargin || metric == PM_MenuVMargin) {
        return 0;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void TMenuStyle::DrawMenuItem(const QStyleOptionMenuItem& item, QPainter& painter) const {
    const MenuColors colors = colors_();
    const bool selected = (item.state & State_Selected) && (item.state & State_Enabled);
    const QColor background = selected ? colors.text : colors.background;
    QColor ink = selected ? colors.background : colors.text;
    if (!(item.state & State_Enabled)) {
        ink = Halfway(colors.text, colors.background);  // greyed out, in the theme's colours
    }
    const QRect r = item.rect;
    painter.save();
    painter.fillRect(r, background);
    if (item.menuItemType == QStyleOptionMenuItem::Separator) {
        painter.fillRect(
            QRect(QPoint(r.left() + 1, r.top() + 4), QPoint(r.right() - 2, r.top() + 4)), ink);
        painter.restore();
        return;
    }
    QFont font = item.font;
    font.setFamily(QStringLiteral("Tahoma"));
    painter.setFont(font);
    painter.setPen(ink);
    QRect caption = r;
    caption.setLeft(CaptionLeft);
    // The shortcut part after a tab is not shown; the menus have none.
    const QString text = item.text.section(QLatin1Char('\t'), 0, 0);
    painter.drawText(caption,
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic,
                     text);
    if (item.checkType != QStyleOptionMenuItem::NotCheckable && item.checked) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        // The mark sits in the item's first 20 pixels, centred on the caption's line.
        const int top = r.top() + (r.height() - 10) / 2;
        painter.drawEllipse(QRectF(r.left() + 5, top, 10, 10));
    }
    painter.restore();
}

}  // namespace orvane
