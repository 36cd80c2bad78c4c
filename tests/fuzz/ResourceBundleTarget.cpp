#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QResource>
#include <QString>
#include <QStringList>

#include "GuardedBytes.h"
#include "Targets.h"
#include "platform/BitmapFileHeader.h"
#include "platform/ResourceBundleCheck.h"

namespace orvane::fuzz {

namespace {

const QString MapRoot = QStringLiteral("/fuzz-library");

// Every picture name the program asks a library for, each also at double resolution.
QStringList PictureNames() {
    QStringList names;
    for (int card = 1; card <= 53; ++card) {
        names << QStringLiteral("CARD_%1").arg(card);
    }
    names << QStringLiteral("CARD_BACK_1");
    for (int rank = 7; rank <= 10; ++rank) {
        names << QStringLiteral("4X%1").arg(rank);
    }
    QStringList withSharp = names;
    for (const QString& name : names) {
        withSharp << name + QStringLiteral("@2x");
    }
    return withSharp;
}

// Looks at an entry the way the library does, down to decoding it as a picture.
void ReadEntry(const QString& path) {
    const QResource entry(path);
    if (!entry.isValid()) {
        return;
    }
    const QByteArray bytes = entry.uncompressedData();
    const QByteArray file = BitmapFileFromDib(bytes);
    if (!file.isEmpty()) {
        QImage image;
        image.loadFromData(file, "BMP");
    }
}

}  // namespace

void FuzzResourceBundle(FuzzBytes bytes) {
    const GuardedBytes bundle(bytes);
    const QByteArrayView view(bundle.Data(), static_cast<qsizetype>(bundle.Size()));
    if (!IsWholeResourceBundle(view)) {
        return;  // the library stays empty
    }
    const auto* data = reinterpret_cast<const uchar*>(bundle.Data());
    if (!QResource::registerResource(data, MapRoot)) {
        return;
    }
    static const QStringList names = PictureNames();
    for (const QString& name : names) {
        ReadEntry(QStringLiteral(":%1/%2").arg(MapRoot, name));
    }
    // Entries under names the program never asks for are read too: a damaged name table
    // must not matter either way.
    const QStringList children = QDir(QStringLiteral(":") + MapRoot).entryList();
    constexpr qsizetype MaxChildren = 64;
    for (qsizetype i = 0; i < children.size() && i < MaxChildren; ++i) {
        ReadEntry(QStringLiteral(":%1/%2").arg(MapRoot, children[i]));
    }
    FuzzCheck(QResource::unregisterResource(data, MapRoot), "the bundle could not be removed");
}

}  // namespace orvane::fuzz
