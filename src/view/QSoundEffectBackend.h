#pragma once

#include <QDateTime>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

#include "view/SoundBackend.h"

namespace orvane {

// Plays through one QSoundEffect, so starting a sound stops the one before it. Playback runs
// in the background; without an audio device nothing is heard and nothing fails.
//
// Each file is checked and rewritten as a plain WAV (see CanonicalWave) before QSoundEffect
// sees it: a damaged file then plays nothing instead of stalling the decoder. The plain WAV
// is handed over in memory, as a data URL, so no temporary file is written that a killed
// game could leave behind. It is made once per file and remade when the file changes.
class QSoundEffectBackend : public SoundBackend {
  public:
    QSoundEffectBackend();
    ~QSoundEffectBackend() override;

    void Play(const QString& path) override;

    // For tests that check a file decodes.
    const QSoundEffect& Effect() const { return effect_; }

  private:
    struct Source {
        QDateTime Modified;
        qint64 Size = 0;
        QUrl Url;  // empty: the file is not playable
    };

    QUrl PlayableSource(const QString& path);

    QSoundEffect effect_;
    QHash<QString, Source> sources_;
};

}  // namespace orvane
