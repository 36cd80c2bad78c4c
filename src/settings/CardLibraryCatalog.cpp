#include "CardLibraryCatalog.h"

#include <array>

namespace orvane {
namespace {

constexpr std::array<CardLibraryRecord, CardLibraryCount> kCardLibraries = {{
    {1, "Card Set 1", "zqcsrl_pi.dll", "optcs1.zqi", "zqcsrl_pi_4c.dll"},
    {2, "Card Set 2", "zqcsrl_pl.dll", "optcs2.zqi", "zqcsrl_pl_4c.dll"},
    {3, "Card Set 3", "zqcsrl_asi.dll", "optcs3.zqi", "zqcsrl_asi_4c.dll"},
}};

}  // namespace

std::span<const CardLibraryRecord> CardLibraries() {
    return kCardLibraries;
}

}  // namespace orvane
