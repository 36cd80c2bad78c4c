#include "HandNotation.h"

#include <stdexcept>
#include <string>

#include "game/Card.h"

namespace orvane::test {

namespace {

std::int32_t ParseRank(char c) {
    switch (c) {
        case 'A':
            return 1;
        case 'T':
            return 10;
        case 'J':
            return 11;
        case 'Q':
            return 12;
        case 'K':
            return 13;
        default:
            if (c >= '2' && c <= '9') {
                return c - '0';
            }
            throw std::invalid_argument(std::string("bad rank ") + c);
    }
}

}  // namespace

HandRanks ParseHand(std::string_view text) {
    HandRanks hand;
    std::size_t card = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (text[pos] == ' ') {
            ++pos;
            continue;
        }
        if (card == 5) {
            throw std::invalid_argument("more than five cards: " + std::string(text));
        }
        if (text[pos] == 'X') {
            hand.Rank[card] = JokerRank;
            hand.Suit[card] = 0;
            ++pos;
        } else {
            if (pos + 1 >= text.size() || text[pos + 1] < '1' || text[pos + 1] > '4') {
                throw std::invalid_argument("bad card in " + std::string(text));
            }
            hand.Rank[card] = ParseRank(text[pos]);
            hand.Suit[card] = text[pos + 1] - '0';
            pos += 2;
        }
        ++card;
    }
    if (card != 5) {
        throw std::invalid_argument("fewer than five cards: " + std::string(text));
    }
    return hand;
}

}  // namespace orvane::test
