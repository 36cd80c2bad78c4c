#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvane {

// Named values as decimal text, in the order they were given.
using CriticalRecords = std::vector<std::pair<std::string, std::string>>;

// One saved state of the critical values: what was saved, its place in the line of
// saves, and when (seconds since 1970, for telling the player which copy was used).
struct CriticalContent {
    std::uint64_t Sequence = 0;
    std::int64_t SavedAt = 0;
    CriticalRecords Records;
};

// What the record file accepts, so a damaged or hostile file can never make the game
// allocate or loop without end.
struct CriticalLimits {
    static constexpr std::size_t MaxFileBytes = 1024 * 1024;
    static constexpr std::size_t MaxRecords = 10000;
    static constexpr std::size_t MaxNameLength = 128;
    static constexpr std::size_t MaxValueLength = 4096;
};

// The format's version, written on the first line; a file of another version is refused.
inline constexpr int CriticalFormatVersion = 1;

struct EncodedRecords {
    std::optional<std::string> Bytes;
    std::string Failure;  // why there are no bytes
};

struct DecodedRecords {
    std::optional<CriticalContent> Content;
    std::string Failure;  // why there is no content, in words for the player
};

// The bytes of a record file:
//   orvane-critical 1
//   sequence <n>
//   saved <seconds>
//   records <count>
//   <name>=<value>        (count lines)
//   crc32 <8 lower-case hex digits over every byte before this line>
// Names are 1..MaxNameLength printable ASCII characters without '=' or blanks; values are
// 0..MaxValueLength printable ASCII characters. Anything else is refused, not written.
EncodedRecords EncodeRecords(const CriticalContent& content);

// Reads what EncodeRecords wrote, checking every line, the count, the limits and the
// checksum. Never fails hard: any input at all gives content or a reason.
DecodedRecords DecodeRecords(std::string_view bytes);

}  // namespace orvane
