#include "GuardedBytes.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstring>

namespace orvane::fuzz {

GuardedBytes::GuardedBytes(FuzzBytes bytes) : size_(bytes.size()) {
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    const std::size_t usable = (size_ + page - 1) / page * page;
    mappingSize_ = usable + page;
    void* mapping =
        mmap(nullptr, mappingSize_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    FuzzCheck(mapping != MAP_FAILED, "no memory for a guarded copy");
    mapping_ = static_cast<char*>(mapping);
    FuzzCheck(mprotect(mapping_ + usable, page, PROT_NONE) == 0, "no guard page");
    char* start = mapping_ + usable - size_;
    if (size_ > 0) {
        std::memcpy(start, bytes.data(), size_);
    }
    data_ = start;
}

GuardedBytes::~GuardedBytes() {
    munmap(mapping_, mappingSize_);
}

}  // namespace orvane::fuzz
