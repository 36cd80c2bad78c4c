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

}  // namespace

std::optional<std::int32_t> ParseWholeNumber(std::string_view text) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    // The magnitude of the lowest 32-bit value is one above the highest, so the
    // limit depends on the sign.
    const std::int64_t limit = negative ? -std::int64_t{std::numeric_limits<std::int32_t>::min()}
                                        : std::int64_t{std::numeric_limits<std::int32_t>::max()};
    std::int64_t magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace orvane
