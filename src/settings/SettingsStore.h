#pragma once

#include <optional>
#include <string>
#include <vector>

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

    // What was found wrong with the store when it was opened, in words for the player,
    // each naming the store's place; empty when all was well.
    virtual std::vector<std::string> OpeningProblems() const { return {}; }
    // Why the last Flush failed ("the file is read-only"); empty when it is not known.
    virtual std::string WriteFailure() const { return {}; }
    // Where the values live, for messages (a file's path).
    virtual std::string Where() const { return {}; }
    // True when the store refuses every write on purpose (an opening problem said why),
    // so a failing Flush is no news.
    virtual bool WritesHeldBack() const { return false; }
};

}  // namespace orvane
