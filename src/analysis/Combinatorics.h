#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace orvane::analysis {

// Cards are numbered 0..52 here (a card value less one), so that a set of cards is a
// 64-bit mask and a sorted set of k cards has one dense index among all k-sets.
using CardMask = std::uint64_t;

inline constexpr int MaxDeck = 53;

constexpr CardMask CardBit(int card) {
    return CardMask{1} << static_cast<unsigned>(card);
}

// The set of the given cards; with `kept`, only those whose bit i is set for position i.
template <std::size_t N>
constexpr CardMask MaskOf(const std::array<int, N>& cards, unsigned kept = ~0U) {
    CardMask mask = 0;
    for (std::size_t i = 0; i < N; ++i) {
        if ((kept >> i & 1U) != 0) {
            mask |= CardBit(cards[i]);
        }
    }
    return mask;
}

// Binomial coefficients C(n, k) for n up to the deck size and k up to 5.
class Binomial {
  public:
    static constexpr std::int64_t Of(int n, int k) {
        if (k < 0 || n < k) {
            return 0;
        }
        std::int64_t r = 1;
        for (int i = 1; i <= k; ++i) {
            r = r * (n - k + i) / i;
        }
        return r;
    }
};

namespace detail {
constexpr std::array<std::array<std::uint32_t, 6>, MaxDeck + 1> MakeBinomials() {
    std::array<std::array<std::uint32_t, 6>, MaxDeck + 1> t{};
    for (int n = 0; n <= MaxDeck; ++n) {
        for (int k = 0; k <= 5; ++k) {
            t[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)] =
                static_cast<std::uint32_t>(Binomial::Of(n, k));
        }
    }
    return t;
}
inline constexpr auto Binomials = MakeBinomials();
}  // namespace detail

// The colexicographic index of a set of up to five cards among all sets of its size:
// the i-th lowest card c (from 0) adds C(c, i + 1). Dense, so a table per set size is a
// plain array.
inline std::uint32_t SubsetIndex(CardMask set) {
    std::uint32_t index = 0;
    std::size_t i = 1;
    while (set != 0) {
        const auto card = static_cast<std::size_t>(std::countr_zero(set));
        index += detail::Binomials[card][i];
        set &= set - 1;
        ++i;
    }
    return index;
}

inline int CardCount(CardMask set) {
    return std::popcount(set);
}

}  // namespace orvane::analysis
