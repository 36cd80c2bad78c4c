#include "WavProbe.h"

#include <algorithm>
#include <cstdlib>

namespace {

std::uint32_t le32(const QByteArray& b, qsizetype at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) {
        v = (v << 8) | static_cast<std::uint8_t>(b.at(at + i));
    }
    return v;
}

std::uint16_t le16(const QByteArray& b, qsizetype at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b.at(at)) |
                                      (static_cast<std::uint8_t>(b.at(at + 1)) << 8));
}

}  // namespace

double WavProbe::peak() const {
    int hi = 0;
    for (std::int16_t s : samples) {
        hi = std::max(hi, std::abs(static_cast<int>(s)));
    }
    return hi / 32768.0;
}

double WavProbe::edge(std::size_t count) const {
    int hi = 0;
    const std::size_t n = std::min(count, samples.size());
    for (std::size_t i = 0; i < n; ++i) {
        hi = std::max(hi, std::abs(static_cast<int>(samples[i])));
        hi = std::max(hi, std::abs(static_cast<int>(samples[samples.size() - 1 - i])));
    }
    return hi / 32768.0;
}

WavProbe probeWav(const QByteArray& bytes) {
    WavProbe w;
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        return w;
    }
    w.riff = le32(bytes, 4) + 8 == static_cast<std::uint32_t>(bytes.size());
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = le32(bytes, at + 4);
        const qsizetype body = at + 8;
        if (body + size > bytes.size()) {
            break;
        }
        if (id == "fmt " && size >= 16) {
            w.format = le16(bytes, body);
            w.channels = le16(bytes, body + 2);
            w.sampleRate = static_cast<int>(le32(bytes, body + 4));
            w.bitsPerSample = le16(bytes, body + 14);
        } else if (id == "data" && w.bitsPerSample == 16) {
            for (qsizetype i = 0; i + 1 < size; i += 2) {
                w.samples.push_back(static_cast<std::int16_t>(le16(bytes, body + i)));
            }
        }
        at = body + size + (size % 2);  // chunks are word aligned
    }
    return w;
}
