#include "MemoryStore.h"

namespace orvane {

std::optional<std::string> MemoryStore::Read(const std::string& name) {
    const auto found = values_.find(name);
    if (found == values_.end()) {
        return std::nullopt;
    }
    return found->second;
}

void MemoryStore::Write(const std::string& name, const std::string& value) {
    values_[name] = value;
}

}  // namespace orvane
