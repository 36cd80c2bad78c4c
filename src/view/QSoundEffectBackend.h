#pragma once

#include <QSoundEffect>

#include "view/SoundPlayer.h"

namespace orvane {

// Plays through one QSoundEffect, so starting a sound stops the one before it. Playback runs
// in the background; without an audio device nothing is heard and nothing fails.
class QSoundEffectBackend : public SoundBackend {
  public:
    QSoundEffectBackend();

    void Play(const QString& path) override;

    // For tests that check a file decodes.
    const QSoundEffect& Effect() const { return effect; }

  private:
    QSoundEffect effect;
};

}  // namespace orvane
