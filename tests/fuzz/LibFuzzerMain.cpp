#include <cstdio>
#include <cstdlib>

#include "FuzzTarget.h"

// One libFuzzer program per target; the build names the target.
#ifndef ORVANE_FUZZ_TARGET_NAME
#error "ORVANE_FUZZ_TARGET_NAME must name a fuzz target"
#endif

namespace {

const orvane::fuzz::FuzzTarget& Target() {
    static const orvane::fuzz::FuzzTarget* const target =
        orvane::fuzz::FindFuzzTarget(ORVANE_FUZZ_TARGET_NAME);
    if (target == nullptr) {
        std::fprintf(stderr, "no fuzz target named %s\n", ORVANE_FUZZ_TARGET_NAME);
        std::abort();
    }
    return *target;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Target().Run(orvane::fuzz::FuzzBytes(data, size));
    return 0;
}
