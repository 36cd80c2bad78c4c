#pragma once

#include "FuzzTarget.h"

namespace orvane::fuzz {

// The settings load over an in-memory store whose values are the input's lines, one per
// stored name in load order; what a load and a save leave must load again cleanly.
void FuzzSettingsLoad(FuzzBytes bytes);
// The settings load over an INI file holding the input bytes.
void FuzzSettingsIni(FuzzBytes bytes);
// A picture library's bytes: the bundle check, then, for a bundle it lets through, what the
// library does with it (registration, look-ups of every picture name, decoding).
void FuzzResourceBundle(FuzzBytes bytes);
// A headerless bitmap: the file header rule, then the BMP reader over what it accepts.
void FuzzBitmapHeader(FuzzBytes bytes);
// A sound file: the waveform-audio check and its rewrite.
void FuzzWaveFile(FuzzBytes bytes);
// The critical store's record file, and the saved table it carries.
void FuzzCriticalRecords(FuzzBytes bytes);

}  // namespace orvane::fuzz
