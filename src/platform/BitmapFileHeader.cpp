#include "platform/BitmapFileHeader.h"

#include <cstdint>
#include <limits>

#include "formats/LittleEndian.h"

namespace orvane {

namespace {

// Header sizes of the bitmap variants Qt's BMP reader understands: the old core header,
// the Windows 3 header, the OS/2 2.x header and the Windows 95 and 98 headers.
constexpr std::uint32_t CoreHeaderSize = 12;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t Os2HeaderSize = 64;
constexpr std::uint32_t V4HeaderSize = 108;
constexpr std::uint32_t V5HeaderSize = 124;

constexpr std::uint32_t CompressionNone = 0;
constexpr std::uint32_t CompressionRle8 = 1;
constexpr std::uint32_t CompressionRle4 = 2;
constexpr std::uint32_t CompressionBitFields = 3;

// Far beyond any picture of this program; keeps a forged header from asking for gigabytes.
constexpr std::int64_t MaxSide = 16384;

struct DibLayout {
    std::uint32_t headerSize = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;  // negative: rows stored top-down
    std::uint32_t planes = 0;
    std::uint32_t bitCount = 0;
    std::uint32_t compression = CompressionNone;
    std::int64_t paletteEntries = 0;
    std::int64_t paletteEntrySize = 4;
    std::int64_t maskBytes = 0;
};

bool ReadLayout(QByteArrayView dib, DibLayout& layout) {
    if (dib.size() < 4) {
        return false;
    }
    layout.headerSize = ReadLittle32(dib, 0);
    const std::uint32_t size = layout.headerSize;
    if (size != CoreHeaderSize && size != InfoHeaderSize && size != Os2HeaderSize &&
        size != V4HeaderSize && size != V5HeaderSize) {
        return false;
    }
    if (dib.size() < static_cast<qsizetype>(size)) {
        return false;
    }
    std::uint32_t colorsUsed = 0;
    if (size == CoreHeaderSize) {
        layout.width = ReadLittle16(dib, 4);
        layout.height = ReadLittle16(dib, 6);
        layout.planes = ReadLittle16(dib, 8);
        layout.bitCount = ReadLittle16(dib, 10);
        layout.paletteEntrySize = 3;
    } else {
        layout.width = static_cast<std::int32_t>(ReadLittle32(dib, 4));
        layout.height = static_cast<std::int32_t>(ReadLittle32(dib, 8));
        layout.planes = ReadLittle16(dib, 12);
        layout.bitCount = ReadLittle16(dib, 14);
        layout.compression = ReadLittle32(dib, 16);
        colorsUsed = ReadLittle32(dib, 32);
        // The Windows 3 header keeps its colour masks after the header, the later ones inside.
        if (size == InfoHeaderSize && layout.compression == CompressionBitFields) {
            layout.maskBytes = 12;
        }
    }
    if (layout.bitCount <= 8) {
        const std::int64_t full = std::int64_t{1} << layout.bitCount;
        layout.paletteEntries = colorsUsed == 0 ? full : colorsUsed;
    } else {
        layout.paletteEntries =
            colorsUsed;  // an optional colour table, e.g. for 256-colour screens
    }
    return true;
}

bool IsShowable(const DibLayout& layout) {
    const std::uint32_t bits = layout.bitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        return false;
    }
    if (layout.planes != 1 || layout.width <= 0 || layout.height == 0 || layout.width > MaxSide ||
        layout.height > MaxSide || layout.height < -MaxSide) {
        return false;
    }
    if (layout.paletteEntries > 256) {
        return false;
    }
    switch (layout.compression) {
        case CompressionNone:
            return true;
        case CompressionRle8:
            return bits == 8 && layout.height > 0;
        case CompressionRle4:
            return bits == 4 && layout.height > 0;
        case CompressionBitFields:
            return bits == 16 || bits == 32;
        default:
            return false;
    }
}

std::int64_t PixelDataOffset(const DibLayout& layout) {
    return layout.headerSize + layout.maskBytes + layout.paletteEntries * layout.paletteEntrySize;
}

// Uncompressed rows are padded to four bytes; compressed data has no size known in advance.
std::int64_t MinimumPixelBytes(const DibLayout& layout) {
    if (layout.compression == CompressionRle8 || layout.compression == CompressionRle4) {
        return 1;
    }
    const std::int64_t stride = (layout.width * layout.bitCount + 31) / 32 * 4;
    const std::int64_t rows = layout.height < 0 ? -layout.height : layout.height;
    return stride * rows;
}

}  // namespace

QByteArray BitmapFileHeader(QByteArrayView dib) {
    DibLayout layout;
    if (!ReadLayout(dib, layout) || !IsShowable(layout)) {
        return {};
    }
    const std::int64_t pixelOffset = PixelDataOffset(layout);
    if (pixelOffset + MinimumPixelBytes(layout) > dib.size()) {
        return {};
    }
    const std::int64_t fileSize = BitmapFileHeaderSize + dib.size();
    if (fileSize > std::numeric_limits<std::uint32_t>::max()) {
        return {};
    }
    QByteArray header;
    header.reserve(BitmapFileHeaderSize);
    header.append("BM", 2);
    AppendLittle32(header, static_cast<std::uint32_t>(fileSize));
    AppendLittle32(header, 0);  // two reserved 16-bit fields
    AppendLittle32(header, static_cast<std::uint32_t>(BitmapFileHeaderSize + pixelOffset));
    return header;
}

QByteArray BitmapFileFromDib(QByteArrayView dib) {
    QByteArray file = BitmapFileHeader(dib);
    if (!file.isEmpty()) {
        file.append(dib.data(), dib.size());
    }
    return file;
}

}  // namespace orvane
