#include "WavFile.h"

#include <QFile>
#include <QSaveFile>

namespace orvane {

namespace {

void Put32(QByteArray& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b.append(static_cast<char>((v >> (8 * i)) & 0xffU));
    }
}

void Put16(QByteArray& b, std::uint16_t v) {
    b.append(static_cast<char>(v & 0xffU));
    b.append(static_cast<char>(v >> 8));
}

}  // namespace

QByteArray WavBytes(const std::vector<std::int16_t>& samples, int sampleRate) {
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    const auto rate = static_cast<std::uint32_t>(sampleRate);
    QByteArray b;
    b.reserve(static_cast<qsizetype>(44 + dataSize));
    b.append("RIFF", 4);
    Put32(b, 36 + dataSize);
    b.append("WAVE", 4);
    b.append("fmt ", 4);
    Put32(b, 16);
    Put16(b, 1);  // PCM
    Put16(b, 1);  // mono
    Put32(b, rate);
    Put32(b, rate * 2);  // bytes per second
    Put16(b, 2);         // bytes per frame
    Put16(b, 16);        // bits per sample
    b.append("data", 4);
    Put32(b, dataSize);
    for (std::int16_t s : samples) {
        Put16(b, static_cast<std::uint16_t>(s));
    }
    return b;
}

bool WriteWav(const QString& path, const std::vector<std::int16_t>& samples, int sampleRate) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(WavBytes(samples, sampleRate));
    return file.commit();
}

}  // namespace orvane
