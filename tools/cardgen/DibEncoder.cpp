#include "DibEncoder.h"

#include <cstdint>

#include "formats/LittleEndian.h"

namespace cardgen {

namespace {

constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t V4HeaderSize = 108;
constexpr std::uint32_t BitFields = 3;
constexpr std::uint32_t PixelsPerMetre = 2835;         // 72 dots per inch
constexpr std::uint32_t ColourSpaceSrgb = 0x73524742;  // 'sRGB'

}  // namespace

QByteArray EncodeDib(const QImage& image, DibDepth depth) {
    const bool alpha = depth == DibDepth::Argb32;
    const QImage source =
        image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB888);
    const auto width = static_cast<std::uint32_t>(source.width());
    const auto height = static_cast<std::uint32_t>(source.height());
    const std::uint32_t bytesPerPixel = alpha ? 4 : 3;
    const std::uint32_t stride = (width * bytesPerPixel + 3) / 4 * 4;

    QByteArray dib;
    dib.reserve(static_cast<qsizetype>(V4HeaderSize + stride * height));
    orvane::AppendLittle32(dib, alpha ? V4HeaderSize : InfoHeaderSize);
    orvane::AppendLittle32(dib, width);
    orvane::AppendLittle32(dib, height);  // positive: rows bottom-up, as Windows stores them
    orvane::AppendLittle16(dib, 1);
    orvane::AppendLittle16(dib, static_cast<std::uint16_t>(bytesPerPixel * 8));
    orvane::AppendLittle32(dib, alpha ? BitFields : 0);
    orvane::AppendLittle32(dib, stride * height);
    orvane::AppendLittle32(dib, PixelsPerMetre);
    orvane::AppendLittle32(dib, PixelsPerMetre);
    orvane::AppendLittle32(dib, 0);  // colours used
    orvane::AppendLittle32(dib, 0);  // important colours
    if (alpha) {
        orvane::AppendLittle32(dib, 0x00FF0000);
        orvane::AppendLittle32(dib, 0x0000FF00);
        orvane::AppendLittle32(dib, 0x000000FF);
        orvane::AppendLittle32(dib, 0xFF000000);
        orvane::AppendLittle32(dib, ColourSpaceSrgb);
        dib.append(36 + 12, '\0');  // colour end points and gamma, unused for sRGB
    }

    const QByteArray padding(static_cast<qsizetype>(stride - width * bytesPerPixel), '\0');
    for (int y = source.height() - 1; y >= 0; --y) {
        const uchar* line = source.constScanLine(y);
        if (alpha) {
            // ARGB32 in memory is B, G, R, A on little-endian machines: what BMP wants.
            for (std::uint32_t x = 0; x < width; ++x) {
                orvane::AppendLittle32(dib, reinterpret_cast<const std::uint32_t*>(line)[x]);
            }
        } else {
            for (std::uint32_t x = 0; x < width; ++x) {
                const uchar* rgb = line + 3 * x;
                const char bgr[3] = {static_cast<char>(rgb[2]), static_cast<char>(rgb[1]),
                                     static_cast<char>(rgb[0])};
                dib.append(bgr, 3);
            }
        }
        dib.append(padding);
    }
    return dib;
}

}  // namespace cardgen
