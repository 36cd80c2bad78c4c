#include <QByteArray>

#include "Targets.h"
#include "formats/LittleEndian.h"
#include "formats/RiffWave.h"
#include "view/WaveFile.h"

namespace orvane::fuzz {

namespace {

constexpr qsizetype CanonicalHeaderSize = 44;

}  // namespace

void FuzzWaveFile(FuzzBytes bytes) {
    const QByteArray input(reinterpret_cast<const char*>(bytes.data()),
                           static_cast<qsizetype>(bytes.size()));
    const std::optional<QByteArray> wave = CanonicalWave(input);
    if (!wave) {
        return;
    }
    // What is handed to the sound decoder is the plainest form, with sizes that add up.
    FuzzCheck(IsRiffWave(*wave), "the rewrite is not a RIFF/WAVE file");
    FuzzCheck(wave->size() > CanonicalHeaderSize, "the rewrite has no samples");
    FuzzCheck(ReadLittle32(*wave, 4) == static_cast<std::uint32_t>(wave->size() - 8),
              "the RIFF size does not match the rewrite");
    FuzzCheck(
        ReadLittle32(*wave, 40) == static_cast<std::uint32_t>(wave->size() - CanonicalHeaderSize),
        "the data size does not match the samples");
    const WaveFormat format = ReadWaveFormat(QByteArrayView(*wave).sliced(20, 16));
    FuzzCheck(
        format.BlockAlign() > 0 && (wave->size() - CanonicalHeaderSize) % format.BlockAlign() == 0,
        "the samples are not whole frames");
    // The rewrite is already canonical: checking it again changes nothing.
    FuzzCheck(CanonicalWave(*wave) == wave, "the rewrite of a rewrite differs");
}

}  // namespace orvane::fuzz
