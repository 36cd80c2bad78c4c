#pragma once

#include <QDateTime>
#include <QHash>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <memory>

#include "view/SoundBackend.h"

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
    const QSoundEffect& Effect() const { return effect_; }

  private:
    struct Copy {
        QDateTime Modified;
        qint64 Size = 0;
        QString Path;  // empty: the file is not playable
    };

    QString PlayableCopy(const QString& path);

    QSoundEffect effect_;
    std::unique_ptr<QTemporaryDir> folder_;
    QHash<QString, Copy> copies_;
    // Every copy gets a new name: QSoundEffect keeps decoded sounds by their address.
    int copiesMade_ = 0;
};

}  // namespace orvane
