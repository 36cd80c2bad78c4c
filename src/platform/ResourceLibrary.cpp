#include "platform/ResourceLibrary.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QResource>
#include <map>
#include <memory>
#include <set>
#include <utility>

#include "platform/BitmapFileHeader.h"
#include "platform/PictureBounds.h"
#include "platform/ResourceBundleCheck.h"
#include "platform/ResourceLog.h"

namespace orvane {

namespace {

constexpr qreal DoubleResolution = 2.0;
// The largest picture a library holds is a card; a bonus picture is smaller.
constexpr QSize LibraryPictureSize(140, 208);

// The whole file, checked, or an empty array. The library is registered from this very
// buffer, so what was checked is what Qt reads, whatever happens to the file afterwards.
// The size is checked before a byte is read: the library stays in memory for the run.
QByteArray ReadBundle(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    if (file.size() > MaxBundleFileSize) {
        qCWarning(lcResources) << "picture library refused:" << path << "holds" << file.size()
                               << "bytes, more than the" << MaxBundleFileSize << "allowed";
        return {};
    }
    QByteArray bytes = file.readAll();
    return IsWholeResourceBundle(bytes) ? bytes : QByteArray();
}

QString DoubleResolutionName(const QString& name) {
    return name + QStringLiteral("@2x");
}

// Entry names are plain words. A slash would let a name walk out of its own library into
// another one, or into the program's compiled-in resources.
bool IsPlainName(const QString& name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

// Libraries live as long as the program; a missing file is not remembered, so a library
// that appears later (copied in while the game runs) is picked up at the next load.
class LibraryRegistry {
  public:
    static LibraryRegistry& Instance() {
        static LibraryRegistry registry;
        return registry;
    }

    std::map<QString, std::unique_ptr<const ResourceLibrary>>& Libraries() { return libraries; }
    QString NextMapRoot() { return QStringLiteral("/orvane-library-%1").arg(++counter); }
    // Cards ask for their library on every repaint: say once that it is missing.
    bool FirstMiss(const QString& path) { return missing.insert(path).second; }

  private:
    std::map<QString, std::unique_ptr<const ResourceLibrary>> libraries;
    std::set<QString> missing;
    int counter = 0;
};

}  // namespace

ResourceLibrary::ResourceLibrary(QString path, QByteArray bytes)
    : filePath(std::move(path)), bundle(std::move(bytes)) {
    if (bundle.isEmpty()) {
        return;
    }
    const QString root = LibraryRegistry::Instance().NextMapRoot();
    if (QResource::registerResource(reinterpret_cast<const uchar*>(bundle.constData()), root)) {
        mapRoot = root;
    }
}

const ResourceLibrary& ResourceLibrary::Load(const QString& fileName) {
    return Load(fileName, QCoreApplication::applicationDirPath());
}

const ResourceLibrary& ResourceLibrary::Load(const QString& fileName, const QString& folder) {
    static const ResourceLibrary none{QString(), QByteArray()};
    if (fileName.isEmpty()) {
        if (LibraryRegistry::Instance().FirstMiss(QString())) {
            qCWarning(lcResources) << "no picture library named";
        }
        return none;
    }
    const QFileInfo info(QDir(folder), fileName);
    const QString path = info.absoluteFilePath();
    auto& libraries = LibraryRegistry::Instance().Libraries();
    if (const auto found = libraries.find(path); found != libraries.end()) {
        return *found->second;
    }
    if (!info.isFile()) {
        if (LibraryRegistry::Instance().FirstMiss(path)) {
            qCWarning(lcResources) << "picture library not found:" << path;
        }
        return none;
    }
    // A damaged file is remembered like a good one: it stays what it is for the run.
    auto library =
        std::unique_ptr<const ResourceLibrary>(new ResourceLibrary(path, ReadBundle(path)));
    if (!library->IsLoaded()) {
        qCWarning(lcResources) << "picture library is damaged and has no pictures:" << path;
    }
    return *libraries.emplace(path, std::move(library)).first->second;
}

QByteArray ResourceLibrary::EntryBytes(const QString& resourceName) const {
    if (!IsLoaded() || !IsPlainName(resourceName)) {
        return {};
    }
    const QResource entry(QStringLiteral(":%1/%2").arg(mapRoot, resourceName));
    if (!entry.isValid()) {
        return {};
    }
    return entry.uncompressedData();  // empty for a folder
}

QImage ResourceLibrary::Picture(const QString& resourceName, qreal devicePixelRatio) const {
    if (!IsLoaded()) {
        return {};  // reported when the library was loaded
    }
    if (devicePixelRatio > 1.0) {
        const QString sharpName = DoubleResolutionName(resourceName);
        const QByteArray sharp = EntryBytes(sharpName);
        if (!sharp.isEmpty()) {
            QImage image = Decode(sharpName, sharp, DoubleResolution);
            if (!image.isNull()) {
                image.setDevicePixelRatio(DoubleResolution);
                return image;
            }
        }
    }
    const QByteArray bytes = EntryBytes(resourceName);
    if (bytes.isEmpty()) {
        qCWarning(lcResources) << "no picture" << resourceName << "in" << filePath;
        return {};
    }
    return Decode(resourceName, bytes, 1);
}

QImage ResourceLibrary::Decode(const QString& resourceName, const QByteArray& dib,
                               qreal scale) const {
    QByteArray file = BitmapFileFromDib(dib);
    QBuffer buffer(&file);
    QImageReader reader(&buffer, "BMP");
    const QString what = QStringLiteral("picture %1 in %2").arg(resourceName, filePath);
    const QImage image =
        file.isEmpty() ? QImage() : ReadPictureWithin(reader, LibraryPictureSize * scale, what);
    if (image.isNull()) {
        qCWarning(lcResources) << "picture" << resourceName << "in" << filePath << "is damaged";
    }
    return image;
}

QImage LibraryPicture(const QString& libraryFile, const QString& resourceName,
                      qreal devicePixelRatio) {
    return ResourceLibrary::Load(libraryFile).Picture(resourceName, devicePixelRatio);
}

}  // namespace orvane
