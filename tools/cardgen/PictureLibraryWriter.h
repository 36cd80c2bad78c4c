#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include "DibEncoder.h"

namespace cardgen {

// Collects the pictures of one library in a staging folder, one headerless bitmap file per
// entry, and writes the resource collection file that `rcc --binary` turns into the library.
class PictureLibraryWriter {
  public:
    // `stageFolder` is created when missing; `libraryName` names the collection file.
    PictureLibraryWriter(const QString& stageFolder, const QString& libraryName);

    // Adds `picture` under `name`, and a second entry "name@2x" for the sharp variant.
    bool Add(const QString& name, const QImage& picture, const QImage& sharpPicture,
             DibDepth depth);
    // Writes "<libraryName>.qrc" into the staging folder; false when a file could not be written.
    bool Finish();

    QString CollectionFile() const;

  private:
    bool WriteEntry(const QString& name, const QImage& picture, DibDepth depth);

    QString folder_;
    QString library_;
    QStringList entries_;
    bool failed_ = false;
};

}  // namespace cardgen
