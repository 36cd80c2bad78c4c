#pragma once

#include <QColor>
#include <QString>

class QAbstractButton;
class QPainter;
class QRect;
class QRectF;

namespace orvane {

// The flat look of the dialog controls: yellow on dark green, thin light-green rims that
// turn yellow under the pointer, no bevels. One place for the colours keeps the check
// boxes, radio buttons, group boxes, lists and tabs of a dialog alike.
namespace FlatLook {

inline const QColor Yellow(255, 255, 0);
inline const QColor DimYellow(190, 190, 60);
inline const QColor DialogGreen(0, 81, 0);
inline const QColor HeaderGreen(41, 110, 16);
inline const QColor WellGreen(0, 56, 0);  // inside of boxes and lists, a step darker
inline const QColor HoverGreen(24, 104, 12);
inline const QColor Rim(110, 170, 70);

// The box or circle of a check box or radio button, then its text beside it; the focus
// ring goes round both.
enum class Indicator { Box, Circle };
void PaintToggle(QPainter& painter, const QAbstractButton& button, Indicator indicator);

// The keyboard focus: a yellow ring inside a black one, so that it shows on the dark
// dialogs and on every theme's table alike. Drawn just inside box.
void PaintFocusRing(QPainter& painter, const QRectF& box, qreal radius);

// A colour as style sheets write it, for the controls drawn by a style sheet.
QString CssRgb(const QColor& color);

// Gap between the indicator's left edge and the text.
constexpr int ToggleTextIndent = 18;

}  // namespace FlatLook

}  // namespace orvane
