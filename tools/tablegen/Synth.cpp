#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvane {

namespace {

constexpr double TwoPi = 2.0 * std::numbers::pi;

// The band-pass biquad of the audio EQ cookbook (constant 0 dB peak gain).
class BandPass {
  public:
    BandPass(double centreHz, double q) {
        const double w = TwoPi * centreHz / Synth::Rate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        b0_ = alpha / a0;
        b2_ = -alpha / a0;
        a1_ = -2.0 * std::cos(w) / a0;
        a2_ = (1.0 - alpha) / a0;
    }
    double operator()(double x) {
        const double y = b0_ * x + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

  private:
    double b0_, b2_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

class Comb {
  public:
    Comb(std::size_t length, double feedback, double damp)
        : line_(length, 0.0), feedback_(feedback), damp_(damp) {}
    double operator()(double x) {
        const double out = line_[pos_];
        store_ = out * (1.0 - damp_) + store_ * damp_;
        line_[pos_] = x + store_ * feedback_;
        pos_ = (pos_ + 1) % line_.size();
        return out;
    }

  private:
    std::vector<double> line_;
    double feedback_;
    double damp_;
    double store_ = 0.0;
    std::size_t pos_ = 0;
};

class AllPass {
  public:
    explicit AllPass(std::size_t length) : line_(length, 0.0) {}
    double operator()(double x) {
        const double delayed = line_[pos_];
        const double out = -x + delayed;
        line_[pos_] = x + delayed * 0.5;
        pos_ = (pos_ + 1) % line_.size();
        return out;
    }

  private:
    std::vector<double> line_;
    std::size_t pos_ = 0;
};

std::size_t ToIndex(double seconds) {
    return static_cast<std::size_t>(std::max(0.0, std::round(seconds * Synth::Rate)));
}

}  // namespace

Synth::Synth(double seconds) : buf_(ToIndex(seconds), 0.0) {}

void Synth::Strike(double start, double duration, double freq, const std::vector<Partial>& partials,
                   double amp, double attack) {
    const std::size_t first = ToIndex(start);
    const std::size_t count =
        std::min(ToIndex(duration), buf_.size() - std::min(first, buf_.size()));
    const double release = 0.005;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / Rate;
        double env = attack > 0.0 ? std::min(1.0, t / attack) : 1.0;
        const double left = duration - t;
        if (left < release) {
            env *= std::max(0.0, left / release);
        }
        double v = 0.0;
        for (const Partial& p : partials) {
            const double f = freq * p.Ratio;
            // Above 16 kHz a partial only adds hiss on small speakers and nears aliasing.
            if (f > 16000.0) {
                continue;
            }
            v += p.Amp * std::exp(-t / p.Decay) * std::sin(TwoPi * f * t);
        }
        buf_[first + i] += amp * env * v;
    }
}

void Synth::NoiseBurst(double start, double duration, double amp, double centreHz, double q,
                       double decay, double attack) {
    BandPass filter(centreHz, q);
    const std::size_t first = ToIndex(start);
    const std::size_t count =
        std::min(ToIndex(duration), buf_.size() - std::min(first, buf_.size()));
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / Rate;
        noiseState_ ^= noiseState_ << 13;
        noiseState_ ^= noiseState_ >> 17;
        noiseState_ ^= noiseState_ << 5;
        const double white = static_cast<double>(noiseState_) / 4294967295.0 * 2.0 - 1.0;
        const double env = std::min(1.0, attack > 0 ? t / attack : 1.0) * std::exp(-t / decay);
        buf_[first + i] += amp * env * filter(white);
    }
}

void Synth::Reverb(double wet, double size) {
    const double combLengths[4] = {1116, 1188, 1277, 1356};
    std::vector<Comb> combs;
    for (double len : combLengths) {
        combs.emplace_back(static_cast<std::size_t>(len * size), 0.78, 0.3);
    }
    AllPass ap1(static_cast<std::size_t>(556 * size));
    AllPass ap2(static_cast<std::size_t>(441 * size));
    for (double& s : buf_) {
        double sum = 0.0;
        for (Comb& c : combs) {
            sum += c(s * 0.25);
        }
        s = s * (1.0 - wet * 0.5) + ap2(ap1(sum)) * wet;
    }
}

void Synth::Fade(double inSeconds, double outSeconds) {
    const std::size_t n = buf_.size();
    const std::size_t in = std::min(n, ToIndex(inSeconds));
    const std::size_t out = std::min(n, ToIndex(outSeconds));
    for (std::size_t i = 0; i < in; ++i) {
        buf_[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) /
                                        static_cast<double>(in));
    }
    for (std::size_t i = 0; i < out; ++i) {
        const double g = 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) /
                                              static_cast<double>(out));
        buf_[n - 1 - i] *= g;
    }
}

void Synth::Normalise(double peakDb) {
    double peak = 0.0;
    for (double s : buf_) {
        peak = std::max(peak, std::fabs(s));
    }
    if (peak <= 0.0) {
        return;
    }
    const double gain = std::pow(10.0, peakDb / 20.0) / peak;
    for (double& s : buf_) {
        s *= gain;
    }
}

std::vector<std::int16_t> Synth::Pcm16() const {
    std::vector<std::int16_t> out(buf_.size());
    std::transform(buf_.begin(), buf_.end(), out.begin(), [](double s) {
        return static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767.0));
    });
    return out;
}

}  // namespace orvane
