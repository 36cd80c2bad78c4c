#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace orvane::test {

// A small picture library built with rcc in a temporary folder, holding:
//   "GOOD" (6 x 4 quadrant picture) and "GOOD@2x" (12 x 8), "PLAIN" (6 x 4, no sharp twin),
//   "TRUNCATED" (GOOD with its last pixel row cut), "GARBAGE" (words, not a picture),
//   "BADSHARP" (6 x 4) whose "BADSHARP@2x" is damaged.
class LibraryFixture {
  public:
    static const LibraryFixture& Instance();

    const QString& Folder() const { return folder; }
    QString LibraryFile() const { return QStringLiteral("fixture.dll"); }
    const QString& Error() const { return error; }

  private:
    LibraryFixture();

    std::unique_ptr<QTemporaryDir> dir;
    QString folder;
    QString error;
};

}  // namespace orvane::test
