#pragma once

#include <map>
#include <string>

#include "SettingsStore.h"

namespace orvane {

// A store that lives only as long as the object: for tests, and for a run that must
// not touch the player's own settings.
class MemoryStore : public SettingsStore {
  public:
    std::optional<std::string> Read(const std::string& name) override;
    void Write(const std::string& name, const std::string& value) override;

    // Everything stored, by name.
    const std::map<std::string, std::string>& Values() const { return values_; }

  private:
    std::map<std::string, std::string> values_;
};

}  // namespace orvane
