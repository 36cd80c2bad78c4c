#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace orvane {

// A canonical RIFF/WAVE file: one "fmt " chunk (16-bit PCM, mono) and one "data" chunk.
QByteArray WavBytes(const std::vector<std::int16_t>& samples, int sampleRate);
bool WriteWav(const QString& path, const std::vector<std::int16_t>& samples, int sampleRate);

}  // namespace orvane
