#include "view/QSoundEffectBackend.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include "view/ViewLog.h"
#include "view/WaveFile.h"

namespace orvane {

namespace {
// Far above any sound effect; keeps a stray huge file from being read whole.
constexpr qint64 LargestSound = 32 * 1024 * 1024;
}  // namespace

QSoundEffectBackend::QSoundEffectBackend() {
    effect.setLoopCount(1);
}

QSoundEffectBackend::~QSoundEffectBackend() {
    effect.stop();
}

void QSoundEffectBackend::Play(const QString& path) {
    effect.stop();
    const QString playable = PlayableCopy(path);
    if (playable.isEmpty()) {
        return;
    }
    const QUrl url = QUrl::fromLocalFile(playable);
    if (effect.source() != url) {
        effect.setSource(url);
    }
    // Queued by QSoundEffect itself until the file is decoded.
    effect.play();
}

QString QSoundEffectBackend::PlayableCopy(const QString& path) {
    const QFileInfo info(path);
    const auto known = copies.constFind(path);
    if (known != copies.constEnd() && known->modified == info.lastModified() &&
        known->size == info.size()) {
        return known->path;
    }
    Copy copy{info.lastModified(), info.size(), QString()};
    QFile file(path);
    if (info.size() <= LargestSound && file.open(QIODevice::ReadOnly)) {
        if (const auto wave = CanonicalWave(file.readAll())) {
            if (!folder) {
                folder = std::make_unique<QTemporaryDir>();
            }
            const QString target = folder->filePath(QStringLiteral("%1.wav").arg(copiesMade++));
            QFile out(target);
            if (folder->isValid() && out.open(QIODevice::WriteOnly) &&
                out.write(*wave) == wave->size()) {
                copy.path = target;
            }
        }
    }
    if (copy.path.isEmpty()) {
        qCWarning(lcView) << "sound file not playable:" << path;
    }
    copies.insert(path, copy);
    return copy.path;
}

}  // namespace orvane
