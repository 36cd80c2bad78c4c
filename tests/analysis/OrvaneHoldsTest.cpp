#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "analysis/CardText.h"
#include "analysis/HoldValues.h"
#include "analysis/OrvaneClasses.h"
#include "analysis/OrvaneReturn.h"
#include "game/Card.h"
#include "game/HandEvaluator.h"

namespace orvane::analysis {
namespace {

constexpr std::int32_t BonusRank = 7;

FiveCards Hand(const std::array<const char*, 5>& names) {
    FiveCards hand{};
    for (std::size_t i = 0; i < 5; ++i) {
        hand[i] = ParseCard(names[i]).value();
    }
    return hand;
}

CardMask Cards(const std::vector<const char*>& names) {
    CardMask mask = 0;
    for (const char* n : names) {
        mask |= CardBit(ParseCard(n).value());
    }
    return mask;
}

class OrvaneHolds : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { tables_ = std::make_unique<OrvaneTables>(); }
    static void TearDownTestSuite() { tables_.reset(); }
    static const DrawTables& Tables() { return tables_->ForRank(BonusRank); }

    static std::unique_ptr<OrvaneTables> tables_;
};
std::unique_ptr<OrvaneTables> OrvaneHolds::tables_;

// What the game's evaluator says of the final hand, reduced to what pays: the line, and
// whether it steps or empties the meter. Counted draw by draw, independently of the
// engine's classes.
struct Tally {
    std::array<std::int64_t, PrizeLines + 1> Lines{};
    std::int64_t Steps = 0;
    std::int64_t Jackpots = 0;
    std::int64_t Draws = 0;
    bool operator==(const Tally&) const = default;
};

Tally BruteForce(const FiveCards& hand, HoldBits hold, CardMask dead) {
    CardMask seen = dead;
    for (int c : hand) {
        seen |= CardBit(c);
    }
    std::vector<int> unseen;
    for (int c = 0; c < CardsInDeck; ++c) {
        if ((seen & CardBit(c)) == 0) {
            unseen.push_back(c);
        }
    }
    std::vector<std::size_t> open;
    for (std::size_t s = 0; s < 5; ++s) {
        if ((hold >> s & 1U) == 0) {
            open.push_back(s);
        }
    }
    Tally t;
    // Every set of replacement cards, in increasing positions of `unseen`.
    std::vector<std::size_t> pick(open.size());
    for (std::size_t i = 0; i < pick.size(); ++i) {
        pick[i] = i;
    }
    while (true) {
        HandRanks ranks;
        for (std::size_t s = 0; s < 5; ++s) {
            ranks.Rank[s] = RankOfValue(hand[s] + 1);
            ranks.Suit[s] = hand[s] == 52 ? 0 : SuitOfValue(hand[s] + 1);
        }
        for (std::size_t i = 0; i < open.size(); ++i) {
            const CardValue v = unseen[pick[i]] + 1;
            ranks.Rank[open[i]] = RankOfValue(v);
            ranks.Suit[open[i]] = v == JokerValue ? 0 : SuitOfValue(v);
        }
        const Evaluation e = Evaluate(ranks, BonusRank);
        ++t.Lines[static_cast<std::size_t>(e.Prize)];
        t.Steps += (e.Prize == OrvaneThree || e.MeterStepFlag) ? 1 : 0;
        t.Jackpots += e.JackpotFlag ? 1 : 0;
        ++t.Draws;
        // Next combination.
        std::size_t i = pick.size();
        while (i > 0 && pick[i - 1] == unseen.size() - pick.size() + i - 1) {
            --i;
        }
        if (i == 0) {
            break;
        }
        ++pick[i - 1];
        for (std::size_t j = i; j < pick.size(); ++j) {
            pick[j] = pick[j - 1] + 1;
        }
    }
    return t;
}

Tally FromEngine(const HoldOutcomes& o, HoldBits hold) {
    Tally t;
    for (int cls = 0; cls < OrvaneClassCount; ++cls) {
        const std::int64_t n = o.Of(hold)[cls];
        t.Lines[static_cast<std::size_t>(PrizeOfClass(cls))] += n;
        t.Steps += MeterEffectOfClass(cls) == MeterEffect::Step ? n : 0;
        t.Jackpots += MeterEffectOfClass(cls) == MeterEffect::Jackpot ? n : 0;
    }
    t.Draws = o.Draws[hold];
    return t;
}

// Every hold that keeps at least one card, draw by draw with the game's own evaluator,
// for hands with and without the joker and with cards thrown away before (the second
// draw after a first-draw win).
TEST_F(OrvaneHolds, CountsOfEveryHoldMatchDrawingEveryReplacementWithTheGamesEvaluator) {
    struct Case {
        std::array<const char*, 5> Hand;
        std::vector<const char*> Dead;
    };
    const std::vector<Case> cases = {
        {{"7S", "7H", "JK", "TD", "2C"}, {}},
        {{"TH", "JH", "QH", "KH", "9C"}, {}},
        {{"7C", "7D", "8S", "8H", "KS"}, {"7H", "AS", "2D"}},
        {{"AS", "5D", "9H", "QC", "3S"}, {"JK", "7S"}},
    };
    for (const Case& c : cases) {
        const FiveCards hand = Hand(c.Hand);
        const CardMask dead = Cards(c.Dead);
        const HoldOutcomes o = CountHoldOutcomes(Tables(), hand, dead);
        for (HoldBits hold = 1; hold < HoldCount; ++hold) {
            // The four-card draws are the slow ones; one of them per hand is enough.
            if (std::popcount(hold) == 1 && hold != 1U) {
                continue;
            }
            SCOPED_TRACE(std::string(c.Hand[0]) + " hold " + std::to_string(hold));
            EXPECT_EQ(FromEngine(o, hold), BruteForce(hand, hold, dead));
        }
    }
}

TEST_F(OrvaneHolds, KeepingAllFiveOfAWinIsFreeAndKeepingNoneTakesTheSameWin) {
    const std::vector<double> worth = ClassWorth(DefaultMultipliers, {});
    // A flush pays 9 and stands as dealt.
    const HandValues flush = ValueHolds(Tables(), Hand({"2H", "6H", "9H", "JH", "KH"}), worth);
    EXPECT_DOUBLE_EQ(flush.Holds[HoldAll].Value, 9.0);
    EXPECT_DOUBLE_EQ(flush.Holds[HoldAll].DrawCost, 0.0);
    EXPECT_DOUBLE_EQ(flush.Holds[0].Value, 9.0);
    EXPECT_EQ(flush.Best, 0U) << "standing: keeping none is named before keeping all five";

    // Nothing dealt: keeping everything, or nothing (a fresh deal), ends the round empty;
    // every draw costs the bet again.
    const HandValues junk = ValueHolds(Tables(), Hand({"2C", "4D", "9H", "JS", "6C"}), worth);
    EXPECT_DOUBLE_EQ(junk.Holds[0].Value, 0.0);
    EXPECT_DOUBLE_EQ(junk.Holds[HoldAll].Value, 0.0);
    for (HoldBits hold = 1; hold < HoldAll; ++hold) {
        EXPECT_DOUBLE_EQ(junk.Holds[hold].DrawCost, 1.0);
        double paid = 0;
        for (std::size_t j = 0; j < worth.size(); ++j) {
            paid += junk.Holds[hold].Probability[j] * worth[j];
        }
        EXPECT_NEAR(junk.Holds[hold].Value, paid - 1.0, 1e-12);
    }
}

TEST_F(OrvaneHolds, MeterTermsRaiseTheHoldsThatCanStepTheMeter) {
    const FiveCards hand = Hand({"7S", "7H", "KD", "KC", "3S"});
    const HandValues blind = ValueHolds(Tables(), hand, ClassWorth(DefaultMultipliers, {}));
    const HandValues aware =
        ValueHolds(Tables(), hand, ClassWorth(DefaultMultipliers, {50.0, 400.0}));
    constexpr HoldBits sevens = 0b00011;
    constexpr HoldBits kings = 0b01100;
    // Two pairs (3) stands; keeping the sevens draws to the bonus line and the meter.
    EXPECT_EQ(blind.Best, 0U);
    const double gain = aware.Holds[sevens].Value - blind.Holds[sevens].Value;
    const auto& p = aware.Holds[sevens].Probability;
    EXPECT_NEAR(gain,
                50.0 * (p[OrvaneThree] + p[FullHouseStep] + p[PokerStep]) +
                    400.0 * (p[PokerJackpot] + p[FiveJackpot]),
                1e-9);
    EXPECT_GT(gain, 0.0);
    EXPECT_DOUBLE_EQ(aware.Holds[kings].Value, blind.Holds[kings].Value);
    EXPECT_EQ(aware.Best, sevens);
}

TEST_F(OrvaneHolds, AfterAFirstDrawWinAStrongDrawIsWorthMoreThanASmallWin) {
    const std::vector<double> worth = ClassWorth(DefaultMultipliers, {});
    // A high pair of jacks with four to the royal flush: give the 2 up and draw for it.
    const SecondDrawChoice royal =
        ChooseAfterWin(Tables(), Hand({"TH", "JH", "QH", "KH", "JS"}), worth, Cards({"3C", "8D"}));
    EXPECT_DOUBLE_EQ(royal.TakeValue, 2.0);
    EXPECT_TRUE(royal.DrawAgain());
    EXPECT_EQ(royal.DrawHold, 0b01111U);

    // A full house is taken.
    const SecondDrawChoice full =
        ChooseAfterWin(Tables(), Hand({"9H", "9C", "9S", "4D", "4H"}), worth, Cards({"KC"}));
    EXPECT_DOUBLE_EQ(full.TakeValue, 10.0);
    EXPECT_FALSE(full.DrawAgain());
    // The best draw replaces a card: keeping the pair and the three both cost the bet.
    EXPECT_NE(full.DrawHold, HoldAll);
    EXPECT_LT(full.DrawValue, full.TakeValue);
}

// With the second draw, a win on the first draw is worth at least itself and at least the
// best second draw, so no hold is worth less than without it; a dealt high pair stood on
// is a first-draw win, and giving it up to draw to the pair is worth more than 2.
TEST_F(OrvaneHolds, TheSecondDrawOptionNeverLowersAHoldAndRaisesAStoodHighPair) {
    const std::vector<double> worth = ClassWorth(DefaultMultipliers, {});
    const FiveCards hand = Hand({"QS", "QD", "5C", "8H", "2S"});
    const HandValues single = ValueHolds(Tables(), hand, worth);
    // The holds of two cards or more: the one-card holds draw four cards, ten times as
    // many final hands, and add nothing the others do not check.
    std::uint32_t twoOrMore = 0;
    for (HoldBits hold = 0; hold < HoldCount; ++hold) {
        twoOrMore |= (std::popcount(hold) >= 2 ? 1U : 0U) << hold;
    }
    const HandValues both = ValueHoldsWithSecondDraw(Tables(), hand, worth, twoOrMore);
    for (HoldBits hold = 0; hold < HoldCount; ++hold) {
        EXPECT_GE(both.Holds[hold].Value, single.Holds[hold].Value - 1e-12) << hold;
    }
    EXPECT_DOUBLE_EQ(single.StandValue, 2.0);
    const SecondDrawChoice stood = ChooseAfterWin(Tables(), hand, worth, 0);
    EXPECT_DOUBLE_EQ(both.StandValue, std::max(2.0, stood.DrawValue));
    EXPECT_GT(both.StandValue, 2.0);
    EXPECT_EQ(stood.DrawHold, 0b00011U);
}

}  // namespace
}  // namespace orvane::analysis
