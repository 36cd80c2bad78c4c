#include "SoundSchemes.h"

#include <cmath>
#include <functional>

#include "Synth.h"

namespace {

constexpr double kPeakDb = -3.0;

double note(int semitonesFromA4) {
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

// Semitones from A4 of the notes used below.
constexpr int C5 = 3, D5 = 5, E5 = 7, G5 = 10, A5 = 12, C6 = 15, D6 = 17, E6 = 19, G6 = 22, A6 = 24,
              C7 = 27, E7 = 31;

// A bright bell: a strong fundamental with slightly stretched upper partials.
std::vector<Partial> bell(double length) {
    return {{1.0, 1.0, 0.55 * length},
            {2.0, 0.55, 0.30 * length},
            {3.01, 0.32, 0.18 * length},
            {4.16, 0.22, 0.11 * length},
            {5.43, 0.14, 0.07 * length}};
}

// A marimba bar: the fundamental with the bar's fourth and tenth overtones that die fast.
std::vector<Partial> marimba(double length) {
    return {{1.0, 1.0, 0.42 * length}, {3.93, 0.22, 0.05 * length}, {9.87, 0.06, 0.015 * length}};
}

// A coin or small plate: strongly inharmonic partials.
std::vector<Partial> metal(double length) {
    return {{1.0, 0.7, length},
            {2.76, 1.0, length * 0.8},
            {5.40, 0.6, length * 0.5},
            {8.93, 0.35, length * 0.3}};
}

std::vector<std::int16_t> finish(Synth& s, double fadeIn, double fadeOut) {
    s.fade(fadeIn, fadeOut);
    s.normalise(kPeakDb);
    return s.pcm16();
}

// ----- scheme 1: bright arcade bells -----

std::vector<std::int16_t> brightCard() {
    Synth s(0.08);
    s.noise(0.0, 0.08, 0.9, 3200, 0.9, 0.010);     // the snap of the card edge
    s.noise(0.018, 0.06, 0.45, 1800, 1.2, 0.012);  // the card landing
    s.strike(0.0, 0.08, 150, {{1.0, 1.0, 0.018}}, 0.6);
    return finish(s, 0.0008, 0.012);
}

std::vector<std::int16_t> brightHold() {
    Synth s(0.05);
    s.strike(0.0, 0.05, 1760, {{1.0, 1.0, 0.009}, {2.0, 0.4, 0.005}}, 0.8, 0.0005);
    s.noise(0.0, 0.02, 0.5, 5200, 1.0, 0.003);
    return finish(s, 0.0005, 0.01);
}

std::vector<std::int16_t> brightWin() {
    Synth s(0.8);
    const int notes[4] = {C6, E6, G6, C7};
    for (int i = 0; i < 4; ++i) {
        s.strike(0.075 * i, 0.8 - 0.075 * i, note(notes[i]), bell(0.55), 0.6 + 0.1 * i);
    }
    s.reverb(0.25, 0.7);
    return finish(s, 0.001, 0.12);
}

std::vector<std::int16_t> brightBigWin() {
    Synth s(2.5);
    // Two quick runs up, a trill, then a ringing major chord.
    const int run[8] = {C5, E5, G5, C6, E6, G6, C7, E7};
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < 8; ++i) {
            const double t = pass * 0.42 + i * 0.05;
            s.strike(t, 2.5 - t, note(run[i]), bell(0.35), 0.45);
        }
    }
    for (int i = 0; i < 10; ++i) {
        const double t = 0.85 + i * 0.06;
        s.strike(t, 2.5 - t, note(i % 2 == 0 ? G6 : C7), bell(0.25), 0.35);
    }
    const int chord[4] = {C5, G5, C6, E6};
    for (int i = 0; i < 4; ++i) {
        s.strike(1.48, 1.02, note(chord[i]), bell(1.6), 0.5);
    }
    s.strike(1.48, 1.02, note(C7), bell(1.0), 0.3);
    s.reverb(0.3, 0.9);
    return finish(s, 0.001, 0.35);
}

std::vector<std::int16_t> brightOffer() {
    Synth s(0.7);
    s.strike(0.0, 0.7, note(G6), bell(0.6), 0.7);
    s.strike(0.11, 0.59, note(C7), bell(0.7), 0.8);
    s.reverb(0.25, 0.8);
    return finish(s, 0.001, 0.12);
}

std::vector<std::int16_t> brightDoubleWin() {
    Synth s(0.9);
    const int run[6] = {C6, D6, E6, G6, A6, C7};
    for (int i = 0; i < 6; ++i) {
        s.strike(0.045 * i, 0.9 - 0.045 * i, note(run[i]), bell(0.3), 0.5);
    }
    s.strike(0.3, 0.6, note(C7), bell(0.9), 0.6);
    s.strike(0.3, 0.6, note(E7), bell(0.8), 0.45);
    s.strike(0.3, 0.6, note(G6), bell(0.9), 0.4);
    s.reverb(0.25, 0.8);
    return finish(s, 0.001, 0.15);
}

std::vector<std::int16_t> brightCash() {
    Synth s(0.035);
    s.strike(0.0, 0.035, 2400, metal(0.012), 0.8, 0.0003);
    s.noise(0.0, 0.01, 0.3, 6000, 1.5, 0.0015);
    return finish(s, 0.0003, 0.006);
}

std::vector<std::int16_t> coins(double pitch, double length, double room) {
    Synth s(0.75);
    // Coins landing in a tray: each bounce comes sooner and softer than the last.
    const double times[8] = {0.0, 0.09, 0.16, 0.22, 0.30, 0.35, 0.39, 0.42};
    const double pitches[8] = {1.0, 1.13, 0.94, 1.21, 1.05, 0.9, 1.17, 1.0};
    for (int i = 0; i < 8; ++i) {
        const double amp = 0.9 * std::pow(0.82, i);
        s.strike(times[i], 0.75 - times[i], pitch * pitches[i], metal(length), amp, 0.0004);
        s.noise(times[i], 0.02, amp * 0.3, 7000, 1.2, 0.002);
    }
    s.reverb(room, 0.6);
    return finish(s, 0.0005, 0.12);
}

std::vector<std::int16_t> brightCoins() {
    return coins(2000, 0.07, 0.2);
}

// ----- scheme 2: soft marimba -----

std::vector<std::int16_t> softCard() {
    Synth s(0.08);
    s.noise(0.0, 0.08, 0.8, 1300, 0.6, 0.016, 0.004);
    s.strike(0.004, 0.076, 110, {{1.0, 1.0, 0.02}}, 0.5, 0.003);
    return finish(s, 0.002, 0.015);
}

std::vector<std::int16_t> softHold() {
    Synth s(0.05);
    // A wood block.
    s.strike(0.0, 0.05, 1050, {{1.0, 1.0, 0.012}, {2.72, 0.35, 0.005}}, 0.8, 0.001);
    return finish(s, 0.001, 0.012);
}

std::vector<std::int16_t> softWin() {
    Synth s(0.8);
    const int notes[4] = {C5, E5, G5, C6};
    for (int i = 0; i < 4; ++i) {
        s.strike(0.09 * i, 0.8 - 0.09 * i, note(notes[i]), marimba(0.8), 0.7, 0.003);
    }
    s.reverb(0.35, 1.0);
    return finish(s, 0.002, 0.15);
}

std::vector<std::int16_t> softBigWin() {
    Synth s(2.5);
    const int phrase[12] = {C5, E5, G5, C6, G5, C6, E6, G6, E6, G6, C7, G6};
    for (int i = 0; i < 12; ++i) {
        const double t = i * 0.1;
        s.strike(t, 2.5 - t, note(phrase[i]), marimba(0.7), 0.5, 0.003);
    }
    // A rolled chord: each bar struck again and again, as marimba players sustain.
    const int chord[3] = {C5, E5, G5};
    for (int r = 0; r < 10; ++r) {
        for (int i = 0; i < 3; ++i) {
            const double t = 1.25 + r * 0.07 + i * 0.012;
            const double amp = 0.42 * std::pow(0.86, r);
            s.strike(t, 2.5 - t, note(chord[i]), marimba(0.6), amp, 0.004);
        }
    }
    s.strike(1.25, 1.25, note(C6), marimba(1.6), 0.45, 0.004);
    s.reverb(0.4, 1.1);
    return finish(s, 0.002, 0.4);
}

std::vector<std::int16_t> softOffer() {
    Synth s(0.7);
    s.strike(0.0, 0.7, note(E5), marimba(0.9), 0.7, 0.003);
    s.strike(0.12, 0.58, note(A5), marimba(1.0), 0.8, 0.003);
    s.reverb(0.35, 1.0);
    return finish(s, 0.002, 0.14);
}

std::vector<std::int16_t> softDoubleWin() {
    Synth s(0.9);
    const int run[6] = {C5, D5, E5, G5, A5, C6};
    for (int i = 0; i < 6; ++i) {
        s.strike(0.055 * i, 0.9 - 0.055 * i, note(run[i]), marimba(0.5), 0.5, 0.003);
    }
    s.strike(0.36, 0.54, note(C6), marimba(1.2), 0.6, 0.003);
    s.strike(0.36, 0.54, note(E6), marimba(1.1), 0.45, 0.003);
    s.reverb(0.35, 1.0);
    return finish(s, 0.002, 0.15);
}

std::vector<std::int16_t> softCash() {
    Synth s(0.03);
    s.strike(0.0, 0.03, 1900, {{1.0, 1.0, 0.006}, {3.93, 0.2, 0.002}}, 0.8, 0.0006);
    return finish(s, 0.0006, 0.006);
}

std::vector<std::int16_t> softCoins() {
    return coins(1300, 0.05, 0.35);
}

struct Recipe {
    const char* name;
    std::function<std::vector<std::int16_t>()> make;
};

}  // namespace

std::vector<SoundClip> soundScheme(int scheme) {
    const bool bright = scheme != 2;
    const std::vector<Recipe> recipes{
        {"dcard1", bright ? brightCard : softCard},
        {"h_card", bright ? brightHold : softHold},
        {"win", bright ? brightWin : softWin},
        {"bigwin", bright ? brightBigWin : softBigWin},
        {"show_dup", bright ? brightOffer : softOffer},
        {"dup_win", bright ? brightDoubleWin : softDoubleWin},
        {"cash", bright ? brightCash : softCash},
        {"addcrdt", bright ? brightCoins : softCoins},
    };
    std::vector<SoundClip> clips;
    for (const Recipe& r : recipes) {
        clips.push_back({QString::fromLatin1(r.name), r.make()});
    }
    return clips;
}
