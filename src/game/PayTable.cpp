#include "PayTable.h"

namespace orvane {

namespace {

constexpr std::array<const char*, 12> Captions = {
    "",      "FIVE OF A KIND", "ROYAL FLUSH",     "STRAIGHT FLUSH", "POKER",     "FULL HOUSE",
    "FLUSH", "STRAIGHT",       "THREE OF A KIND", "TWO PAIRS",      "HIGH PAIR", "ORVANE 3X"};

}  // namespace

std::string PrizeCaption(PrizeIndex prize, std::int32_t orvaneNumber) {
    if (prize < 1 || prize > PrizeLines) {
        return {};
    }
    std::string caption = Captions[static_cast<std::size_t>(prize)];
    if (prize == OrvaneThree) {
        caption += std::to_string(orvaneNumber);
    }
    return caption;
}

std::string PayLineName(PrizeIndex prize) {
    if (prize < 1 || prize > PrizeLines) {
        return {};
    }
    return prize == OrvaneThree ? "ORVANE 3xX" : Captions[static_cast<std::size_t>(prize)];
}

std::string OrvaneLineLabel(std::int32_t orvaneNumber) {
    return "ORVANE 3x" + std::to_string(orvaneNumber);
}

}  // namespace orvane
