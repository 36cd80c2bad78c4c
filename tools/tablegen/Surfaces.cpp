#include "Surfaces.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "Noise.h"
#include "TableLayout.h"
#include "Trim.h"

namespace orvane {

namespace {

constexpr int Width = TableLayout::Width;
constexpr int Height = TableLayout::Height;

double Clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}

double SmoothStep(double a, double b, double v) {
    const double t = Clamp01((v - a) / (b - a));
    return t * t * (3.0 - 2.0 * t);
}

QRgb MixRgb(const QColor& a, const QColor& b, double t, double gain) {
    t = Clamp01(t);
    auto ch = [&](int ca, int cb) {
        return std::clamp(static_cast<int>(std::lround((ca + (cb - ca) * t) * gain)), 0, 255);
    };
    return qRgb(ch(a.red(), b.red()), ch(a.green(), b.green()), ch(a.blue(), b.blue()));
}

QImage Blank() {
    QImage img(Width, Height, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::black);
    return img;
}

// A faint repeating diamond lattice, like the weave of a damask cloth.
void DrawDamask(QPainter& p, const QColor& colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const int step = 34;
    for (int y = -step; y < Height + step; y += step) {
        for (int x = -step; x < Width + step; x += step) {
            const double cx = x + ((y / step) % 2 == 0 ? 0 : step / 2.0);
            QPainterPath d;
            d.moveTo(cx, y - 6);
            d.lineTo(cx + 4, y);
            d.lineTo(cx, y + 6);
            d.lineTo(cx - 4, y);
            d.closeSubpath();
            p.fillPath(d, colour);
        }
    }
    p.restore();
}

}  // namespace

QImage PaintFelt(const ThemeStyle& style) {
    QImage img = Blank();
    const Noise noise(style.Seed);
    const double cx = Width * 0.5;
    const double cy = Height * 0.56;
    const double reach = std::hypot(cx, cy);
    for (int y = 0; y < Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < Width; ++x) {
            const double d = std::hypot((x - cx) * 0.85, y - cy) / reach;
            const double light = 1.0 - SmoothStep(0.05, 1.0, d);
            const double mottle = noise.Fbm(x / 70.0, y / 70.0, 4) - 0.5;
            // Felt fibres run roughly one way: stretch a fine noise along x.
            const double fibre = noise.Value(x / 1.6, y / 5.0) - 0.5;
            const double gain = 1.0 + mottle * 0.22 + fibre * 0.10;
            line[x] = MixRgb(style.FeltEdge, style.FeltCentre, light, gain);
        }
    }
    QPainter p(&img);
    DrawDamask(p, QColor(0, 0, 0, 26));
    return img;
}

QImage PaintModern(const ThemeStyle& style) {
    QImage img = Blank();
    const Noise noise(style.Seed);
    for (int y = 0; y < Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < Width; ++x) {
            const double diag = (x * 0.6 + y) / (Width * 0.6 + Height);
            const double swirl = noise.Fbm(x / 180.0, y / 120.0, 3) - 0.5;
            line[x] = MixRgb(style.FeltCentre, style.FeltEdge, diag * 0.9 + swirl * 0.5, 1.0);
        }
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Coloured blooms, as if the cabinet were lit from inside.
    auto bloom = [&](QPointF c, qreal r, QColor col) {
        QRadialGradient g(c, r);
        g.setColorAt(0.0, col);
        col.setAlpha(0);
        g.setColorAt(1.0, col);
        p.setCompositionMode(QPainter::CompositionMode_Plus);
        p.fillRect(img.rect(), g);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    };
    bloom(QPointF(380, 340), 360, QColor(70, 30, 140, 120));
    bloom(QPointF(90, 470), 260, QColor(0, 90, 140, 90));
    bloom(QPointF(700, 40), 240, QColor(120, 20, 120, 90));
    // Sleek diagonal light streaks.
    for (int i = 0; i < 9; ++i) {
        const qreal x0 = -200 + i * 120 + (i % 3) * 23;
        QPainterPath band;
        band.moveTo(x0, Height);
        band.lineTo(x0 + 40, Height);
        band.lineTo(x0 + 40 + 330, 0);
        band.lineTo(x0 + 330, 0);
        band.closeSubpath();
        p.fillPath(band, QColor(190, 170, 255, i % 2 == 0 ? 12 : 7));
    }
    // A fine dot grid gives the surface a machined, technical feel.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 150, 255, 20));
    for (int y = 4; y < Height; y += 8) {
        for (int x = 4 + (y / 8 % 2) * 4; x < Width; x += 8) {
            p.drawEllipse(QPointF(x, y), 0.9, 0.9);
        }
    }
    return img;
}

QImage PaintWood(const ThemeStyle& style) {
    QImage img = Blank();
    const Noise noise(style.Seed);
    const Noise figure(style.Seed + 7);
    const QColor dark(70, 30, 10);
    const QColor light(176, 100, 46);
    const int plank = 50;
    for (int y = 0; y < Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const int row = y / plank;
        const double v = y - row * plank;
        for (int x = 0; x < Width; ++x) {
            // Planks are laid with staggered joints; each plank is cut from its own log.
            const int shift = (row * 277) % 400;
            const int piece = (x + shift) / 400;
            const double u = x + shift + row * 1000.0 + piece * 333.0;
            const double warp = figure.Fbm(u / 260.0, (v + row * 90) / 40.0, 4) * 9.0;
            const double rings = (v + row * 17) * 0.23 + warp;
            const double ring = std::fabs(std::sin(rings * std::numbers::pi));
            const double band = std::pow(ring, 0.6);
            const double fibre = noise.Value(u / 30.0, y * 1.6) - 0.5;
            const double pores = noise.White(x, y) > 0.93 ? -0.12 : 0.0;
            const double tone = 0.15 + 0.8 * band + fibre * 0.3 + pores +
                                (noise.Value(piece * 3.1 + row, 0.5) - 0.5) * 0.35;
            double gain = 1.0;
            // Chamfered plank edges: a shade at the seam and a highlight just below it.
            if (v < 1.0 || (x + shift) % 400 == 0) {
                gain = 0.35;
            } else if (v < 2.0) {
                gain = 1.25;
            } else if (v > plank - 2) {
                gain = 0.75;
            }
            line[x] = MixRgb(dark, light, tone, gain);
        }
    }
    QPainter p(&img);
    // A coat of varnish: broad highlight across the top, warmer glow in the middle.
    QLinearGradient varnish(0, 0, 0, Height);
    varnish.setColorAt(0.0, QColor(255, 220, 170, 40));
    varnish.setColorAt(0.35, QColor(255, 200, 140, 0));
    varnish.setColorAt(1.0, QColor(0, 0, 0, 40));
    p.fillRect(img.rect(), varnish);
    return img;
}

namespace {

// Height of a ridge line at x, between `base` and `base - height`.
double Ridge(const Noise& n, double x, double base, double height, double scale) {
    const double r = n.Fbm(x / scale, 0.5, 5, 0.55);
    return base - height * r;
}

}  // namespace

namespace {

constexpr double WaterLine = 372.0;

void PaintSky(QImage& img, const Noise& cloud, const QPointF& sun) {
    const QColor skyTop(30, 70, 142);
    const QColor skyLow(252, 200, 140);
    for (int y = 0; y < static_cast<int>(WaterLine); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const double t = std::pow(SmoothStep(0.0, WaterLine, y), 1.8);
        const QColor base = QColor::fromRgb(MixRgb(skyTop, skyLow, t, 1.0));
        for (int x = 0; x < Width; ++x) {
            const double ds = std::hypot(x - sun.x(), (y - sun.y()) * 1.4);
            const double glow = std::exp(-ds / 110.0) + (ds < 11.0 ? 1.0 : 0.0);
            const double c = SmoothStep(0.55, 0.8, cloud.Fbm(x / 170.0, y / 38.0, 5));
            const double cl = 0.8 * c * (1.0 - t * 0.5);
            // Clouds near the sun are lit from below.
            const double warm = std::exp(-ds / 200.0);
            double r = base.red() + 255 * glow * 0.8;
            double g = base.green() + 210 * glow * 0.65;
            double b = base.blue() + 140 * glow * 0.4;
            r = r * (1 - cl) + (230 + 25 * warm) * cl;
            g = g * (1 - cl) + (225 - 30 * warm) * cl;
            b = b * (1 - cl) + (235 - 80 * warm) * cl;
            line[x] = qRgb(std::clamp(static_cast<int>(r), 0, 255),
                           std::clamp(static_cast<int>(g), 0, 255),
                           std::clamp(static_cast<int>(b), 0, 255));
        }
    }
}

void PaintRange(QPainter& p, const Noise& n, double height, double scale, const QColor& top,
                const QColor& bottom) {
    QPainterPath path;
    path.moveTo(0, WaterLine);
    for (int x = 0; x <= Width; x += 2) {
        path.lineTo(x, Ridge(n, x, WaterLine, height, scale));
    }
    path.lineTo(Width, WaterLine);
    path.closeSubpath();
    QLinearGradient g(0, WaterLine - height, 0, WaterLine);
    g.setColorAt(0.0, top);
    g.setColorAt(1.0, bottom);
    p.fillPath(path, g);
}

void PaintTrees(QPainter& p, const Noise& n, const Noise& hills) {
    for (int i = 0; i < 60; ++i) {
        const double x = 4 + i * 12.7 + n.White(i, 3) * 5;
        const double top = Ridge(hills, x, WaterLine, 60, 90);
        const double h = 14 + 14 * (n.White(i, 9) * 0.5 + 0.5);
        QPainterPath tree;
        tree.moveTo(x, top - h);
        tree.lineTo(x + h * 0.26, top + 6);
        tree.lineTo(x - h * 0.26, top + 6);
        tree.closeSubpath();
        p.fillPath(tree, QColor(16, 40, 28));
    }
}

// The lake mirrors everything above the water line, broken up by ripples.
void PaintReflection(QImage& img, const Noise& n) {
    const QImage scene = img.copy();
    for (int y = static_cast<int>(WaterLine); y < Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const double depth = (y - WaterLine) / (Height - WaterLine);
        for (int x = 0; x < Width; ++x) {
            const double wave = n.Value(x / 55.0, y / 1.8) - 0.5;
            const int sx =
                std::clamp(static_cast<int>(x + wave * 6 * (1 + depth * 3)), 0, Width - 1);
            const int sy = std::clamp(static_cast<int>(2 * WaterLine - y + wave * 5), 0,
                                      static_cast<int>(WaterLine) - 1);
            const QRgb c = reinterpret_cast<const QRgb*>(scene.constScanLine(sy))[sx];
            const double dim = 0.72 - depth * 0.25;
            const double glint = wave > 0.32 ? 0.18 : 0.0;
            line[x] = qRgb(std::clamp(static_cast<int>(qRed(c) * dim + 255 * glint), 0, 255),
                           std::clamp(static_cast<int>(qGreen(c) * dim + 250 * glint + 6), 0, 255),
                           std::clamp(static_cast<int>(qBlue(c) * dim + 230 * glint + 16), 0, 255));
        }
    }
}

}  // namespace

QImage PaintNature(const ThemeStyle& style) {
    QImage img = Blank();
    const Noise noise(style.Seed);
    const Noise far(style.Seed + 1);
    const Noise near(style.Seed + 2);
    const Noise cloud(style.Seed + 3);
    const QPointF sun(470, 286);
    PaintSky(img, cloud, sun);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        PaintRange(p, far, 130, 150, QColor(104, 108, 158), QColor(176, 150, 160));
        PaintRange(p, near, 60, 90, QColor(46, 92, 60), QColor(26, 58, 40));
        PaintTrees(p, noise, near);
        // A pale strip of shore where the hills meet the water.
        p.fillRect(QRectF(0, WaterLine - 1, Width, 1.5), QColor(200, 190, 150, 120));
    }
    PaintReflection(img, noise);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Reeds and meadow in the foreground, along the bottom edge below the cards.
    QPainterPath meadow;
    meadow.moveTo(0, Height);
    for (int x = 0; x <= Width; x += 3) {
        meadow.lineTo(x, 458 - 16 * noise.Fbm(x / 110.0, 4.0, 3));
    }
    meadow.lineTo(Width, Height);
    meadow.closeSubpath();
    QLinearGradient mg(0, 440, 0, Height);
    mg.setColorAt(0.0, QColor(84, 124, 52));
    mg.setColorAt(1.0, QColor(22, 44, 18));
    p.fillPath(meadow, mg);
    p.setPen(QPen(QColor(30, 60, 24, 200), 1.2));
    for (int i = 0; i < 140; ++i) {
        const double x = i * 5.4 + noise.White(i, 1) * 3;
        const double base = 470 + noise.White(i, 2) * 6;
        const double h = 10 + 10 * (noise.White(i, 4) * 0.5 + 0.5);
        p.drawLine(QPointF(x, base), QPointF(x + noise.White(i, 5) * 4, base - h));
    }
    return img;
}

QImage PaintSurface(const ThemeStyle& style) {
    switch (style.Surface) {
        case SurfaceKind::Modern:
            return PaintModern(style);
        case SurfaceKind::Wood:
            return PaintWood(style);
        case SurfaceKind::Nature:
            return PaintNature(style);
        case SurfaceKind::Felt:
            break;
    }
    return PaintFelt(style);
}

}  // namespace orvane
