#include "view/SpongeEffect.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace orvane {

namespace {

// Fixed pseudo-random lattice values, so the blotches stay put from one strength to the next
// and the picture seems to come into focus rather than flicker.
float LatticeValue(int x, int y, std::uint32_t seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8da6b343u ^
                      static_cast<std::uint32_t>(y) * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return static_cast<float>(h & 0xFFFFu) / 65535.0f;
}

float Smooth(float t) {
    return t * t * (3.0f - 2.0f * t);
}

// Value noise in [0, 1] with blobs about `cell` pixels across.
float Noise(float x, float y, float cell, std::uint32_t seed) {
    const float gx = x / cell;
    const float gy = y / cell;
    const int ix = static_cast<int>(std::floor(gx));
    const int iy = static_cast<int>(std::floor(gy));
    const float fx = Smooth(gx - static_cast<float>(ix));
    const float fy = Smooth(gy - static_cast<float>(iy));
    const float top = LatticeValue(ix, iy, seed) * (1 - fx) + LatticeValue(ix + 1, iy, seed) * fx;
    const float bottom =
        LatticeValue(ix, iy + 1, seed) * (1 - fx) + LatticeValue(ix + 1, iy + 1, seed) * fx;
    return top * (1 - fy) + bottom * fy;
}

struct Pixel {
    float a, r, g, b;
};

// Premultiplied channels as floats: blurring and blending premultiplied values keeps
// transparent edges from turning dark.
class Canvas {
  public:
    Canvas(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w * h)) {}

    Pixel& At(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
    const Pixel& At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }

    int width;
    int height;
    std::vector<Pixel> pixels;
};

Canvas FromImage(const QImage& image) {
    Canvas canvas(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            canvas.At(x, y) = {static_cast<float>(qAlpha(p)), static_cast<float>(qRed(p)),
                               static_cast<float>(qGreen(p)), static_cast<float>(qBlue(p))};
        }
    }
    return canvas;
}

int Channel(float v) {
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}

QImage ToImage(const Canvas& canvas) {
    QImage image(canvas.width, canvas.height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < canvas.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < canvas.width; ++x) {
            const Pixel& p = canvas.At(x, y);
            const int a = Channel(p.a);
            line[x] = qRgba(std::min(Channel(p.r), a), std::min(Channel(p.g), a),
                            std::min(Channel(p.b), a), a);
        }
    }
    return image;
}

// Pulls every pixel from a spot nearby, so the picture looks dabbed on in patches.
Canvas Smear(const Canvas& source, float amplitude, float cell) {
    Canvas out(source.width, source.height);
    for (int y = 0; y < source.height; ++y) {
        for (int x = 0; x < source.width; ++x) {
            const auto fx = static_cast<float>(x);
            const auto fy = static_cast<float>(y);
            const float dx = (Noise(fx, fy, cell, 11) - 0.5f) * 2 * amplitude;
            const float dy = (Noise(fx, fy, cell, 23) - 0.5f) * 2 * amplitude;
            const int sx = std::clamp(static_cast<int>(std::lround(fx + dx)), 0, source.width - 1);
            const int sy = std::clamp(static_cast<int>(std::lround(fy + dy)), 0, source.height - 1);
            out.At(x, y) = source.At(sx, sy);
        }
    }
    return out;
}

// One pass of a box blur along x (horizontal) or y, edges clamped.
Canvas BoxBlur(const Canvas& source, int radius, bool horizontal) {
    Canvas out(source.width, source.height);
    const int span = 2 * radius + 1;
    for (int y = 0; y < source.height; ++y) {
        for (int x = 0; x < source.width; ++x) {
            Pixel sum{0, 0, 0, 0};
            for (int k = -radius; k <= radius; ++k) {
                const int sx = horizontal ? std::clamp(x + k, 0, source.width - 1) : x;
                const int sy = horizontal ? y : std::clamp(y + k, 0, source.height - 1);
                const Pixel& p = source.At(sx, sy);
                sum = {sum.a + p.a, sum.r + p.r, sum.g + p.g, sum.b + p.b};
            }
            const auto n = static_cast<float>(span);
            out.At(x, y) = {sum.a / n, sum.r / n, sum.g / n, sum.b / n};
        }
    }
    return out;
}

float Posterise(float value, float alpha, float levels) {
    if (alpha <= 0) {
        return 0;
    }
    const float unit = value / alpha;  // straight colour in [0, 1]
    return std::round(unit * (levels - 1)) / (levels - 1) * alpha;
}

}  // namespace

QImage SpongeEffect(const QImage& source, int strength) {
    if (source.isNull() || strength <= 0) {
        return source;
    }
    const int s = std::min(strength, SpongeMaxStrength);
    const auto dpr = static_cast<float>(source.devicePixelRatio());
    const float t = static_cast<float>(s) / SpongeMaxStrength;

    const QImage premultiplied = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const Canvas original = FromImage(premultiplied);

    Canvas work = Smear(original, 2.2f * static_cast<float>(s) * dpr, 7.0f * dpr);
    const int radius =
        std::max(1, static_cast<int>(std::lround(0.8f * static_cast<float>(s) * dpr)));
    work = BoxBlur(BoxBlur(work, radius, true), radius, false);

    // Few colour levels at full strength, more as the picture sharpens.
    static constexpr std::array<float, SpongeMaxStrength + 1> levels{256, 16, 11, 8, 6, 5};
    const float poreCell = 5.0f * dpr;
    for (int y = 0; y < work.height; ++y) {
        for (int x = 0; x < work.width; ++x) {
            Pixel& p = work.At(x, y);
            const float level = levels[static_cast<std::size_t>(s)];
            p = {p.a, Posterise(p.r, p.a, level), Posterise(p.g, p.a, level),
                 Posterise(p.b, p.a, level)};
            // Sponge pores: soft dark and light spots over the colour patches.
            const float pore =
                Noise(static_cast<float>(x), static_cast<float>(y), poreCell, 37) - 0.5f;
            const float shade = 1.0f + pore * 0.7f * t;
            p = {p.a, std::min(p.r * shade, p.a), std::min(p.g * shade, p.a),
                 std::min(p.b * shade, p.a)};
            const Pixel& o = original.At(x, y);
            p = {o.a + (p.a - o.a) * t, o.r + (p.r - o.r) * t, o.g + (p.g - o.g) * t,
                 o.b + (p.b - o.b) * t};
        }
    }
    QImage result = ToImage(work);
    result.setDevicePixelRatio(source.devicePixelRatio());
    return result;
}

SpongeGraphicsEffect::SpongeGraphicsEffect(QObject* parent) : QGraphicsEffect(parent) {}

void SpongeGraphicsEffect::SetStrength(int value) {
    const int clamped = std::clamp(value, 0, SpongeMaxStrength);
    if (clamped == strength_) {
        return;
    }
    strength_ = clamped;
    update();
}

void SpongeGraphicsEffect::sourceChanged(ChangeFlags) {
    cachedStrength_ = -1;
}

void SpongeGraphicsEffect::draw(QPainter* painter) {
    if (strength_ == 0) {
        drawSource(painter);
        return;
    }
    QPoint offset;
    const QPixmap pixmap = sourcePixmap(Qt::LogicalCoordinates, &offset, NoPad);
    if (pixmap.isNull()) {
        return;
    }
    // The source repaints on every frame of the window; filter only when it or the
    // strength changed.
    if (pixmap.cacheKey() != cachedKey_ || strength_ != cachedStrength_) {
        cached_ = SpongeEffect(pixmap.toImage(), strength_);
        cachedKey_ = pixmap.cacheKey();
        cachedStrength_ = strength_;
    }
    painter->drawImage(offset, cached_);
}

}  // namespace orvane
