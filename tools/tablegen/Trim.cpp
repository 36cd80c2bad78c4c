#include "Trim.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

namespace orvane {

namespace {

QPainterPath Rounded(const QRectF& r, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QColor WithAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

// One horizontal or vertical box-blur pass over 4-channel premultiplied pixels.
void BoxPass(std::vector<int>& dst, const std::vector<int>& src, int w, int h, int radius,
             bool horizontal) {
    const int len = horizontal ? w : h;
    const int lines = horizontal ? h : w;
    const int window = 2 * radius + 1;
    for (int line = 0; line < lines; ++line) {
        for (int c = 0; c < 4; ++c) {
            auto at = [&](int i) {
                i = std::clamp(i, 0, len - 1);
                const int x = horizontal ? i : line;
                const int y = horizontal ? line : i;
                return (y * w + x) * 4 + c;
            };
            int sum = 0;
            for (int i = -radius; i <= radius; ++i) {
                sum += src[static_cast<std::size_t>(at(i))];
            }
            for (int i = 0; i < len; ++i) {
                // Rounded, not truncated: six passes of truncation would eat faint glows.
                dst[static_cast<std::size_t>(at(i))] = (sum + window / 2) / window;
                sum += src[static_cast<std::size_t>(at(i + radius + 1))] -
                       src[static_cast<std::size_t>(at(i - radius))];
            }
        }
    }
}

}  // namespace

QLinearGradient MetalGradient(const QRectF& r, const Metal& m) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, m.Light);
    g.setColorAt(0.22, m.Mid);
    g.setColorAt(0.48, m.Light.darker(104));
    g.setColorAt(0.55, m.Mid);
    g.setColorAt(0.85, m.Dark);
    g.setColorAt(1.0, m.Mid.darker(130));
    return g;
}

void DrawBezel(QPainter& p, const QRectF& outer, qreal width, qreal radius, const Metal& m) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF inner = outer.adjusted(width, width, -width, -width);
    const qreal innerRadius = std::max<qreal>(radius - width, 1.0);
    const QPainterPath ring = Rounded(outer, radius) - Rounded(inner, innerRadius);
    p.fillPath(ring, MetalGradient(outer, m));
    // A lit upper lip and a shaded lower lip make the ring read as a rounded moulding.
    QLinearGradient sheen(outer.topLeft(), outer.bottomLeft());
    sheen.setColorAt(0.0, QColor(255, 255, 255, 70));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
    sheen.setColorAt(1.0, QColor(0, 0, 0, 60));
    p.fillPath(ring, sheen);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(WithAlpha(m.Dark.darker(160), 230), 1.0));
    p.drawRoundedRect(outer.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    p.setPen(QPen(WithAlpha(m.Dark.darker(200), 220), 1.0));
    p.drawRoundedRect(inner.adjusted(-0.5, -0.5, 0.5, 0.5), innerRadius, innerRadius);
    p.setPen(QPen(WithAlpha(m.Light, 150), 1.0));
    p.drawRoundedRect(outer.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1, radius - 1);
    p.restore();
}

void DrawWell(QPainter& p, const QRectF& r, qreal radius, const QColor& fill, const QColor& rim) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath path = Rounded(r, radius);
    QLinearGradient body(r.topLeft(), r.bottomLeft());
    body.setColorAt(0.0, fill.darker(125));
    body.setColorAt(0.4, fill);
    body.setColorAt(1.0, fill.lighter(112));
    p.fillPath(path, body);
    p.setClipPath(path);
    // Inner shadow: the rim casts a band of shade into the window from above.
    for (int i = 0; i < 5; ++i) {
        p.setPen(QPen(QColor(0, 0, 0, 90 - 17 * i), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(0.5 + i, 0.5 + i, -0.5 - i, 4.0), radius, radius);
    }
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(WithAlpha(rim, 230), 1.0));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    // The lip below catches the light.
    p.setPen(QPen(QColor(255, 255, 255, 70), 1.0));
    p.drawLine(QPointF(r.left() + radius, r.bottom() + 0.5),
               QPointF(r.right() - radius, r.bottom() + 0.5));
    p.restore();
}

void DrawGlass(QPainter& p, const QRectF& r, qreal radius, const QColor& fill, const QColor& rim) {
    DrawWell(p, r, radius, fill, rim);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF shine = r.adjusted(2, 2, -2, -r.height() * 0.52);
    QLinearGradient g(shine.topLeft(), shine.bottomLeft());
    const int top = fill.lightness() > 160 ? 120 : 52;
    g.setColorAt(0.0, QColor(255, 255, 255, top));
    g.setColorAt(1.0, QColor(255, 255, 255, top / 6));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(shine, std::max<qreal>(radius - 2, 1), std::max<qreal>(radius - 2, 1));
    p.restore();
}

void DrawEngraved(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
                  const Metal& m, Qt::Alignment align) {
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    p.setPen(WithAlpha(m.Dark.darker(250), 210));
    p.drawText(r.translated(0, 1.2), static_cast<int>(align), text);
    p.setPen(WithAlpha(m.Light, 120));
    p.drawText(r.translated(0, -0.7), static_cast<int>(align), text);
    // The face: the glyphs drawn into a layer, then filled with the metal gradient.
    const QRect area = r.toAlignedRect();
    const qreal scale = p.device()->devicePixelRatioF();
    QImage layer(area.size() * scale, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::TextAntialiasing);
        lp.scale(scale, scale);
        lp.translate(-area.topLeft());
        lp.setFont(font);
        lp.setPen(Qt::white);
        lp.drawText(r, static_cast<int>(align), text);
        lp.setCompositionMode(QPainter::CompositionMode_SourceIn);
        const QFontMetricsF fm(font);
        const QRectF box = fm.boundingRect(r, static_cast<int>(align), text);
        lp.fillRect(r, MetalGradient(box, m));
    }
    layer.setDevicePixelRatio(scale);
    p.drawImage(area.topLeft(), layer);
    p.restore();
}

void DrawRule(QPainter& p, const QPointF& a, const QPointF& b, const Metal& m) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 0, 120), 1.0));
    p.drawLine(a + QPointF(0, 1.5), b + QPointF(0, 1.5));
    QLinearGradient g(a, b);
    g.setColorAt(0.0, WithAlpha(m.Mid, 0));
    g.setColorAt(0.15, m.Mid);
    g.setColorAt(0.5, m.Light);
    g.setColorAt(0.85, m.Mid);
    g.setColorAt(1.0, WithAlpha(m.Mid, 0));
    p.setPen(QPen(QBrush(g), 1.2));
    p.drawLine(a + QPointF(0, 0.5), b + QPointF(0, 0.5));
    p.restore();
}

void DrawSoftShadow(QPainter& p, const QRectF& r, qreal radius, int blur, int alpha) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const int steps = std::max(blur, 1);
    for (int i = steps; i >= 1; --i) {
        const qreal grow = i;
        const int a = alpha / steps;
        p.setBrush(QColor(0, 0, 0, a));
        p.drawRoundedRect(r.adjusted(-grow, -grow, grow, grow), radius + grow, radius + grow);
    }
    p.restore();
}

void DrawVignette(QPainter& p, const QRectF& r, qreal strength) {
    p.save();
    const qreal radius = std::hypot(r.width(), r.height()) * 0.62;
    QRadialGradient g(r.center(), radius);
    g.setColorAt(0.0, QColor(0, 0, 0, 0));
    g.setColorAt(0.55, QColor(0, 0, 0, 0));
    g.setColorAt(1.0, QColor(0, 0, 0, static_cast<int>(255 * std::clamp(strength, 0.0, 1.0))));
    p.fillRect(r, g);
    p.restore();
}

void AddGrain(QImage& img, const Noise& noise, int amount) {
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int d = static_cast<int>(std::lround(noise.White(x, y) * amount));
            const QRgb c = line[x];
            line[x] = qRgba(std::clamp(qRed(c) + d, 0, 255), std::clamp(qGreen(c) + d, 0, 255),
                            std::clamp(qBlue(c) + d, 0, 255), qAlpha(c));
        }
    }
}

QImage Blurred(const QImage& src, int radius) {
    const QImage in = src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = in.width();
    const int h = in.height();
    std::vector<int> a(static_cast<std::size_t>(w * h * 4));
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(in.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const std::size_t i = static_cast<std::size_t>((y * w + x) * 4);
            a[i] = qRed(line[x]);
            a[i + 1] = qGreen(line[x]);
            a[i + 2] = qBlue(line[x]);
            a[i + 3] = qAlpha(line[x]);
        }
    }
    std::vector<int> b(a.size());
    for (int pass = 0; pass < 3; ++pass) {
        BoxPass(b, a, w, h, radius, true);
        BoxPass(a, b, w, h, radius, false);
    }
    QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const std::size_t i = static_cast<std::size_t>((y * w + x) * 4);
            const int alpha = std::clamp(a[i + 3], 0, 255);
            line[x] = qRgba(std::min(a[i], alpha), std::min(a[i + 1], alpha),
                            std::min(a[i + 2], alpha), alpha);
        }
    }
    return out;
}

void DrawGlow(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
              const QColor& colour, int radius, Qt::Alignment align) {
    const QRect area = r.toAlignedRect().adjusted(-3 * radius, -3 * radius, 3 * radius, 3 * radius);
    const qreal scale = p.device()->devicePixelRatioF();
    QImage layer(area.size() * scale, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing);
        lp.setRenderHint(QPainter::TextAntialiasing);
        lp.scale(scale, scale);
        lp.translate(-area.topLeft());
        lp.setFont(font);
        lp.setPen(colour);
        lp.drawText(r, static_cast<int>(align), text);
    }
    QImage glow = Blurred(layer, std::max(1, static_cast<int>(radius * scale)));
    glow.setDevicePixelRatio(scale);
    p.save();
    p.drawImage(area.topLeft(), glow);
    p.drawImage(area.topLeft(), glow);
    p.restore();
}

QFont SansFont(qreal px, int weight, qreal spacing) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(px))));
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setHintingPreference(QFont::PreferNoHinting);
    if (spacing != 0.0) {
        f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    }
    return f;
}

QFont SerifFont(qreal px, int weight, qreal spacing) {
    QFont f = SansFont(px, weight, spacing);
    f.setFamily(QStringLiteral("DejaVu Serif"));
    return f;
}

}  // namespace orvane
