#include "platform/ContentManifest.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace orvane {

namespace {

constexpr qsizetype DigestLength = 64;
// A few hundred lines are expected; anything far larger is not this build's manifest.
constexpr qint64 MaxManifestSize = 1024 * 1024;

bool IsHexDigest(QByteArrayView digest) {
    return digest.size() == DigestLength && std::all_of(digest.begin(), digest.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

// Only plain relative paths inside the program folder: a damaged or forged manifest must
// not send the check anywhere else.
bool IsContentPath(const QString& path) {
    if (path.isEmpty() || path.startsWith(QLatin1Char('/')) || path.contains(QLatin1Char('\\')) ||
        path.contains(QLatin1Char(':'))) {
        return false;
    }
    const QStringList parts = path.split(QLatin1Char('/'));
    return std::none_of(parts.begin(), parts.end(), [](const QString& part) {
        return part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..");
    });
}

std::optional<ContentManifest::Entry> ParseLine(QByteArrayView line) {
    // "digest  size  path": the path is the rest of the line and may hold spaces.
    const QByteArray text = line.toByteArray();
    const qsizetype afterDigest = text.indexOf(' ');
    if (afterDigest != DigestLength) {
        return std::nullopt;
    }
    const QByteArray rest = text.mid(afterDigest).trimmed();
    const qsizetype afterSize = rest.indexOf(' ');
    if (afterSize <= 0) {
        return std::nullopt;
    }
    const QByteArray sizeText = rest.left(afterSize);
    // Digits only: the conversion would stop quietly at a stray byte.
    bool sizeRead =
        std::all_of(sizeText.begin(), sizeText.end(), [](char c) { return c >= '0' && c <= '9'; });
    const qint64 size = sizeRead ? sizeText.toLongLong(&sizeRead) : 0;
    ContentManifest::Entry entry;
    entry.Sha256 = text.left(DigestLength);
    entry.Size = size;
    entry.File = QString::fromUtf8(rest.mid(afterSize).trimmed());
    if (!sizeRead || size < 0 || !IsHexDigest(entry.Sha256) || !IsContentPath(entry.File)) {
        return std::nullopt;
    }
    return entry;
}

std::optional<ContentProblem> ProblemOf(const ContentManifest::Entry& entry, const QDir& folder) {
    const QFileInfo info(folder, entry.File);
    if (!info.isFile()) {
        return ContentProblem::Missing;
    }
    if (info.size() != entry.Size) {
        return ContentProblem::WrongSize;
    }
    QFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::ReadOnly)) {
        return ContentProblem::Unreadable;
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file)) {
        return ContentProblem::Unreadable;
    }
    if (hash.result().toHex() != entry.Sha256) {
        return ContentProblem::WrongDigest;
    }
    return std::nullopt;
}

}  // namespace

std::optional<ContentManifest> ContentManifest::Read(const QString& programFolder) {
    QFile file(QDir(programFolder).filePath(QString::fromLatin1(FileName)));
    if (!file.exists()) {
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxManifestSize) {
        ContentManifest damaged;
        damaged.damaged_ = true;
        return damaged;
    }
    return Parse(file.readAll());
}

ContentManifest ContentManifest::Parse(QByteArrayView text) {
    ContentManifest manifest;
    manifest.damaged_ = true;
    // The last line is the list's own: the digest and size of every byte before it. A list
    // cut short or with a byte changed fails it, however whole its other lines look.
    const QByteArray all(text.data(), text.size());
    qsizetype end = all.size();
    while (end > 0 && (all[end - 1] == '\n' || all[end - 1] == '\r')) {
        --end;
    }
    const qsizetype sealStart = end > 0 ? all.lastIndexOf('\n', end - 1) + 1 : 0;
    const QByteArray body = all.left(sealStart);
    const std::optional<Entry> seal = ParseLine(all.mid(sealStart, end - sealStart).trimmed());
    if (!seal || seal->File != QLatin1String(FileName) || seal->Size != body.size() ||
        QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex() != seal->Sha256) {
        return manifest;
    }
    for (const QByteArray& line : body.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.isEmpty()) {
            continue;
        }
        std::optional<Entry> entry = ParseLine(trimmed);
        if (!entry) {
            // Half a manifest would pass off the files it no longer lists as whole.
            ContentManifest damaged;
            damaged.damaged_ = true;
            return damaged;
        }
        manifest.entries_.push_back(std::move(*entry));
    }
    manifest.damaged_ = manifest.entries_.empty();
    return manifest;
}

QByteArray ContentManifest::Sealed(QByteArrayView body) {
    const QByteArray text(body.data(), body.size());
    return text + QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex() + "  " +
           QByteArray::number(text.size()) + "  " + FileName + "\n";
}

bool ContentManifest::Lists(const QString& file) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [&file](const Entry& entry) { return entry.File == file; });
}

std::vector<ContentFault> ContentManifest::Check(const QString& programFolder) const {
    const QDir folder(programFolder);
    std::vector<ContentFault> faults;
    for (const Entry& entry : entries_) {
        if (const std::optional<ContentProblem> problem = ProblemOf(entry, folder)) {
            faults.push_back({entry.File, *problem});
        }
    }
    return faults;
}

std::optional<ContentFault> ContentManifest::CheckFile(const QString& programFolder,
                                                       const QString& file) const {
    const QDir folder(programFolder);
    for (const Entry& entry : entries_) {
        if (entry.File == file) {
            if (const std::optional<ContentProblem> problem = ProblemOf(entry, folder)) {
                return ContentFault{entry.File, *problem};
            }
            return std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace orvane
