#pragma once

#include <cstdint>
#include <limits>

namespace orvane {

// Amounts are 32-bit like the stored values, but no sum or product of them may wrap:
// these clamp to the 32-bit range instead.
inline constexpr std::int32_t MaxAmount = std::numeric_limits<std::int32_t>::max();

constexpr std::int32_t Clamp32(std::int64_t v) {
    if (v > MaxAmount) {
        return MaxAmount;
    }
    if (v < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(v);
}

constexpr std::int32_t SaturatingAdd(std::int32_t a, std::int32_t b) {
    return Clamp32(std::int64_t{a} + std::int64_t{b});
}

constexpr std::int32_t SaturatingMul(std::int32_t a, std::int32_t b) {
    return Clamp32(std::int64_t{a} * std::int64_t{b});
}

// Statistics counters are 64-bit; only a hand-edited store brings one near the ceiling.
constexpr std::int64_t SaturatingAdd64(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        return b > 0 ? std::numeric_limits<std::int64_t>::max()
                     : std::numeric_limits<std::int64_t>::min();
    }
    return sum;
}

}  // namespace orvane
