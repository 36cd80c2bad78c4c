#include "Noise.h"

#include <cmath>

namespace {

std::uint32_t mix(std::uint32_t h) {
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return h;
}

double smooth(double t) {
    return t * t * (3.0 - 2.0 * t);
}

}  // namespace

double Noise::lattice(int x, int y) const {
    const auto ux = static_cast<std::uint32_t>(x);
    const auto uy = static_cast<std::uint32_t>(y);
    const std::uint32_t h = mix(ux * 0x9e3779b1U ^ mix(uy + 0x632be5abU) ^ seed_);
    return static_cast<double>(h & 0xffffffU) / static_cast<double>(0xffffffU);
}

double Noise::value(double x, double y) const {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const double tx = smooth(x - fx);
    const double ty = smooth(y - fy);
    const double top = lattice(ix, iy) + (lattice(ix + 1, iy) - lattice(ix, iy)) * tx;
    const double bottom =
        lattice(ix, iy + 1) + (lattice(ix + 1, iy + 1) - lattice(ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
}

double Noise::fbm(double x, double y, int octaves, double gain) const {
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (int i = 0; i < octaves; ++i) {
        // Offset each octave so the lattice points of the layers do not line up.
        sum += weight * value(x + 17.31 * i, y - 9.77 * i);
        total += weight;
        weight *= gain;
        x *= 2.0;
        y *= 2.0;
    }
    return sum / total;
}

double Noise::white(int x, int y) const {
    return lattice(x, y) * 2.0 - 1.0;
}
