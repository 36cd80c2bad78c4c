#include "WindowPicture.h"

#include <QFileInfo>
#include <array>

#include "layout/TableGeometry.h"
#include "platform/PictureBounds.h"
#include "view/PictureDensity.h"

namespace orvane {

namespace {

const QLatin1String DoubleSuffix("@2x");

struct KnownPicture {
    const char* name;  // the file's name up to its first dot, without "@2x"
    QSize size;        // as the build draws it
};

const QSize ButtonFace(145, 17);
const QSize Background(752, 500);
const QSize Preview(160, 124);

const std::array<KnownPicture, 33> KnownPictures{{
    {"bm_clas", Background}, {"bm_gr", Background}, {"bm_mod", Background}, {"bm_w", Background},
    {"bm_ntr", Background},  {"optt1", Preview},    {"optt2", Preview},     {"optt3", Preview},
    {"optt4", Preview},      {"optcs1", Preview},   {"optcs2", Preview},    {"optcs3", Preview},
    {"splash", {420, 270}},  {"icon", {256, 256}},  {"flash", {500, 72}},   {"dup_up", {25, 100}},
    {"dup_down", {25, 100}}, {"hold", {36, 10}},    {"lamp", {21, 20}},     {"star", {13, 13}},
    {"hold1", ButtonFace},   {"hold2", ButtonFace}, {"hold3", ButtonFace},  {"hold4", ButtonFace},
    {"hold5", ButtonFace},   {"bet", ButtonFace},   {"cash", ButtonFace},   {"deal", ButtonFace},
    {"small", ButtonFace},   {"big", ButtonFace},   {"half", ButtonFace},   {"red", ButtonFace},
    {"black", ButtonFace},
}};

QSize PlainSize(const QString& name) {
    for (const KnownPicture& known : KnownPictures) {
        if (name == QLatin1String(known.name)) {
            return known.size;
        }
    }
    return {TableGeometry::Surface.Width, TableGeometry::Surface.Height};
}

QImage ReadWithin(const QString& path) {
    return ReadPictureFileWithin(path, ExpectedWindowPictureSize(path));
}

}  // namespace

QSize ExpectedWindowPictureSize(const QString& path) {
    QString name = QFileInfo(path).fileName();
    name.truncate(name.indexOf(u'.') < 0 ? name.size() : name.indexOf(u'.'));
    const bool doubled = name.endsWith(DoubleSuffix);
    if (doubled) {
        name.chop(DoubleSuffix.size());
    }
    const QSize size = PlainSize(name);
    return doubled ? size * 2 : size;
}

QImage LoadWindowPicture(const QString& path, qreal devicePixelRatio) {
    if (devicePixelRatio > 1.0) {
        const qsizetype dot = path.lastIndexOf(u'.');
        QString doubled = path;
        doubled.insert(dot < 0 ? doubled.size() : dot, DoubleSuffix);
        QImage image = ReadWithin(doubled);
        if (!image.isNull()) {
            image.setDevicePixelRatio(2.0);
            return image;
        }
    }
    return ReadWithin(path);
}

QImage LoadWindowPicture(const QString& path) {
    return LoadWindowPicture(path, PictureDensity(nullptr));
}

}  // namespace orvane
