#pragma once

#include <QDateTime>
#include <QHash>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <memory>

#include "view/SoundPlayer.h"

namespace orvane {

// Plays through one QSoundEffect, so starting a sound stops the one before it. Playback runs
// in the background; without an audio device nothing is heard and nothing fails.
//
// Each file is checked and rewritten as a plain WAV copy in a private temporary folder before
// QSoundEffect sees it (see CanonicalWave): a damaged file then plays nothing instead of
// stalling the decoder. The copy is made once per file and remade when the file changes.
class QSoundEffectBackend : public SoundBackend {
  public:
    QSoundEffectBackend();
    ~QSoundEffectBackend() override;

    void Play(const QString& path) override;

    // For tests that check a file decodes.
    const QSoundEffect& Effect() const { return effect; }

  private:
    struct Copy {
        QDateTime modified;
        qint64 size = 0;
        QString path;  // empty: the file is not playable
    };

    QString PlayableCopy(const QString& path);

    QSoundEffect effect;
    std::unique_ptr<QTemporaryDir> folder;
    QHash<QString, Copy> copies;
    // Every copy gets a new name: QSoundEffect keeps decoded sounds by their address.
    int copiesMade = 0;
};

}  // namespace orvane
