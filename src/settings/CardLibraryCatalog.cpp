#include "CardLibraryCatalog.h"

#include <array>

namespace orvane {
namespace {

constexpr std::array<CardLibraryRecord, CardLibraryCount> kCardLibraries = {{
    {1, "Card Set 1", "zqcsrl_pi.dll", "optcs1.zqi"},
    {2, "Card Set 2", "zqcsrl_pl.dll", "optcs2.zqi"},
    {3, "Card Set 3", "zqcsrl_asi.dll", "optcs3.zqi"},
}};

}  // namespace

std::span<const CardLibraryRecord> CardLibraries() {
    return kCardLibraries;
}

}  // namespace orvane
