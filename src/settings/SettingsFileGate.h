#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// Far above any settings file the game writes, far below what would hurt to hold.
inline constexpr std::int64_t MaxSettingsFileBytes = 4 * 1024 * 1024;

// Why the file at path must not be read, in words for the player; "" when it may be read
// or is not there. A link to a device or a pipe put in the file's place would otherwise
// be read without end or hold the start for ever.
std::string RefusalToRead(const std::string& path, std::int64_t limit);

// The settings file holds the credit kept for the next run and every meter: only its
// owner may read it. The folder is closed too when it is the game's own.
void KeepPrivate(const std::string& file, bool folderToo);

}  // namespace orvane
