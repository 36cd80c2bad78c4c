#pragma once

#include <optional>
#include <string>

namespace orvane {

// Where the settings live between runs: named text values, one per setting. The
// settings object reaches it only through TSettings::AccessValue, so a test can put an
// in-memory store in place of the player's own.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    // The text stored under name, or nothing when there is no such value.
    virtual std::optional<std::string> Read(const std::string& name) = 0;
    virtual void Write(const std::string& name, const std::string& value) = 0;

    // Makes what was written last beyond this run. False when the store could not be
    // written; the values stay in memory and the next save tries again.
    virtual bool Flush() { return true; }
};

}  // namespace orvane
