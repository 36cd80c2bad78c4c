#include "WavFile.h"

#include <QFile>
#include <QSaveFile>

namespace {

void put32(QByteArray& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b.append(static_cast<char>((v >> (8 * i)) & 0xffU));
    }
}

void put16(QByteArray& b, std::uint16_t v) {
    b.append(static_cast<char>(v & 0xffU));
    b.append(static_cast<char>(v >> 8));
}

}  // namespace

QByteArray wavBytes(const std::vector<std::int16_t>& samples, int sampleRate) {
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    const auto rate = static_cast<std::uint32_t>(sampleRate);
    QByteArray b;
    b.reserve(static_cast<qsizetype>(44 + dataSize));
    b.append("RIFF", 4);
    put32(b, 36 + dataSize);
    b.append("WAVE", 4);
    b.append("fmt ", 4);
    put32(b, 16);
    put16(b, 1);  // PCM
    put16(b, 1);  // mono
    put32(b, rate);
    put32(b, rate * 2);  // bytes per second
    put16(b, 2);         // bytes per frame
    put16(b, 16);        // bits per sample
    b.append("data", 4);
    put32(b, dataSize);
    for (std::int16_t s : samples) {
        put16(b, static_cast<std::uint16_t>(s));
    }
    return b;
}

bool writeWav(const QString& path, const std::vector<std::int16_t>& samples, int sampleRate) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(wavBytes(samples, sampleRate));
    return file.commit();
}
