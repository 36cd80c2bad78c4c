#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

namespace orvane {

// What is wrong with one content file.
enum class ContentProblem {
    Missing,      // not there, or not a plain file
    WrongSize,    // truncated, grown or replaced
    WrongDigest,  // the right size, other bytes
    Unreadable,   // there, but it cannot be opened
};

struct ContentFault {
    QString File;  // relative to the program folder, '/'-separated
    ContentProblem Problem = ContentProblem::Missing;
};

// The digests the build writes beside the content ("Data/manifest.txt"): one line per file
// the game loads, "sha256  size  relative/path", and last a line for the list itself: the
// digest and size of every byte before that line, named FileName. Checking the content against it
// tells a damaged, truncated or missing file from a whole one before the game relies on it.
class ContentManifest {
  public:
    static constexpr const char* FileName = "Data/manifest.txt";

    struct Entry {
        QByteArray Sha256;  // 64 lower-case hexadecimal digits
        qint64 Size = 0;
        QString File;
    };

    // The manifest of `programFolder`; none when there is no manifest. A manifest that
    // cannot be read, fails its own line or has a line that is not "digest  size  path" (a
    // path that leaves the program folder included) is damaged: it comes back holding no
    // entries and IsDamaged.
    static std::optional<ContentManifest> Read(const QString& programFolder);
    static ContentManifest Parse(QByteArrayView text);
    // body (the lines of the listed files) followed by the list's own line.
    static QByteArray Sealed(QByteArrayView body);

    const std::vector<Entry>& Entries() const { return entries_; }
    bool IsDamaged() const { return damaged_; }
    bool Lists(const QString& file) const;

    // Every listed file that is missing or differs from its line, in the manifest's order.
    // A file whose size is wrong is not read at all.
    std::vector<ContentFault> Check(const QString& programFolder) const;
    // The same for one listed file; none for a whole file or one the manifest does not list.
    std::optional<ContentFault> CheckFile(const QString& programFolder, const QString& file) const;

  private:
    std::vector<Entry> entries_;
    bool damaged_ = false;
};

}  // namespace orvane
