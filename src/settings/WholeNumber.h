#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace orvane {

// Reads a stored number: optional blanks around it, an optional sign, decimal digits,
// and a value that fits in 32 bits. Anything else gives no value, so a damaged entry
// is told apart from a genuine number instead of being read as 0.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);

// The same for a value that fits in 64 bits (the statistics counters).
std::optional<std::int64_t> ParseWholeNumber64(std::string_view text);

}  // namespace orvane
