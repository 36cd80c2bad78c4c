#pragma once

#include <span>

namespace orvane {

// The record of a catalog with this ID, or nullptr when there is none. Stored settings
// carry the IDs, so any number can arrive here.
template <typename Record>
const Record* FindById(std::span<const Record> records, int id) {
    for (const Record& record : records) {
        if (record.ID == id) {
            return &record;
        }
    }
    return nullptr;
}

}  // namespace orvane
