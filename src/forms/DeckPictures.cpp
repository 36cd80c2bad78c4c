#include "DeckPictures.h"

#include <utility>

#include "settings/CardLibraryCatalog.h"

namespace orvane {
namespace {

QString Text(std::string_view s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

// The plain library of a four-colour one; empty for any other file.
QString PlainTwinOf(const QString& file) {
    for (const CardLibraryRecord& library : CardLibraries()) {
        if (file == Text(library.FourColourFile)) {
            return Text(library.LibraryFile);
        }
    }
    return {};
}

}  // namespace

CardPictureSource WithPlainDeckFallback(CardPictureSource source) {
    if (!source) {
        return source;
    }
    return [source = std::move(source)](const QString& file, const QString& name, qreal dpr) {
        QImage picture = source(file, name, dpr);
        if (picture.isNull()) {
            const QString plain = PlainTwinOf(file);
            if (!plain.isEmpty()) {
                picture = source(plain, name, dpr);
            }
        }
        return picture;
    };
}

}  // namespace orvane
