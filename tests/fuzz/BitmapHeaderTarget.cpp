#include <QByteArray>
#include <QImage>

#include "Targets.h"
#include "formats/LittleEndian.h"
#include "platform/BitmapFileHeader.h"

namespace orvane::fuzz {

namespace {

// The side the header rule refuses beyond.
constexpr int MaxSide = 16384;

}  // namespace

void FuzzBitmapHeader(FuzzBytes bytes) {
    const QByteArrayView dib(reinterpret_cast<const char*>(bytes.data()),
                             static_cast<qsizetype>(bytes.size()));
    const QByteArray file = BitmapFileFromDib(dib);
    if (file.isEmpty()) {
        return;
    }
    FuzzCheck(file.size() == BitmapFileHeaderSize + dib.size(), "the header is not 14 bytes");
    FuzzCheck(file.startsWith("BM"), "the header does not start with BM");
    FuzzCheck(ReadLittle32(file, 2) == static_cast<std::uint32_t>(file.size()),
              "the file size in the header is wrong");
    FuzzCheck(ReadLittle32(file, 10) <= static_cast<std::uint32_t>(file.size()),
              "the pixels start past the end of the file");
    QImage image;
    if (image.loadFromData(file, "BMP")) {
        FuzzCheck(image.width() <= MaxSide && image.height() <= MaxSide,
                  "a picture larger than the rule allows was decoded");
    }
}

}  // namespace orvane::fuzz
