#pragma once

#include <QString>
#include <memory>

#include "view/SoundBackend.h"

namespace orvane {

// Fire-and-forget playing of named sound files. A missing file plays nothing and the backend
// is never asked to open it.
class SoundPlayer {
  public:
    // Without a backend every sound is silent.
    explicit SoundPlayer(std::unique_ptr<SoundBackend> backend);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void Play(const QString& path);

  private:
    std::unique_ptr<SoundBackend> backend_;
};

}  // namespace orvane
