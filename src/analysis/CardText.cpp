#include "CardText.h"

#include <cctype>

namespace orvane::analysis {

namespace {
constexpr const char* Ranks = "A23456789TJQK";
// In the order of the game's suit numbers: clubs, diamonds, hearts, spades.
constexpr const char* Suits = "CDHS";
}  // namespace

std::optional<int> ParseCard(const std::string& text) {
    if (text.size() != 2) {
        return std::nullopt;
    }
    const char r = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    const char s = static_cast<char>(std::toupper(static_cast<unsigned char>(text[1])));
    if (r == 'J' && s == 'K') {
        return 52;
    }
    const std::string ranks = Ranks;
    const std::string suits = Suits;
    const auto rank = ranks.find(r);
    const auto suit = suits.find(s);
    if (rank == std::string::npos || suit == std::string::npos) {
        return std::nullopt;
    }
    return static_cast<int>(suit * 13 + rank);
}

std::string CardName(int card) {
    if (card == 52) {
        return "JK";
    }
    if (card < 0 || card > 52) {
        return "??";
    }
    return {Ranks[card % 13], Suits[card / 13]};
}

}  // namespace orvane::analysis
