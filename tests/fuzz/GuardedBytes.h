#pragma once

#include <cstddef>

#include "FuzzTarget.h"

namespace orvane::fuzz {

// A copy of the input whose last byte sits right before an inaccessible page, so a read
// one byte past the end faults at once, also in code built without a sanitizer (Qt's own).
class GuardedBytes {
  public:
    explicit GuardedBytes(FuzzBytes bytes);
    ~GuardedBytes();
    GuardedBytes(const GuardedBytes&) = delete;
    GuardedBytes& operator=(const GuardedBytes&) = delete;

    const char* Data() const { return data_; }
    std::size_t Size() const { return size_; }

  private:
    char* mapping_ = nullptr;
    std::size_t mappingSize_ = 0;
    const char* data_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace orvane::fuzz
