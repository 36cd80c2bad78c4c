#include "TDialogButton.h"

#include <QPainter>

#include "FlatLook.h"

namespace orvane {

namespace {

struct FaceColors {
    QColor top;
    QColor bottom;
    QColor rim;
    QColor text;
};

FaceColors ColorsOf(TDialogButton::Face face) {
    if (face == TDialogButton::Face::Green) {
        return {QColor(92, 170, 44), QColor(24, 92, 12), QColor(170, 230, 110),
                QColor(255, 255, 0)};
    }
    return {QColor(255, 190, 70), QColor(210, 100, 0), QColor(255, 228, 150), QColor(40, 16, 0)};
}

}  // namespace

TDialogButton::TDialogButton(const QString& word, Face face, QWidget* parent)
    : THoverButton(parent), face_(face) {
    setText(word);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    QFont bold = font();
    bold.setFamily(QStringLiteral("MS Sans Serif"));
    bold.setPixelSize(11);
    bold.setBold(true);
    setFont(bold);
}

void TDialogButton::paintEvent(QPaintEvent*) {
    const FaceColors colors = ColorsOf(face_);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QRectF bar = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (isDown()) {
        bar.translate(0.5, 1.0);
    }
    QLinearGradient shade(bar.topLeft(), bar.bottomLeft());
    shade.setColorAt(0.0, Hovered() ? colors.top.lighter(112) : colors.top);
    shade.setColorAt(1.0, isDown() ? colors.bottom.darker(120) : colors.bottom);
    painter.setPen(QPen(hasFocus() || Hovered() ? colors.rim : colors.bottom.darker(150), 1.0));
    painter.setBrush(shade);
    const qreal radius = bar.height() / 2.5;
    painter.drawRoundedRect(bar, radius, radius);
    if (hasFocus()) {
        FlatLook::PaintFocusRing(painter, bar.adjusted(0.5, 0.5, -0.5, -0.5), radius - 1);
    }
    painter.setFont(font());
    painter.setPen(colors.text);
    painter.drawText(bar, Qt::AlignCenter, text());
}

}  // namespace orvane
