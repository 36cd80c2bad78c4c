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
    effect_.setLoopCount(1);
}

QSoundEffectBackend::~QSoundEffectBackend() {
    effect_.stop();
}

void QSoundEffectBackend::Play(const QString& path) {
    effect_.stop();
    const QString playable = PlayableCopy(path);
    if (playable.isEmpty()) {
        return;
    }
    const QUrl url = QUrl::fromLocalFile(playable);
    if (effect_.source() != url) {
        effect_.setSource(url);
    }
    // Queued by QSoundEffect itself until the file is decoded.
    effect_.play();
}

QString QSoundEffectBackend::PlayableCopy(const QString& path) {
    const QFileInfo info(path);
    const auto known = copies_.constFind(path);
    if (known != copies_.constEnd() && known->Modified == info.lastModified() &&
        known->Size == info.size()) {
        return known->Path;
    }
    Copy copy{info.lastModified(), info.size(), QString()};
    QFile file(path);
    if (info.size() <= LargestSound && file.open(QIODevice::ReadOnly)) {
        if (const auto wave = CanonicalWave(file.readAll())) {
            if (!folder_) {
                folder_ = std::make_unique<QTemporaryDir>();
            }
            const QString target = folder_->filePath(QStringLiteral("%1.wav").arg(copiesMade_++));
            QFile out(target);
            if (folder_->isValid() && out.open(QIODevice::WriteOnly) &&
                out.write(*wave) == wave->size()) {
                copy.Path = target;
            }
        }
    }
    if (copy.Path.isEmpty()) {
        qCWarning(lcView) << "sound file not playable:" << path;
    }
    copies_.insert(path, copy);
    return copy.Path;
}

}  // namespace orvane
