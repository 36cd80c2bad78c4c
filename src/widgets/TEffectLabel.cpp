#include "TEffectLabel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace orvane {

TEffectLabel::TEffectLabel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void TEffectLabel::setText(const QString& text) {
    if (text == text_) {
        return;
    }
    text_ = text;
    update();
}

void TEffectLabel::SetTextColor(const QColor& color) {
    color_ = color;
    update();
}

void TEffectLabel::SetOutline(bool on, const QColor& color) {
    outline_ = on;
    outlineColor_ = color;
    update();
}

void TEffectLabel::paintEvent(QPaintEvent*) {
    if (text_.isEmpty()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(font());
    const qreal x = (width() - metrics.horizontalAdvance(text_)) / 2.0;
    const qreal y = (height() - metrics.height()) / 2.0 + metrics.ascent();
    if (!outline_) {
        painter.setFont(font());
        painter.setPen(color_);
        painter.drawText(QPointF(x, y), text_);
        return;
    }
    QPainterPath path;
    path.addText(QPointF(x, y), font(), text_);
    painter.setPen(QPen(outlineColor_, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color_);
    painter.drawPath(path);
}

void TEffectLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QWidget::mouseReleaseEvent(event);
}

}  // namespace orvane
