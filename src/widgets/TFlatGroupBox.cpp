#include "TFlatGroupBox.h"

#include <QPainter>

#include "FlatLook.h"

namespace orvane {

namespace {
constexpr int TitleLeft = 8;
constexpr int TitlePadding = 3;
}  // namespace

TFlatGroupBox::TFlatGroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void TFlatGroupBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int rimTop = metrics.height() / 2;
    painter.setPen(FlatLook::Rim);
    painter.drawRect(rect().adjusted(0, rimTop, -1, -1));

    const QRect titleArea(TitleLeft, 0, metrics.horizontalAdvance(title()) + 2 * TitlePadding,
                          metrics.height());
    painter.fillRect(titleArea, palette().color(QPalette::Window));
    painter.setPen(FlatLook::Yellow);
    painter.setFont(font());
    painter.drawText(titleArea, Qt::AlignCenter, title());
}

}  // namespace orvane
