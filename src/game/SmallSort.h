#pragma once

#include <array>
#include <cstdint>

namespace orvane {

// Sorting of a hand's five (or four) ranks or suits. They come in random order, so
// every data-dependent branch is a coin toss for the branch predictor, and a miss costs
// more than the sort itself: a fixed network of compare-exchanges without branches.
// std::min and std::max still compile to branches here, hence the arithmetic: m is all
// ones exactly when the pair is out of order. The values are small (ranks up to 99,
// suits up to 4), so d cannot overflow.
inline void CompareExchange(std::int32_t& a, std::int32_t& b) {
    const std::int32_t d = b - a;
    const std::int32_t m = d >> 31;
    a += d & m;
    b -= d & m;
}

inline std::array<std::int32_t, 5> SortedAscending(std::array<std::int32_t, 5> v) {
    CompareExchange(v[0], v[1]);
    CompareExchange(v[3], v[4]);
    CompareExchange(v[2], v[4]);
    CompareExchange(v[2], v[3]);
    CompareExchange(v[1], v[4]);
    CompareExchange(v[0], v[3]);
    CompareExchange(v[0], v[2]);
    CompareExchange(v[1], v[3]);
    CompareExchange(v[1], v[2]);
    return v;
}

inline std::array<std::int32_t, 4> SortedAscending(std::array<std::int32_t, 4> v) {
    CompareExchange(v[0], v[1]);
    CompareExchange(v[2], v[3]);
    CompareExchange(v[0], v[2]);
    CompareExchange(v[1], v[3]);
    CompareExchange(v[1], v[2]);
    return v;
}

}  // namespace orvane
