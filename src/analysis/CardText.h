#pragma once

#include <optional>
#include <string>

namespace orvane::analysis {

// Cards written as rank and suit, "AS", "TD", "7C", and "JK" for the joker; numbered
// 0..52 as elsewhere in the engine. Lower case is accepted.
std::optional<int> ParseCard(const std::string& text);
std::string CardName(int card);

}  // namespace orvane::analysis
