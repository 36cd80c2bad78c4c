#include "SoundSchemes.h"

#include <cmath>
#include <functional>

#include "Synth.h"

namespace orvane {

namespace {

constexpr double PeakDb = -3.0;

double Note(int semitonesFromA4) {
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

// Semitones from A4 of the notes used below.
constexpr int C5 = 3, D5 = 5, E5 = 7, G5 = 10, A5 = 12, C6 = 15, D6 = 17, E6 = 19, G6 = 22, A6 = 24,
              C7 = 27, E7 = 31;

// A bright bell: a strong fundamental with slightly stretched upper partials.
std::vector<Partial> BellPartials(double length) {
    return {{1.0, 1.0, 0.55 * length},
            {2.0, 0.55, 0.30 * length},
            {3.01, 0.32, 0.18 * length},
            {4.16, 0.22, 0.11 * length},
            {5.43, 0.14, 0.07 * length}};
}

// A marimba bar: the fundamental with the bar's fourth and tenth overtones that die fast.
std::vector<Partial> MarimbaPartials(double length) {
    return {{1.0, 1.0, 0.42 * length}, {3.93, 0.22, 0.05 * length}, {9.87, 0.06, 0.015 * length}};
}

// A coin or small plate: strongly inharmonic partials.
std::vector<Partial> MetalPartials(double length) {
    return {{1.0, 0.7, length},
            {2.76, 1.0, length * 0.8},
            {5.40, 0.6, length * 0.5},
            {8.93, 0.35, length * 0.3}};
}

std::vector<std::int16_t> Finish(Synth& s, double fadeIn, double fadeOut) {
    s.Fade(fadeIn, fadeOut);
    s.Normalise(PeakDb);
    return s.Pcm16();
}

// ----- scheme 1: bright arcade bells -----

std::vector<std::int16_t> BrightCard() {
    Synth s(0.08);
    s.NoiseBurst(0.0, 0.08, 0.9, 3200, 0.9, 0.010);     // the snap of the card edge
    s.NoiseBurst(0.018, 0.06, 0.45, 1800, 1.2, 0.012);  // the card landing
    s.Strike(0.0, 0.08, 150, {{1.0, 1.0, 0.018}}, 0.6);
    return Finish(s, 0.0008, 0.012);
}

std::vector<std::int16_t> BrightHold() {
    Synth s(0.05);
    s.Strike(0.0, 0.05, 1760, {{1.0, 1.0, 0.009}, {2.0, 0.4, 0.005}}, 0.8, 0.0005);
    s.NoiseBurst(0.0, 0.02, 0.5, 5200, 1.0, 0.003);
    return Finish(s, 0.0005, 0.01);
}

std::vector<std::int16_t> BrightWin() {
    Synth s(0.8);
    const int notes[4] = {C6, E6, G6, C7};
    for (int i = 0; i < 4; ++i) {
        s.Strike(0.075 * i, 0.8 - 0.075 * i, Note(notes[i]), BellPartials(0.55), 0.6 + 0.1 * i);
    }
    s.Reverb(0.25, 0.7);
    return Finish(s, 0.001, 0.12);
}

std::vector<std::int16_t> BrightBigWin() {
    Synth s(2.5);
    // Two quick runs up, a trill, then a ringing major chord.
    const int run[8] = {C5, E5, G5, C6, E6, G6, C7, E7};
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < 8; ++i) {
            const double t = pass * 0.42 + i * 0.05;
            s.Strike(t, 2.5 - t, Note(run[i]), BellPartials(0.35), 0.45);
        }
    }
    for (int i = 0; i < 10; ++i) {
        const double t = 0.85 + i * 0.06;
        s.Strike(t, 2.5 - t, Note(i % 2 == 0 ? G6 : C7), BellPartials(0.25), 0.35);
    }
    const int chord[4] = {C5, G5, C6, E6};
    for (int i = 0; i < 4; ++i) {
        s.Strike(1.48, 1.02, Note(chord[i]), BellPartials(1.6), 0.5);
    }
    s.Strike(1.48, 1.02, Note(C7), BellPartials(1.0), 0.3);
    s.Reverb(0.3, 0.9);
    return Finish(s, 0.001, 0.35);
}

std::vector<std::int16_t> BrightOffer() {
    Synth s(0.7);
    s.Strike(0.0, 0.7, Note(G6), BellPartials(0.6), 0.7);
    s.Strike(0.11, 0.59, Note(C7), BellPartials(0.7), 0.8);
    s.Reverb(0.25, 0.8);
    return Finish(s, 0.001, 0.12);
}

std::vector<std::int16_t> BrightDoubleWin() {
    Synth s(0.9);
    const int run[6] = {C6, D6, E6, G6, A6, C7};
    for (int i = 0; i < 6; ++i) {
        s.Strike(0.045 * i, 0.9 - 0.045 * i, Note(run[i]), BellPartials(0.3), 0.5);
    }
    s.Strike(0.3, 0.6, Note(C7), BellPartials(0.9), 0.6);
    s.Strike(0.3, 0.6, Note(E7), BellPartials(0.8), 0.45);
    s.Strike(0.3, 0.6, Note(G6), BellPartials(0.9), 0.4);
    s.Reverb(0.25, 0.8);
    return Finish(s, 0.001, 0.15);
}

std::vector<std::int16_t> BrightCash() {
    Synth s(0.035);
    s.Strike(0.0, 0.035, 2400, MetalPartials(0.012), 0.8, 0.0003);
    s.NoiseBurst(0.0, 0.01, 0.3, 6000, 1.5, 0.0015);
    return Finish(s, 0.0003, 0.006);
}

std::vector<std::int16_t> Coins(double pitch, double length, double room) {
    Synth s(0.75);
    // Coins landing in a tray: each bounce comes sooner and softer than the last.
    const double times[8] = {0.0, 0.09, 0.16, 0.22, 0.30, 0.35, 0.39, 0.42};
    const double pitches[8] = {1.0, 1.13, 0.94, 1.21, 1.05, 0.9, 1.17, 1.0};
    for (int i = 0; i < 8; ++i) {
        const double amp = 0.9 * std::pow(0.82, i);
        s.Strike(times[i], 0.75 - times[i], pitch * pitches[i], MetalPartials(length), amp, 0.0004);
        s.NoiseBurst(times[i], 0.02, amp * 0.3, 7000, 1.2, 0.002);
    }
    s.Reverb(room, 0.6);
    return Finish(s, 0.0005, 0.12);
}

std::vector<std::int16_t> BrightCoins() {
    return Coins(2000, 0.07, 0.2);
}

// ----- scheme 2: soft marimba -----

std::vector<std::int16_t> SoftCard() {
    Synth s(0.08);
    s.NoiseBurst(0.0, 0.08, 0.8, 1300, 0.6, 0.016, 0.004);
    s.Strike(0.004, 0.076, 110, {{1.0, 1.0, 0.02}}, 0.5, 0.003);
    return Finish(s, 0.002, 0.015);
}

std::vector<std::int16_t> SoftHold() {
    Synth s(0.05);
    // A wood block.
    s.Strike(0.0, 0.05, 1050, {{1.0, 1.0, 0.012}, {2.72, 0.35, 0.005}}, 0.8, 0.001);
    return Finish(s, 0.001, 0.012);
}

std::vector<std::int16_t> SoftWin() {
    Synth s(0.8);
    const int notes[4] = {C5, E5, G5, C6};
    for (int i = 0; i < 4; ++i) {
        s.Strike(0.09 * i, 0.8 - 0.09 * i, Note(notes[i]), MarimbaPartials(0.8), 0.7, 0.003);
    }
    s.Reverb(0.35, 1.0);
    return Finish(s, 0.002, 0.15);
}

std::vector<std::int16_t> SoftBigWin() {
    Synth s(2.5);
    const int phrase[12] = {C5, E5, G5, C6, G5, C6, E6, G6, E6, G6, C7, G6};
    for (int i = 0; i < 12; ++i) {
        const double t = i * 0.1;
        s.Strike(t, 2.5 - t, Note(phrase[i]), MarimbaPartials(0.7), 0.5, 0.003);
    }
    // A rolled chord: each bar struck again and again, as marimba players sustain.
    const int chord[3] = {C5, E5, G5};
    for (int r = 0; r < 10; ++r) {
        for (int i = 0; i < 3; ++i) {
            const double t = 1.25 + r * 0.07 + i * 0.012;
            const double amp = 0.42 * std::pow(0.86, r);
            s.Strike(t, 2.5 - t, Note(chord[i]), MarimbaPartials(0.6), amp, 0.004);
        }
    }
    s.Strike(1.25, 1.25, Note(C6), MarimbaPartials(1.6), 0.45, 0.004);
    s.Reverb(0.4, 1.1);
    return Finish(s, 0.002, 0.4);
}

std::vector<std::int16_t> SoftOffer() {
    Synth s(0.7);
    s.Strike(0.0, 0.7, Note(E5), MarimbaPartials(0.9), 0.7, 0.003);
    s.Strike(0.12, 0.58, Note(A5), MarimbaPartials(1.0), 0.8, 0.003);
    s.Reverb(0.35, 1.0);
    return Finish(s, 0.002, 0.14);
}

std::vector<std::int16_t> SoftDoubleWin() {
    Synth s(0.9);
    const int run[6] = {C5, D5, E5, G5, A5, C6};
    for (int i = 0; i < 6; ++i) {
        s.Strike(0.055 * i, 0.9 - 0.055 * i, Note(run[i]), MarimbaPartials(0.5), 0.5, 0.003);
    }
    s.Strike(0.36, 0.54, Note(C6), MarimbaPartials(1.2), 0.6, 0.003);
    s.Strike(0.36, 0.54, Note(E6), MarimbaPartials(1.1), 0.45, 0.003);
    s.Reverb(0.35, 1.0);
    return Finish(s, 0.002, 0.15);
}

std::vector<std::int16_t> SoftCash() {
    Synth s(0.03);
    s.Strike(0.0, 0.03, 1900, {{1.0, 1.0, 0.006}, {3.93, 0.2, 0.002}}, 0.8, 0.0006);
    return Finish(s, 0.0006, 0.006);
}

std::vector<std::int16_t> SoftCoins() {
    return Coins(1300, 0.05, 0.35);
}

struct Recipe {
    const char* Name;
    std::function<std::vector<std::int16_t>()> Make;
};

}  // namespace

std::vector<SoundClip> SoundScheme(int scheme) {
    const bool bright = scheme != 2;
    const std::vector<Recipe> recipes{
        {"dcard1", bright ? BrightCard : SoftCard},
        {"h_card", bright ? BrightHold : SoftHold},
        {"win", bright ? BrightWin : SoftWin},
        {"bigwin", bright ? BrightBigWin : SoftBigWin},
        {"show_dup", bright ? BrightOffer : SoftOffer},
        {"dup_win", bright ? BrightDoubleWin : SoftDoubleWin},
        {"cash", bright ? BrightCash : SoftCash},
        {"addcrdt", bright ? BrightCoins : SoftCoins},
    };
    std::vector<SoundClip> clips;
    for (const Recipe& r : recipes) {
        clips.push_back({QString::fromLatin1(r.Name), r.Make()});
    }
    return clips;
}

}  // namespace orvane
