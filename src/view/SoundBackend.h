#pragma once

#include <QString>

namespace orvane {

// Plays one sound file in the background. One voice: a new sound cuts off the one playing.
// The program hands in the sound device's backend; tests hand in ones that record or stay
// silent.
class SoundBackend {
  public:
    virtual ~SoundBackend() = default;
    virtual void Play(const QString& path) = 0;
};

}  // namespace orvane
