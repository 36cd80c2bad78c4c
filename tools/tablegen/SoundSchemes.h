#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// One sound of a scheme: its name (the file is name + ".zqs") and its 16-bit samples.
struct SoundClip {
    QString name;
    std::vector<std::int16_t> pcm;
};

// The eight sounds the table plays. Scheme 1 is bright arcade bells, scheme 2 a softer
// marimba; both are normalised to a -3 dBFS peak and fade to silence at both ends.
std::vector<SoundClip> soundScheme(int scheme);
