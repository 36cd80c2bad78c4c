#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRectF>
#include <QString>

#include "Noise.h"
#include "ThemeStyle.h"

namespace orvane {

// The machine's trim vocabulary: metal bezels, sunken windows, glass, engraved captions,
// shadows and glows. Every background and window picture is assembled from these.

QLinearGradient MetalGradient(const QRectF& r, const Metal& m);
// A bevelled metal ring `width` wide just inside `outer`.
void DrawBezel(QPainter& p, const QRectF& outer, qreal width, qreal radius, const Metal& m);
// A sunken window with an inner shadow along its top and a light lip at the bottom.
void DrawWell(QPainter& p, const QRectF& r, qreal radius, const QColor& fill, const QColor& rim);
// A sunken window under glass: the well plus a soft reflection over its upper half.
void DrawGlass(QPainter& p, const QRectF& r, qreal radius, const QColor& fill, const QColor& rim);
// Text stamped in metal: dark cut below, metal face, a thin highlight above.
void DrawEngraved(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
                  const Metal& m, Qt::Alignment align = Qt::AlignCenter);
// A metal hairline with a shadow under it.
void DrawRule(QPainter& p, const QPointF& a, const QPointF& b, const Metal& m);
// A soft shadow of a rounded rectangle, `blur` pixels wide.
void DrawSoftShadow(QPainter& p, const QRectF& r, qreal radius, int blur, int alpha);
// Darkens the corners and edges of `r`.
void DrawVignette(QPainter& p, const QRectF& r, qreal strength);
// Adds fine luminance noise so that flat fills read as a material.
void AddGrain(QImage& img, const Noise& noise, int amount);
// A box blur (three passes, close to a Gaussian) of a premultiplied ARGB picture.
QImage Blurred(const QImage& src, int radius);
// Draws `text` as a coloured glow of the given radius (used under bright lettering).
void DrawGlow(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
              const QColor& colour, int radius, Qt::Alignment align = Qt::AlignCenter);

// Fonts that exist on every build machine: the DejaVu and Liberation families.
QFont SansFont(qreal px, int weight = QFont::Bold, qreal spacing = 0.0);
QFont SerifFont(qreal px, int weight = QFont::Bold, qreal spacing = 0.0);

}  // namespace orvane
