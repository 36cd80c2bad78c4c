#include "TGauge.h"

#include <QPainter>

#include <algorithm>

namespace orvane {

namespace {

const QColor BarYellow(255, 255, 0);
const QColor Rim(96, 128, 64);

}  // namespace

TGauge::TGauge(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TGauge::SetProgress(int progress) {
    progress = std::clamp(progress, MinValue, MaxValue);
    if (progress != progress_) {
        progress_ = progress;
        update();
    }
}

void TGauge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    const int barWidth = inside.width() * (progress_ - MinValue) / (MaxValue - MinValue);
    const QRect bar(inside.topLeft(), QSize(barWidth, inside.height()));
    painter.fillRect(bar, BarYellow);

    const QString text = QString::number(progress_) + QLatin1Char('%');
    painter.setFont(font());
    painter.setPen(BarYellow);
    painter.drawText(inside, Qt::AlignCenter, text);
    // The part of the text over the bar in black, so it reads on either side.
    painter.setClipRect(bar);
    painter.setPen(Qt::black);
    painter.drawText(inside, Qt::AlignCenter, text);
    painter.setClipping(false);

    painter.setPen(Rim);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace orvane
