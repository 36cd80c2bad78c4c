#include "formats/RiffWave.h"

#include "formats/LittleEndian.h"

namespace orvane {

namespace {

constexpr qsizetype RiffHeaderSize = 12;
constexpr qsizetype ChunkHeadSize = 8;
// "WAVE", the "fmt " chunk head and body, the "data" chunk head.
constexpr std::uint32_t HeaderAfterRiffSize = 4 + ChunkHeadSize + WaveFormat::ChunkSize + 8;

}  // namespace

QByteArray WaveHeader(const WaveFormat& format, std::uint32_t dataSize,
                      QByteArrayView leadingChunks) {
    const auto leading = static_cast<std::uint32_t>(leadingChunks.size());
    QByteArray out;
    out.reserve(8 + HeaderAfterRiffSize + leading);
    out.append("RIFF", 4);
    AppendLittle32(out, HeaderAfterRiffSize + leading + dataSize);
    out.append("WAVE", 4);
    out.append(leadingChunks);
    out.append("fmt ", 4);
    AppendLittle32(out, WaveFormat::ChunkSize);
    AppendLittle16(out, format.Tag);
    AppendLittle16(out, format.Channels);
    AppendLittle32(out, format.SampleRate);
    AppendLittle32(out, format.SampleRate * format.BlockAlign());
    AppendLittle16(out, format.BlockAlign());
    AppendLittle16(out, format.Bits);
    out.append("data", 4);
    AppendLittle32(out, dataSize);
    return out;
}

bool IsRiffWave(QByteArrayView bytes) {
    return bytes.size() >= RiffHeaderSize && bytes.startsWith("RIFF") &&
           bytes.sliced(8, 4) == "WAVE";
}

void VisitWaveChunks(QByteArrayView bytes, const std::function<bool(const WaveChunk&)>& visit) {
    for (qsizetype at = RiffHeaderSize; at + ChunkHeadSize <= bytes.size();) {
        const WaveChunk chunk{bytes.sliced(at, 4), ReadLittle32(bytes, at + 4), at + ChunkHeadSize};
        if (!visit(chunk)) {
            return;
        }
        at = chunk.BodyStart + chunk.DeclaredSize + (chunk.DeclaredSize & 1);
    }
}

WaveFormat ReadWaveFormat(QByteArrayView body) {
    return WaveFormat{ReadLittle16(body, 0), ReadLittle16(body, 2), ReadLittle32(body, 4),
                      ReadLittle16(body, 14)};
}

}  // namespace orvane
