#include <stdexcept>

#include "FuzzTarget.h"

namespace orvane::fuzz {

// The corpus test goes on with the next file and names the one that failed.
void FuzzFailure(const char* what) {
    throw std::runtime_error(what);
}

}  // namespace orvane::fuzz
