#include "view/QSoundEffectBackend.h"

#include <QUrl>

namespace orvane {

QSoundEffectBackend::QSoundEffectBackend() {
    effect.setLoopCount(1);
}

// QSoundEffect decodes by content, not by extension, so the sound themes' ".zqs" WAV files
// load as they are. play() before the file is decoded is queued by QSoundEffect itself.
void QSoundEffectBackend::Play(const QString& path) {
    effect.stop();
    const QUrl url = QUrl::fromLocalFile(path);
    if (effect.source() != url) {
        effect.setSource(url);
    }
    effect.play();
}

}  // namespace orvane
