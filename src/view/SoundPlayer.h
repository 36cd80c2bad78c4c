#pragma once

#include <QString>
#include <memory>

namespace orvane {

// Plays one sound file in the background. One voice: a new sound cuts off the one playing.
class SoundBackend {
  public:
    virtual ~SoundBackend() = default;
    virtual void Play(const QString& path) = 0;
};

// Fire-and-forget playing of named sound files. A missing file plays nothing and the backend
// is never asked to open it.
class SoundPlayer {
  public:
    // Without a backend, sounds go through QSoundEffect.
    explicit SoundPlayer(std::unique_ptr<SoundBackend> backend = nullptr);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void Play(const QString& path);

  private:
    std::unique_ptr<SoundBackend> backend;
};

}  // namespace orvane
