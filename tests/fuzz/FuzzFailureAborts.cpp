#include <cstdio>
#include <cstdlib>

#include "FuzzTarget.h"

namespace orvane::fuzz {

// libFuzzer keeps the input of any abort as a crash file; the message says which promise.
void FuzzFailure(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

}  // namespace orvane::fuzz
