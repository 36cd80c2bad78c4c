#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace orvane {

// A library of pictures beside the program ("zqcsrl_pi.dll", "zqmrl.dll", ...): a Qt binary
// resource bundle whose entries are headerless device-independent bitmaps, one per picture
// name ("CARD_14", "CARD_BACK_1", "4X7"). An entry may have a double-resolution twin under
// the same name followed by "@2x", used on screens with more than one pixel per point.
//
// A library is opened once per file and stays open for the whole run, so a repeated Load of
// the same file hands back the same object. A missing or damaged file gives a library with
// no pictures. User-interface thread only.
class ResourceLibrary {
  public:
    // Opens `fileName` (a bare file name) from the program folder.
    static const ResourceLibrary& Load(const QString& fileName);
    // Opens `fileName` from `folder`; for tests and tools.
    static const ResourceLibrary& Load(const QString& fileName, const QString& folder);

    ResourceLibrary(const ResourceLibrary&) = delete;
    ResourceLibrary& operator=(const ResourceLibrary&) = delete;
    ~ResourceLibrary() = default;

    bool IsLoaded() const { return !mapRoot.isEmpty(); }
    const QString& FilePath() const { return filePath; }

    // The picture `resourceName`, or a null image when the library, the entry or its bytes
    // are missing or damaged (logged on "orvane.resources"; a missing or damaged library
    // once, when it is loaded). With `devicePixelRatio` above 1 the
    // double-resolution entry is preferred, and the image carries a device pixel ratio of 2
    // so it paints at the same logical size.
    QImage Picture(const QString& resourceName, qreal devicePixelRatio = 1) const;

    // The raw bytes of one entry, empty when there is none.
    QByteArray EntryBytes(const QString& resourceName) const;

  private:
    ResourceLibrary(QString path, QByteArray bytes);
    // scale: 2 for a double-resolution entry, which may be twice the size.
    QImage Decode(const QString& resourceName, const QByteArray& dib, qreal scale) const;

    QString filePath;
    QByteArray bundle;  // the registered bytes; Qt reads them in place for the whole run
    QString mapRoot;    // empty: nothing registered
};

// The signature the card view and the bonus picture use: library file name (bare, from the
// program folder), picture name, device pixel ratio.
QImage LibraryPicture(const QString& libraryFile, const QString& resourceName,
                      qreal devicePixelRatio = 1);

}  // namespace orvane
