#pragma once

#include <QStringList>

#include "view/SoundBackend.h"

namespace orvane::test {

// Writes the files it was asked to play into a list the test owns.
class RecordingSoundBackend : public SoundBackend {
  public:
    explicit RecordingSoundBackend(QStringList& log) : played(log) {}
    void Play(const QString& path) override { played << path; }

  private:
    QStringList& played;
};

}  // namespace orvane::test
