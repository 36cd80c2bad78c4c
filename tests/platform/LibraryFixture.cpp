#include "LibraryFixture.h"

#include <QDir>
#include <QList>
#include <utility>

#include "PictureTestSupport.h"

namespace orvane::test {

const LibraryFixture& LibraryFixture::Instance() {
    static const LibraryFixture fixture;
    return fixture;
}

LibraryFixture::LibraryFixture() : dir(std::make_unique<QTemporaryDir>()) {
    folder = dir->path();
    const QByteArray good = DibFromQtWriter(QuadrantPicture(6, 4));
    const QList<std::pair<QString, QByteArray>> entries = {
        {QStringLiteral("GOOD"), good},
        {QStringLiteral("GOOD@2x"), DibFromQtWriter(QuadrantPicture(12, 8))},
        {QStringLiteral("PLAIN"), good},
        {QStringLiteral("TRUNCATED"), good.chopped(20)},
        {QStringLiteral("GARBAGE"), QByteArray("Not a picture, only words.")},
        {QStringLiteral("BADSHARP"), good},
        {QStringLiteral("BADSHARP@2x"), good.left(30)},
    };
    QByteArray qrc = "<RCC><qresource prefix=\"/\">\n";
    for (const auto& [name, bytes] : entries) {
        const QString file = name + QStringLiteral(".bin");
        if (!WriteFile(QDir(folder).filePath(file), bytes)) {
            error = QStringLiteral("cannot write ") + file;
            return;
        }
        qrc += QStringLiteral("<file alias=\"%1\">%2</file>\n").arg(name, file).toUtf8();
    }
    qrc += "</qresource></RCC>\n";
    const QString qrcPath = QDir(folder).filePath(QStringLiteral("fixture.qrc"));
    if (!WriteFile(qrcPath, qrc)) {
        error = QStringLiteral("cannot write the collection file");
        return;
    }
    error = RunRcc(qrcPath, QDir(folder).filePath(LibraryFile()));
}

}  // namespace orvane::test
