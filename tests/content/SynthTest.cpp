#include "Synth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

double peakOf(const std::vector<double>& s) {
    double p = 0;
    for (double v : s) {
        p = std::max(p, std::fabs(v));
    }
    return p;
}

double energy(const std::vector<double>& s, std::size_t from, std::size_t to) {
    double e = 0;
    for (std::size_t i = from; i < to; ++i) {
        e += s[i] * s[i];
    }
    return e;
}

int zeroCrossings(const std::vector<double>& s, std::size_t from, std::size_t to) {
    int n = 0;
    for (std::size_t i = from + 1; i < to; ++i) {
        n += (s[i - 1] < 0) != (s[i] < 0) ? 1 : 0;
    }
    return n;
}

}  // namespace

TEST(Synth, StrikeRingsAtItsPitchAndDiesAway) {
    Synth s(0.5);
    s.Strike(0.0, 0.5, 1000.0, {{1.0, 1.0, 0.1}}, 0.5);
    const auto& b = s.Samples();
    ASSERT_EQ(b.size(), 22050u);
    // 1 kHz crosses zero 2000 times a second: about 200 times in the first 0.1 s.
    EXPECT_NEAR(zeroCrossings(b, 0, 4410), 200, 2);
    EXPECT_GT(energy(b, 0, 4410), 10 * energy(b, 17640, 22050));
}

TEST(Synth, StrikeLeavesOutPartialsAboveSixteenKilohertz) {
    Synth s(0.1);
    s.Strike(0.0, 0.1, 9000.0, {{2.0, 1.0, 0.05}}, 0.5);
    EXPECT_EQ(peakOf(s.Samples()), 0.0);
}

TEST(Synth, StrikeStartsAtItsTimeAndMixesIntoTheBuffer) {
    Synth s(0.2);
    s.Strike(0.1, 0.1, 500.0, {{1.0, 1.0, 0.5}}, 0.3);
    const auto& b = s.Samples();
    EXPECT_EQ(energy(b, 0, 4410), 0.0);
    EXPECT_GT(energy(b, 4410, 8820), 0.0);
    // A tone never runs past the end of the buffer, whatever duration it asks for.
    Synth late(0.05);
    late.Strike(0.04, 1.0, 500.0, {{1.0, 1.0, 0.5}}, 0.3);
    EXPECT_EQ(late.Samples().size(), 2205u);
}

TEST(Synth, NoiseBurstDecays) {
    Synth s(0.1);
    s.NoiseBurst(0.0, 0.1, 1.0, 3000, 1.0, 0.01);
    const auto& b = s.Samples();
    EXPECT_GT(energy(b, 0, 441), 100 * energy(b, 3969, 4410));
}

TEST(Synth, NormaliseSetsThePeakLevel) {
    Synth s(0.1);
    s.Strike(0.0, 0.1, 440.0, {{1.0, 1.0, 0.5}}, 0.1);
    s.Normalise(-3.0);
    EXPECT_NEAR(peakOf(s.Samples()), std::pow(10.0, -3.0 / 20.0), 1e-9);
    const std::vector<std::int16_t> pcm = s.Pcm16();
    const int hi = std::abs(static_cast<int>(*std::max_element(
        pcm.begin(), pcm.end(), [](auto a, auto b) { return std::abs(a) < std::abs(b); })));
    EXPECT_NEAR(hi, 23197, 1);

    Synth silent(0.1);
    silent.Normalise(-3.0);  // nothing to scale: stays silent instead of dividing by zero
    EXPECT_EQ(peakOf(silent.Samples()), 0.0);
}

TEST(Synth, FadeSilencesBothEnds) {
    Synth s(0.1);
    s.NoiseBurst(0.0, 0.1, 1.0, 2000, 0.7, 1.0, 0.0);
    s.Fade(0.005, 0.02);
    const auto& b = s.Samples();
    EXPECT_EQ(b.front(), 0.0);
    EXPECT_NEAR(b.back(), 0.0, 1e-6);
    EXPECT_LT(energy(b, b.size() - 100, b.size()), energy(b, 2000, 2100));
}

TEST(Synth, ReverbLeavesATailAfterAClick) {
    Synth dry(0.3);
    dry.Strike(0.0, 0.01, 1000.0, {{1.0, 1.0, 0.002}}, 0.8);
    Synth wet = dry;
    wet.Reverb(0.3, 0.8);
    const auto& d = dry.Samples();
    const auto& w = wet.Samples();
    EXPECT_EQ(energy(d, 4410, 8820), 0.0);
    EXPECT_GT(energy(w, 4410, 8820), 0.0);
    EXPECT_LT(peakOf(w), 1.0);  // the room is stable: it rings down, never up
    EXPECT_GT(energy(w, 2000, 4000), energy(w, 10000, 12000));
}

TEST(Synth, PcmClampsInsteadOfWrapping) {
    Synth s(0.01);
    s.Strike(0.0, 0.01, 1000.0, {{1.0, 1.0, 1.0}}, 4.0);
    const std::vector<std::int16_t> pcm = s.Pcm16();
    const auto [lo, hi] = std::minmax_element(pcm.begin(), pcm.end());
    EXPECT_EQ(*hi, 32767);
    EXPECT_EQ(*lo, -32767);
}

}  // namespace orvane
