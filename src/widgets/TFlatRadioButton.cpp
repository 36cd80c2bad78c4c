#include "TFlatRadioButton.h"

#include <QPainter>

#include "FlatLook.h"

namespace orvane {

TFlatRadioButton::TFlatRadioButton(const QString& text, QWidget* parent)
    : QRadioButton(text, parent) {
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
}

void TFlatRadioButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    FlatLook::PaintToggle(painter, *this, FlatLook::Indicator::Circle);
}

}  // namespace orvane
