#include <array>

#include "FuzzTarget.h"
#include "Targets.h"

namespace orvane::fuzz {

namespace {

// A new target is added here and to ORVANE_FUZZ_TARGETS in CMakeLists.txt, with a few
// small seed files in corpus/<name>/.
constexpr std::array Targets = {
    FuzzTarget{"settings_load", FuzzSettingsLoad},
    FuzzTarget{"settings_ini", FuzzSettingsIni},
    FuzzTarget{"resource_bundle", FuzzResourceBundle},
    FuzzTarget{"bitmap_header", FuzzBitmapHeader},
    FuzzTarget{"wave_file", FuzzWaveFile},
    FuzzTarget{"critical_records", FuzzCriticalRecords},
};

}  // namespace

std::span<const FuzzTarget> FuzzTargets() {
    return Targets;
}

const FuzzTarget* FindFuzzTarget(std::string_view name) {
    for (const FuzzTarget& target : Targets) {
        if (target.Name == name) {
            return &target;
        }
    }
    return nullptr;
}

}  // namespace orvane::fuzz
