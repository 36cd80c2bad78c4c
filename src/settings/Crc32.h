#pragma once

#include <cstdint>
#include <string_view>

namespace orvane {

// The CRC-32 of IEEE 802.3 (the one zip and PNG use), so a record file can be checked
// with common tools as well as by the game.
std::uint32_t Crc32(std::string_view bytes);

}  // namespace orvane
