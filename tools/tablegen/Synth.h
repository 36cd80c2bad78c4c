#pragma once

#include <cstdint>
#include <vector>

namespace orvane {

// One overtone of a struck tone: frequency as a multiple of the fundamental, strength,
// and the time in seconds over which it dies away to 1/e.
struct Partial {
    double Ratio;
    double Amp;
    double Decay;
};

// A mono sample buffer at 44.1 kHz with the few instruments the machine needs: struck
// tones built from partials, filtered noise bursts, a small room, fades and a limiter
// that sets the peak level.
class Synth {
  public:
    static constexpr int Rate = 44100;

    explicit Synth(double seconds);

    // A struck tone at `start` seconds: every partial rings and decays on its own; the
    // attack is a short ramp and the last 5 ms fade out so the tone never clicks.
    void Strike(double start, double duration, double freq, const std::vector<Partial>& partials,
                double amp, double attack = 0.002);
    // Band-passed white noise with an exponential decay (`decay` in seconds).
    void NoiseBurst(double start, double duration, double amp, double centreHz, double q,
                    double decay, double attack = 0.0005);
    // A Schroeder room: four damped combs into two all-pass filters, mixed in by `wet`.
    void Reverb(double wet, double size);
    // Raised-cosine fade in and out; the first and last samples become exactly zero.
    void Fade(double inSeconds, double outSeconds);
    // Scales so that the highest peak sits at `peakDb` dBFS.
    void Normalise(double peakDb);

    const std::vector<double>& Samples() const { return buf_; }
    std::vector<std::int16_t> Pcm16() const;

  private:
    std::vector<double> buf_;
    std::uint32_t noiseState_ = 0x2545f491U;
};

}  // namespace orvane
