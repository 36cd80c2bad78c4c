#include "PictureLibraryWriter.h"

#include <QDir>
#include <QSaveFile>

namespace cardgen {

PictureLibraryWriter::PictureLibraryWriter(const QString& stageFolder, const QString& libraryName)
    : folder_(QDir(stageFolder).filePath(libraryName)), library_(libraryName) {
    failed_ = !QDir().mkpath(folder_);
}

bool PictureLibraryWriter::Add(const QString& name, const QImage& picture,
                               const QImage& sharpPicture, DibDepth depth) {
    const bool written = WriteEntry(name, picture, depth) &&
                         WriteEntry(name + QStringLiteral("@2x"), sharpPicture, depth);
    failed_ = failed_ || !written;
    return written;
}

bool PictureLibraryWriter::WriteEntry(const QString& name, const QImage& picture, DibDepth depth) {
    if (picture.isNull()) {
        return false;
    }
    const QByteArray bytes = EncodeDib(picture, depth);
    const QString path = QDir(folder_).filePath(name + QStringLiteral(".dib"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return false;
    }
    entries_.append(name);
    return true;
}

QString PictureLibraryWriter::CollectionFile() const {
    return folder_ + QStringLiteral(".qrc");
}

bool PictureLibraryWriter::Finish() {
    QByteArray text = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const QString& name : entries_) {
        text +=
            QStringLiteral("  <file alias=\"%1\">%2/%1.dib</file>\n").arg(name, library_).toUtf8();
    }
    text += "</qresource>\n</RCC>\n";
    QSaveFile file(CollectionFile());
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        failed_ = true;
    }
    return !failed_;
}

}  // namespace cardgen
