#include "view/WaveFile.h"

#include <QtEndian>
#include <cstdint>

namespace orvane {

namespace {

constexpr qsizetype ChunkHeader = 8;
constexpr qsizetype FormatSize = 16;

struct Format {
    std::uint16_t tag = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t bits = 0;
};

std::uint16_t Read16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<std::uint16_t>(bytes.constData() + at);
}

std::uint32_t Read32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<std::uint32_t>(bytes.constData() + at);
}

bool Playable(const Format& f) {
    const bool pcm = f.tag == 1;
    const bool channels = f.channels == 1 || f.channels == 2;
    const bool rate = f.sampleRate >= 1000 && f.sampleRate <= 192000;
    const bool bits = f.bits == 8 || f.bits == 16 || f.bits == 24 || f.bits == 32;
    return pcm && channels && rate && bits;
}

void Append16(QByteArray& out, std::uint16_t v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void Append32(QByteArray& out, std::uint32_t v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

QByteArray Build(const Format& f, QByteArrayView samples) {
    const std::uint16_t blockAlign = static_cast<std::uint16_t>(f.channels * f.bits / 8);
    const auto dataSize = static_cast<std::uint32_t>(samples.size());
    QByteArray out;
    out.reserve(44 + samples.size());
    out.append("RIFF", 4);
    Append32(out, 36 + dataSize);
    out.append("WAVEfmt ", 8);
    Append32(out, FormatSize);
    Append16(out, f.tag);
    Append16(out, f.channels);
    Append32(out, f.sampleRate);
    Append32(out, f.sampleRate * blockAlign);
    Append16(out, blockAlign);
    Append16(out, f.bits);
    out.append("data", 4);
    Append32(out, dataSize);
    out.append(samples.data(), samples.size());
    return out;
}

}  // namespace

std::optional<QByteArray> CanonicalWave(const QByteArray& bytes) {
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        return std::nullopt;
    }
    std::optional<Format> format;
    QByteArrayView samples;
    bool haveData = false;
    for (qsizetype at = 12; at + ChunkHeader <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype declared = Read32(bytes, at + 4);
        const qsizetype body = at + ChunkHeader;
        const qsizetype available = std::min(declared, bytes.size() - body);
        if (id == "fmt " && !format && available >= FormatSize) {
            format = Format{Read16(bytes, body), Read16(bytes, body + 2), Read32(bytes, body + 4),
                            Read16(bytes, body + 14)};
        } else if (id == "data" && !haveData) {
            // A data chunk that claims more than the file holds keeps what is there.
            samples = QByteArrayView(bytes).sliced(body, available);
            haveData = true;
        }
        // Chunks are padded to an even length.
        at = body + declared + (declared & 1);
    }
    if (!format || !haveData || !Playable(*format)) {
        return std::nullopt;
    }
    const qsizetype frame = format->channels * format->bits / 8;
    samples = samples.first(samples.size() - samples.size() % frame);
    if (samples.isEmpty()) {
        return std::nullopt;
    }
    return Build(*format, samples);
}

}  // namespace orvane
