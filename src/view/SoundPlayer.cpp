#include "view/SoundPlayer.h"

#include <QFileInfo>
#include <utility>

#include "view/ViewLog.h"

namespace orvane {

SoundPlayer::SoundPlayer(std::unique_ptr<SoundBackend> backend) : backend_(std::move(backend)) {}

SoundPlayer::~SoundPlayer() = default;

// A missing file is checked here rather than left to the backend: QSoundEffect would try to
// open it, report a decoding error and stop the sound that is playing.
void SoundPlayer::Play(const QString& path) {
    if (!backend_) {
        return;
    }
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        qCDebug(lcView) << "no sound file" << path;
        return;
    }
    backend_->Play(path);
}

}  // namespace orvane
