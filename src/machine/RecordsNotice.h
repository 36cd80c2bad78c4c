#pragma once

#include <string>

namespace orvane {

// What the player is told when the records stop being saved and when they are saved again.
// folder: where the records live; reason: the system's words for the failure.
std::string RecordsNotKeptNotice(const std::string& folder, const std::string& reason);
std::string RecordsKeptAgainNotice(const std::string& folder);
// A coin refused for that reason.
std::string CoinRefusedNotice(const std::string& folder);

// The folder part of a file's path.
std::string FolderOf(const std::string& path);

}  // namespace orvane
