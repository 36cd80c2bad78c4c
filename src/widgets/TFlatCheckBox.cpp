#include "TFlatCheckBox.h"

#include <QPainter>

#include "FlatLook.h"

namespace orvane {

TFlatCheckBox::TFlatCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
}

void TFlatCheckBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    FlatLook::PaintToggle(painter, *this, FlatLook::Indicator::Box);
}

}  // namespace orvane
