#include <gtest/gtest.h>

#include <QImage>
#include <QRandomGenerator>
#include <QtEndian>
#include <cstdint>

#include "PictureTestSupport.h"
#include "platform/BitmapFileHeader.h"

namespace orvane {
namespace {

using test::BmpFromQtWriter;
using test::DibFromQtWriter;

std::uint32_t U32At(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<std::uint32_t>(bytes.constData() + at);
}

void PutU32(QByteArray& bytes, qsizetype at, std::uint32_t value) {
    qToLittleEndian(value, bytes.data() + at);
}

// A bitmap with a header of the given size and 32-bit pixels; masks follow or sit inside.
QByteArray HandMadeDib(std::uint32_t headerSize, std::uint32_t compression, int width, int height) {
    QByteArray dib(static_cast<qsizetype>(headerSize), '\0');
    PutU32(dib, 0, headerSize);
    PutU32(dib, 4, static_cast<std::uint32_t>(width));
    PutU32(dib, 8, static_cast<std::uint32_t>(height));
    dib[12] = 1;   // planes
    dib[14] = 32;  // bits per pixel
    PutU32(dib, 16, compression);
    QByteArray masks(16, '\0');
    PutU32(masks, 0, 0x00FF0000);
    PutU32(masks, 4, 0x0000FF00);
    PutU32(masks, 8, 0x000000FF);
    PutU32(masks, 12, 0xFF000000);
    if (headerSize >= 108) {
        dib.replace(40, 16, masks);
    } else if (compression == 3) {
        dib.append(masks.left(12));
    }
    for (int i = 0; i < width * std::abs(height); ++i) {
        dib.append("\x10\x20\xC0\x80", 4);  // B, G, R, A: a half-transparent red
    }
    return dib;
}

// Qt's writer is an independent source of truth: its files carry the header we must rebuild.
TEST(BitmapFileHeader, RebuildsTheHeaderQtWrote) {
    QImage mono(13, 5, QImage::Format_Mono);
    mono.fill(1);
    QImage indexed(7, 3, QImage::Format_Indexed8);
    indexed.setColorCount(256);
    indexed.fill(9);
    QImage fourColours(9, 4, QImage::Format_Indexed8);
    fourColours.setColorTable({qRgb(1, 2, 3), qRgb(4, 5, 6), qRgb(7, 8, 9), qRgb(10, 11, 12)});
    fourColours.fill(2);
    for (const QImage& image : {test::QuadrantPicture(5, 3), test::QuadrantPicture(140, 208), mono,
                                indexed, fourColours}) {
        const QByteArray file = BmpFromQtWriter(image);
        ASSERT_GT(file.size(), 14);
        EXPECT_EQ(BitmapFileHeader(file.mid(14)), file.left(14))
            << "depth " << image.depth() << ", " << image.width() << " x " << image.height();
    }
}

TEST(BitmapFileHeader, HeaderStartsWithBmAndCountsItself) {
    const QByteArray dib = DibFromQtWriter(test::QuadrantPicture(6, 4));
    const QByteArray header = BitmapFileHeader(dib);
    ASSERT_EQ(header.size(), BitmapFileHeaderSize);
    EXPECT_TRUE(header.startsWith("BM"));
    EXPECT_EQ(U32At(header, 2), static_cast<std::uint32_t>(dib.size() + 14));
    EXPECT_EQ(U32At(header, 6), 0u);
    EXPECT_EQ(U32At(header, 10), 14u + 40u);  // 24-bit: no palette, pixels follow the header
}

TEST(BitmapFileHeader, PixelOffsetSkipsMasksAfterAWindows3Header) {
    const QByteArray dib = HandMadeDib(40, 3, 2, 2);
    EXPECT_EQ(U32At(BitmapFileHeader(dib), 10), 14u + 40u + 12u);
}

TEST(BitmapFileHeader, AlphaBitmapWithV4AndV5HeadersDecodesWithItsAlpha) {
    for (const std::uint32_t headerSize : {108u, 124u}) {
        const QByteArray dib = HandMadeDib(headerSize, 3, 3, -2);  // top-down rows
        const QByteArray file = BitmapFileFromDib(dib);
        ASSERT_EQ(file.size(), dib.size() + 14) << headerSize;
        EXPECT_EQ(U32At(file, 10), 14u + headerSize);
        QImage image;
        ASSERT_TRUE(image.loadFromData(file, "BMP")) << headerSize;
        EXPECT_EQ(image.size(), QSize(3, 2));
        EXPECT_TRUE(image.hasAlphaChannel());
        EXPECT_EQ(image.pixel(2, 1), qRgba(0xC0, 0x20, 0x10, 0x80));
    }
}

TEST(BitmapFileHeader, OldCoreHeaderHasThreeBytePaletteEntries) {
    // 12-byte header, 1 x 1, 8 bits, a full palette of 256 three-byte entries, one padded row.
    QByteArray dib(12, '\0');
    PutU32(dib, 0, 12);
    dib[4] = 1;
    dib[6] = 1;
    dib[8] = 1;
    dib[10] = 8;
    dib.append(QByteArray(256 * 3, '\x33'));
    dib.append(QByteArray(4, '\0'));
    EXPECT_EQ(U32At(BitmapFileHeader(dib), 10), 14u + 12u + 256u * 3u);
}

TEST(BitmapFileHeader, RefusesBytesThatCannotBeABitmap) {
    const QByteArray good = DibFromQtWriter(test::QuadrantPicture(6, 4));
    ASSERT_FALSE(BitmapFileHeader(good).isEmpty());

    auto withU32 = [&](qsizetype at, std::uint32_t value) {
        QByteArray bytes = good;
        PutU32(bytes, at, value);
        return bytes;
    };
    auto withByte = [&](qsizetype at, char value) {
        QByteArray bytes = good;
        bytes[at] = value;
        return bytes;
    };
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"three bytes", good.left(3)},
        {"header only", good.left(40)},
        {"last pixel byte missing", good.chopped(1)},
        {"header size unknown", withU32(0, 41)},
        {"header size zero", withU32(0, 0)},
        {"header larger than the data", withU32(0, 124)},
        {"zero width", withU32(4, 0)},
        {"negative width", withU32(4, 0xFFFFFFFF)},
        {"zero height", withU32(8, 0)},
        {"absurd height", withU32(8, 1u << 30)},
        {"two planes", withByte(12, 2)},
        {"seven bits per pixel", withByte(14, 7)},
        {"JPEG inside", withU32(16, 4)},
        {"run-length with 24 bits", withU32(16, 1)},
        {"palette past the end", withU32(32, 200)},
        {"text", QByteArray("This is not a picture at all, just some words.")},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(BitmapFileHeader(c.bytes).isEmpty()) << c.what;
        EXPECT_TRUE(BitmapFileFromDib(c.bytes).isEmpty()) << c.what;
    }
}

// Whatever the bytes, a header that is produced describes a file that holds its pixels.
TEST(BitmapFileHeader, RandomAndMangledBytesNeverGiveAnInconsistentHeader) {
    QRandomGenerator random(20261209);
    const QByteArray good = DibFromQtWriter(test::QuadrantPicture(9, 7));
    int accepted = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes;
        if (round % 2 == 0) {
            bytes.resize(random.bounded(0, 200));
            for (char& b : bytes) {
                b = static_cast<char>(random.bounded(256));
            }
        } else {
            bytes = good.left(random.bounded(0, static_cast<int>(good.size()) + 1));
            for (int flips = random.bounded(0, 4); flips > 0 && !bytes.isEmpty(); --flips) {
                bytes[random.bounded(static_cast<int>(bytes.size()))] =
                    static_cast<char>(random.bounded(256));
            }
        }
        const QByteArray header = BitmapFileHeader(bytes);
        if (header.isEmpty()) {
            continue;
        }
        ++accepted;
        ASSERT_EQ(header.size(), 14);
        ASSERT_TRUE(header.startsWith("BM"));
        ASSERT_EQ(U32At(header, 2), static_cast<std::uint32_t>(bytes.size() + 14));
        ASSERT_LE(U32At(header, 10), static_cast<std::uint32_t>(bytes.size() + 14));
        QImage image;
        image.loadFromData(header + bytes, "BMP");  // must not crash; any outcome is fine
    }
    EXPECT_GT(accepted, 0);  // some whole copies with harmless flips still pass
}

}  // namespace
}  // namespace orvane
