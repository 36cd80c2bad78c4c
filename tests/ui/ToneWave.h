#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <cmath>

namespace orvane::test {

// A short 16-bit PCM tone in a RIFF/WAVE container; extra chunks can be put before "fmt ".
inline QByteArray ToneWav(int channels = 1, const QByteArray& leadingChunks = {}) {
    constexpr int rate = 8000;
    constexpr int frames = rate / 10;
    QByteArray pcm;
    QDataStream data(&pcm, QIODevice::WriteOnly);
    data.setByteOrder(QDataStream::LittleEndian);
    for (int i = 0; i < frames; ++i) {
        for (int c = 0; c < channels; ++c) {
            data << static_cast<qint16>(8000.0 * std::sin(2.0 * M_PI * 660.0 * i / rate));
        }
    }
    const auto blockAlign = static_cast<quint16>(2 * channels);
    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << static_cast<quint32>(36 + leadingChunks.size() + pcm.size());
    out.writeRawData("WAVE", 4);
    out.writeRawData(leadingChunks.constData(), static_cast<int>(leadingChunks.size()));
    out.writeRawData("fmt ", 4);
    out << quint32{16} << quint16{1} << static_cast<quint16>(channels) << quint32{rate}
        << static_cast<quint32>(rate * blockAlign) << blockAlign << quint16{16};
    out.writeRawData("data", 4);
    out << static_cast<quint32>(pcm.size());
    out.writeRawData(pcm.constData(), static_cast<int>(pcm.size()));
    return wav;
}

}  // namespace orvane::test
