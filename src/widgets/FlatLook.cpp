#include "FlatLook.h"

#include <QAbstractButton>
#include <QPainter>
#include <QPainterPath>

namespace orvane::FlatLook {

namespace {

constexpr int IndicatorSize = 13;

void PaintBox(QPainter& painter, const QRectF& box, bool checked, const QColor& mark) {
    painter.drawRect(box);
    if (!checked) {
        return;
    }
    QPainterPath tick;
    tick.moveTo(box.left() + 2.5, box.center().y() + 0.5);
    tick.lineTo(box.left() + 5.5, box.bottom() - 3.0);
    tick.lineTo(box.right() - 2.5, box.top() + 3.0);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(mark, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
}

void PaintCircle(QPainter& painter, const QRectF& box, bool checked, const QColor& mark) {
    painter.drawEllipse(box);
    if (!checked) {
        return;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(mark);
    painter.drawEllipse(box.center(), 3.0, 3.0);
}

}  // namespace

void PaintToggle(QPainter& painter, const QAbstractButton& button, Indicator indicator) {
    const bool hot = button.underMouse() || button.isDown();
    const QColor mark = button.isEnabled() ? Yellow : DimYellow;

    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0.5, (button.height() - IndicatorSize) / 2 + 0.5, IndicatorSize - 1,
                     IndicatorSize - 1);
    painter.setPen(QPen(hot ? Yellow : Rim, 1.0));
    painter.setBrush(button.isDown() ? HoverGreen : WellGreen);
    if (indicator == Indicator::Box) {
        PaintBox(painter, box, button.isChecked(), mark);
    } else {
        PaintCircle(painter, box, button.isChecked(), mark);
    }

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(button.font());
    painter.setPen(mark);
    const QRect textArea = button.rect().adjusted(ToggleTextIndent, 0, 0, 0);
    QRect drawn;
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, button.text(), &drawn);
    if (button.hasFocus()) {
        const QRectF ring =
            QRectF(0, 0, drawn.right() + 4, button.height()).intersected(QRectF(button.rect()));
        PaintFocusRing(painter, ring, 2.0);
    }
}

void PaintFocusRing(QPainter& painter, const QRectF& box, qreal radius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const QRectF ring = box.adjusted(2, 2, -2, -2);
    painter.setPen(QPen(Qt::black, 4.0));
    painter.drawRoundedRect(ring, radius, radius);
    painter.setPen(QPen(Yellow, 2.0));
    painter.drawRoundedRect(ring, radius, radius);
    painter.restore();
}

QString CssRgb(const QColor& color) {
    return QStringLiteral("rgb(%1,%2,%3)").arg(color.red()).arg(color.green()).arg(color.blue());
}

}  // namespace orvane::FlatLook
