#pragma once

#include <cstdint>

namespace orvane {

// The deck's own generator: a 64-bit linear congruential generator whose seeding and
// multiplier are fixed, so a seed always yields the same deals on every platform.
class RandomSource {
  public:
    static constexpr std::uint64_t Multiplier = 0x0000015A00004E35ULL;  // 1486058704437
    static constexpr std::uint32_t SeedMultiplier = 22695477U;

    void Seed(std::uint32_t seconds) {
        const std::uint32_t low = seconds * SeedMultiplier + 1U;
        state_ = low;  // high half 0
    }

    // 0 .. 2^31 - 1
    std::uint32_t Next() {
        state_ = state_ * Multiplier + 1U;
        return static_cast<std::uint32_t>(state_ >> 32) & 0x7FFFFFFFU;
    }

    std::uint64_t State() const { return state_; }
    // Puts the generator back where State() was read, so the cards that follow are the same.
    void SetState(std::uint64_t state) { state_ = state; }

  private:
    std::uint64_t state_ = 0;
};

}  // namespace orvane
