#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "GuardedBytes.h"

namespace orvane::fuzz {
namespace {

// The resource bundle target relies on the guard to catch reads past the end in Qt's own
// code, which no sanitizer watches.
TEST(GuardedBytes, HoldsTheInputAndFaultsOneBytePastIt) {
    const std::array<std::uint8_t, 5> input = {1, 2, 3, 4, 5};
    const GuardedBytes guarded(input);
    ASSERT_EQ(guarded.Size(), input.size());
    for (std::size_t i = 0; i < input.size(); ++i) {
        EXPECT_EQ(static_cast<std::uint8_t>(guarded.Data()[i]), input[i]);
    }
    const volatile char* past = guarded.Data() + guarded.Size();
    EXPECT_DEATH(static_cast<void>(*past), "");
}

TEST(GuardedBytes, EmptyInputIsAllowed) {
    const GuardedBytes guarded(FuzzBytes{});
    EXPECT_EQ(guarded.Size(), 0U);
    EXPECT_NE(guarded.Data(), nullptr);
}

}  // namespace
}  // namespace orvane::fuzz
