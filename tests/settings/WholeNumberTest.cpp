#include <gtest/gtest.h>

#include <limits>

#include "settings/WholeNumber.h"

namespace orvane::test {
namespace {

TEST(WholeNumber, ReadsSignedDecimalTextWithBlanksAround) {
    EXPECT_EQ(ParseWholeNumber("0"), 0);
    EXPECT_EQ(ParseWholeNumber("1100"), 1100);
    EXPECT_EQ(ParseWholeNumber("-25"), -25);
    EXPECT_EQ(ParseWholeNumber("+7"), 7);
    EXPECT_EQ(ParseWholeNumber("  42\t"), 42);
    EXPECT_EQ(ParseWholeNumber("007"), 7);
}

TEST(WholeNumber, TakesBothEndsOfThe32BitRange) {
    EXPECT_EQ(ParseWholeNumber("2147483647"), 2147483647);
    EXPECT_EQ(ParseWholeNumber("-2147483648"), std::numeric_limits<std::int32_t>::min());
}

TEST(WholeNumber, RefusesAnythingElse) {
    for (const char* text : {"", " ", "abc", "12a", "1.5", "1e3", "0x10", "+", "-", "- 5", "1 2",
                             "--1", "2147483648", "-2147483649", "99999999999999999999"}) {
        EXPECT_FALSE(ParseWholeNumber(text).has_value()) << '"' << text << '"';
    }
}

TEST(WholeNumber, SixtyFourBitsTakeBothEndsOfTheirRangeAndNothingBeyond) {
    EXPECT_EQ(ParseWholeNumber64("9223372036854775807"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(ParseWholeNumber64("-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(ParseWholeNumber64(" 2147483648 "), 2147483648LL);
    EXPECT_EQ(ParseWholeNumber64("-7"), -7);
    for (const char* text : {"", "abc", "9223372036854775808", "-9223372036854775809",
                             "18446744073709551616", "99999999999999999999", "1 2"}) {
        EXPECT_FALSE(ParseWholeNumber64(text).has_value()) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace orvane::test
