#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace orvane::analysis {

// Five cards numbered 0..52, ascending.
using FiveCards = std::array<int, 5>;

// What a rule set says of a final hand: one class out of Names.size(), numbered from 0
// (no win). The engine never looks inside a class; a pay table or a meter gives each one
// its worth. Classes finer than the pay lines (a full house that steps a meter, say)
// let one set of counts serve every pay table and every meter state.
struct HandClasses {
    int DeckSize = 52;
    std::vector<std::string> Names;
    std::function<int(const FiveCards&)> Classify;

    int Count() const { return static_cast<int>(Names.size()); }
};

}  // namespace orvane::analysis
