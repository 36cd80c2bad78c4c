#include "view/QSoundEffectBackend.h"

#include <QFile>
#include <QFileInfo>

#include "view/ViewLog.h"
#include "view/WaveFile.h"

namespace orvane {

namespace {
// Far above any sound effect; keeps a stray huge file from being read whole.
constexpr qint64 LargestSound = 32 * 1024 * 1024;

// QSoundEffect fetches its source through Qt's network access, which reads data URLs
// from memory. The URL carries the sound itself, so a changed sound is a new URL and is
// never served from the decoded sounds QSoundEffect keeps by address.
QUrl InMemory(const QByteArray& wave) {
    return QUrl(QStringLiteral("data:audio/wav;base64,") + QString::fromLatin1(wave.toBase64()));
}
}  // namespace

QSoundEffectBackend::QSoundEffectBackend() {
    effect_.setLoopCount(1);
}

QSoundEffectBackend::~QSoundEffectBackend() {
    effect_.stop();
}

void QSoundEffectBackend::Play(const QString& path) {
    effect_.stop();
    const QUrl url = PlayableSource(path);
    if (url.isEmpty()) {
        return;
    }
    if (effect_.source() != url) {
        effect_.setSource(url);
    }
    // Queued by QSoundEffect itself until the sound is decoded.
    effect_.play();
}

QUrl QSoundEffectBackend::PlayableSource(const QString& path) {
    const QFileInfo info(path);
    const auto known = sources_.constFind(path);
    if (known != sources_.constEnd() && known->Modified == info.lastModified() &&
        known->Size == info.size()) {
        return known->Url;
    }
    Source source{info.lastModified(), info.size(), QUrl()};
    QFile file(path);
    if (info.size() <= LargestSound && file.open(QIODevice::ReadOnly)) {
        if (const auto wave = CanonicalWave(file.readAll())) {
            source.Url = InMemory(*wave);
        }
    }
    if (source.Url.isEmpty()) {
        qCWarning(lcView) << "sound file not playable:" << path;
    }
    sources_.insert(path, source);
    return source.Url;
}

}  // namespace orvane
