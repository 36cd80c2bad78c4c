#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

// A canonical RIFF/WAVE file: one "fmt " chunk (16-bit PCM, mono) and one "data" chunk.
QByteArray wavBytes(const std::vector<std::int16_t>& samples, int sampleRate);
bool writeWav(const QString& path, const std::vector<std::int16_t>& samples, int sampleRate);
