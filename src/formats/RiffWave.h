#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <functional>

namespace orvane {

// The "fmt " chunk of a waveform-audio file, as far as plain PCM needs it.
struct WaveFormat {
    static constexpr std::uint16_t Pcm = 1;
    // The bytes of the chunk body this reads: tag, channels, rate, byte rate, block, bits.
    static constexpr qsizetype ChunkSize = 16;

    std::uint16_t Tag = Pcm;
    std::uint16_t Channels = 1;
    std::uint32_t SampleRate = 0;
    std::uint16_t Bits = 16;

    // Bytes of one frame: one sample of every channel.
    std::uint16_t BlockAlign() const { return static_cast<std::uint16_t>(Channels * Bits / 8); }
};

// The 44 bytes before the samples of the plainest file: "RIFF", "WAVE", one "fmt " chunk
// and the head of the "data" chunk of dataSize bytes. Chunks a reader should skip can be
// put between "WAVE" and "fmt "; the RIFF size counts them.
QByteArray WaveHeader(const WaveFormat& format, std::uint32_t dataSize,
                      QByteArrayView leadingChunks = {});

// Whether the bytes start like a RIFF/WAVE file.
bool IsRiffWave(QByteArrayView bytes);

// One chunk after the RIFF/WAVE header. Its declared size may run past the end of the
// file; the reader decides what to do with such a chunk.
struct WaveChunk {
    QByteArrayView Id;
    qsizetype DeclaredSize = 0;
    qsizetype BodyStart = 0;
};

// Calls visit with every chunk in file order, following the even padding of chunks, until
// visit returns false or no further chunk head fits in the file.
void VisitWaveChunks(QByteArrayView bytes, const std::function<bool(const WaveChunk&)>& visit);

// Reads a "fmt " chunk body of at least WaveFormat::ChunkSize bytes.
WaveFormat ReadWaveFormat(QByteArrayView body);

}  // namespace orvane
