#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace orvane {

// One sound of a scheme: its name (the file is name + ".zqs") and its 16-bit samples.
struct SoundClip {
    QString Name;
    std::vector<std::int16_t> Pcm;
};

// The eight sounds the table plays. Scheme 1 is bright arcade bells, scheme 2 a softer
// marimba; both are normalised to a -3 dBFS peak and fade to silence at both ends.
std::vector<SoundClip> SoundScheme(int scheme);

}  // namespace orvane
