#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace orvane::fuzz {

using FuzzBytes = std::span<const std::uint8_t>;

// One reader of hostile bytes, run over whatever the fuzzer or a corpus file hands it.
// A target returns normally for any input the program copes with; a crash, a sanitizer
// report or a broken FuzzCheck is a finding.
struct FuzzTarget {
    std::string_view Name;  // also the folder of its corpus: corpus/<Name>/
    void (*Run)(FuzzBytes bytes);
};

// Every target, in a fixed order.
std::span<const FuzzTarget> FuzzTargets();
const FuzzTarget* FindFuzzTarget(std::string_view name);

// A promise of the code under test that an input broke. Under libFuzzer this aborts, so
// the input is kept as a crash; the corpus test turns it into a failure naming the file.
[[noreturn]] void FuzzFailure(const char* what);

inline void FuzzCheck(bool holds, const char* what) {
    if (!holds) {
        FuzzFailure(what);
    }
}

}  // namespace orvane::fuzz
