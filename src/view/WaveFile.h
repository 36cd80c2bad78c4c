#pragma once

#include <QByteArray>
#include <optional>

namespace orvane {

// Checks a waveform-audio file and rewrites it in the plainest form: a 44-byte header, one
// "fmt " chunk for integer PCM, one "data" chunk cut to whole frames. Sound themes are files
// anyone can replace, and Qt's decoder can hang on a header that ends early, so only this
// form is handed to it. Gives nothing for anything that is not playable PCM.
std::optional<QByteArray> CanonicalWave(const QByteArray& bytes);

}  // namespace orvane
