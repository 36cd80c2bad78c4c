#include "Noise.h"

#include <cmath>

namespace orvane {

namespace {

std::uint32_t Mix(std::uint32_t h) {
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return h;
}

double Smooth(double t) {
    return t * t * (3.0 - 2.0 * t);
}

}  // namespace

double Noise::Lattice(int x, int y) const {
    const auto ux = static_cast<std::uint32_t>(x);
    const auto uy = static_cast<std::uint32_t>(y);
    const std::uint32_t h = Mix(ux * 0x9e3779b1U ^ Mix(uy + 0x632be5abU) ^ seed_);
    return static_cast<double>(h & 0xffffffU) / static_cast<double>(0xffffffU);
}

double Noise::Value(double x, double y) const {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const double tx = Smooth(x - fx);
    const double ty = Smooth(y - fy);
    const double top = Lattice(ix, iy) + (Lattice(ix + 1, iy) - Lattice(ix, iy)) * tx;
    const double bottom =
        Lattice(ix, iy + 1) + (Lattice(ix + 1, iy + 1) - Lattice(ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
}

double Noise::Fbm(double x, double y, int octaves, double gain) const {
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (int i = 0; i < octaves; ++i) {
        // Offset each octave so the lattice points of the layers do not line up.
        sum += weight * Value(x + 17.31 * i, y - 9.77 * i);
        total += weight;
        weight *= gain;
        x *= 2.0;
        y *= 2.0;
    }
    return sum / total;
}

double Noise::White(int x, int y) const {
    return Lattice(x, y) * 2.0 - 1.0;
}

}  // namespace orvane
