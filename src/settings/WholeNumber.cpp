#include "WholeNumber.h"

#include <limits>

namespace orvane {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The magnitude is gathered as unsigned, which holds the lowest 64-bit value's magnitude
// (one above the highest), so the limit depends on the sign.
template <typename Number>
std::optional<Number> ParseSigned(std::string_view text) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    const std::uint64_t highest = static_cast<std::uint64_t>(std::numeric_limits<Number>::max());
    const std::uint64_t limit = negative ? highest + 1 : highest;
    std::uint64_t magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (magnitude > (limit - digit) / 10) {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + digit;
    }
    if (!negative) {
        return static_cast<Number>(magnitude);
    }
    // Negating in unsigned arithmetic and converting back reaches the lowest value too.
    return static_cast<Number>(static_cast<std::int64_t>(~magnitude + 1));
}

}  // namespace

std::optional<std::int32_t> ParseWholeNumber(std::string_view text) {
    return ParseSigned<std::int32_t>(text);
}

std::optional<std::int64_t> ParseWholeNumber64(std::string_view text) {
    return ParseSigned<std::int64_t>(text);
}

}  // namespace orvane
