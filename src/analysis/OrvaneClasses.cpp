#include "OrvaneClasses.h"

#include "game/Card.h"
#include "game/HandEvaluator.h"

namespace orvane::analysis {

PrizeIndex PrizeOfClass(int cls) {
    switch (cls) {
        case FullHouseStep:
            return FullHouse;
        case PokerStep:
        case PokerJackpot:
            return Poker;
        case FiveJackpot:
            return FiveOfAKind;
        default:
            return static_cast<PrizeIndex>(cls);
    }
}

MeterEffect MeterEffectOfClass(int cls) {
    switch (cls) {
        case OrvaneThree:
        case FullHouseStep:
        case PokerStep:
            return MeterEffect::Step;
        case PokerJackpot:
        case FiveJackpot:
            return MeterEffect::Jackpot;
        default:
            return MeterEffect::None;
    }
}

int OrvaneClassOf(const FiveCards& cards, std::int32_t orvaneNumber) {
    HandRanks hand;
    for (std::size_t i = 0; i < 5; ++i) {
        const CardValue v = cards[i] + 1;
        hand.Rank[i] = RankOfValue(v);
        hand.Suit[i] = v == JokerValue ? 0 : SuitOfValue(v);
    }
    const Evaluation e = Evaluate(hand, orvaneNumber);
    if (e.JackpotFlag) {
        return e.Prize == FiveOfAKind ? FiveJackpot : PokerJackpot;
    }
    if (e.MeterStepFlag) {
        return e.Prize == FullHouse ? FullHouseStep : PokerStep;
    }
    return e.Prize;
}

HandClasses OrvaneHandClasses(std::int32_t orvaneNumber) {
    HandClasses c;
    c.DeckSize = CardsInDeck;
    c.Names.reserve(OrvaneClassCount);
    for (int cls = 0; cls <= PrizeLines; ++cls) {
        c.Names.push_back(cls == 0 ? "NOTHING"
                                   : PrizeCaption(static_cast<PrizeIndex>(cls), orvaneNumber));
    }
    c.Names.push_back("FULL HOUSE (meter step)");
    c.Names.push_back("POKER (meter step)");
    c.Names.push_back("POKER (jackpot)");
    c.Names.push_back("FIVE OF A KIND (jackpot)");
    c.Classify = [orvaneNumber](const FiveCards& cards) {
        return OrvaneClassOf(cards, orvaneNumber);
    };
    return c;
}

std::vector<double> ClassWorth(const Multipliers& multipliers, MeterTerms meter) {
    std::vector<double> worth(OrvaneClassCount);
    for (int cls = 0; cls < OrvaneClassCount; ++cls) {
        const PrizeIndex prize = PrizeOfClass(cls);
        double w = prize == NoPrize ? 0.0 : multipliers[static_cast<std::size_t>(prize)];
        switch (MeterEffectOfClass(cls)) {
            case MeterEffect::Step:
                w += meter.Step;
                break;
            case MeterEffect::Jackpot:
                w += meter.Jackpot;
                break;
            case MeterEffect::None:
                break;
        }
        worth[static_cast<std::size_t>(cls)] = w;
    }
    return worth;
}

}  // namespace orvane::analysis
