#pragma once

#include <cstdint>

namespace orvane {

// Deterministic value noise: the same seed paints the same felt, grain and hills on
// every build, so the generated pictures never change unless their code does.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : seed_(seed) {}

    // Smoothly interpolated noise in [0, 1], one lattice cell per unit.
    double Value(double x, double y) const;
    // Fractal sum of `octaves` layers, each twice as fine and `gain` times as strong; [0, 1].
    double Fbm(double x, double y, int octaves, double gain = 0.5) const;
    // Uncorrelated noise per integer point, in [-1, 1].
    double White(int x, int y) const;

  private:
    double Lattice(int x, int y) const;
    std::uint32_t seed_;
};

}  // namespace orvane
