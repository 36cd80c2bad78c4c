#include "WavFile.h"

#include <QFile>
#include <QSaveFile>

#include "formats/LittleEndian.h"
#include "formats/RiffWave.h"

namespace orvane {

QByteArray WavBytes(const std::vector<std::int16_t>& samples, int sampleRate) {
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    WaveFormat format;
    format.SampleRate = static_cast<std::uint32_t>(sampleRate);
    QByteArray b = WaveHeader(format, dataSize);
    b.reserve(static_cast<qsizetype>(b.size() + dataSize));
    for (std::int16_t s : samples) {
        AppendLittle16(b, static_cast<std::uint16_t>(s));
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
