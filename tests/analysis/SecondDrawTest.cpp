#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <memory>
#include <random>
#include <stdexcept>
#include <vector>

#include "analysis/HoldValues.h"
#include "analysis/OrvaneClasses.h"
#include "analysis/OrvaneReturn.h"
#include "analysis/SecondDrawAccuracy.h"
#include "analysis/SecondDrawTables.h"
#include "game/Card.h"

namespace orvane::analysis {
namespace {

constexpr std::int32_t BonusRank = 9;
constexpr MeterTerms Meter = {25.0, 400.0};

// Random hands, and hands that win: each rank's pairs and threes, flushes and straights.
std::vector<FiveCards> SampleHands() {
    std::mt19937 random(31);
    std::vector<int> deck(CardsInDeck);
    for (int i = 0; i < CardsInDeck; ++i) {
        deck[static_cast<std::size_t>(i)] = i;
    }
    std::vector<FiveCards> hands;
    for (int i = 0; i < 150; ++i) {
        std::shuffle(deck.begin(), deck.end(), random);
        hands.push_back({deck[0], deck[1], deck[2], deck[3], deck[4]});
    }
    for (int r = 0; r < 13; ++r) {
        hands.push_back({r, r + 13, (r + 1) % 13 + 26, (r + 5) % 13 + 39, 52});  // a pair, joker
        hands.push_back({r, r + 13, r + 26, (r + 3) % 13, (r + 7) % 13 + 13});   // three
        hands.push_back({r, r + 13, (r + 2) % 13, (r + 6) % 13 + 26, (r + 9) % 13 + 39});
    }
    hands.push_back({0, 2, 5, 8, 11});    // a flush
    hands.push_back({4, 18, 32, 46, 8});  // a straight
    hands.push_back({9, 10, 11, 12, 0});  // the royal flush
    return hands;
}

class SecondDraw : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        tables_ = std::make_unique<OrvaneTables>();
        after_ = std::make_unique<SecondDrawTables>(Tables(), DefaultMultipliers, Worth());
    }
    static void TearDownTestSuite() {
        after_.reset();
        tables_.reset();
    }
    static const DrawTables& Tables() { return tables_->ForRank(BonusRank); }
    static std::vector<double> Worth() { return ClassWorth(DefaultMultipliers, Meter); }
    static double WorthOf(const AfterDraw& a) {
        return a.Paid - a.SecondDraw + a.Step * Meter.Step + a.Jackpot * Meter.Jackpot;
    }

    static std::unique_ptr<OrvaneTables> tables_;
    static std::unique_ptr<SecondDrawTables> after_;
};
std::unique_ptr<OrvaneTables> SecondDraw::tables_;
std::unique_ptr<SecondDrawTables> SecondDraw::after_;

// Each hand's worth with the option (meter terms priced) is the better of taking it and
// the best second draw, as ChooseAfterWin decides with no card thrown away before; a hand
// that does not win is the end of the round.
TEST_F(SecondDraw, EachHandIsWorthTheBetterOfTakingItAndTheBestSecondDraw) {
    int givenUp = 0;
    for (const FiveCards& hand : SampleHands()) {
        const AfterDraw& a = after_->OfHand(MaskOf(hand));
        const int cls = Tables().ClassOf(MaskOf(hand));
        const SecondDrawChoice c = ChooseAfterWin(Tables(), hand, Worth(), 0);
        const double expected =
            PrizeOfClass(cls) == NoPrize ? c.TakeValue : std::max(c.TakeValue, c.DrawValue);
        ASSERT_NEAR(WorthOf(a), expected, 1e-9)
            << hand[0] << ' ' << hand[1] << ' ' << hand[2] << ' ' << hand[3] << ' ' << hand[4];
        EXPECT_EQ(a.SecondDraw, PrizeOfClass(cls) != NoPrize && c.DrawAgain() ? 1.0 : 0.0);
        givenUp += a.SecondDraw > 0 ? 1 : 0;
    }
    EXPECT_GT(givenUp, 10);  // the sample has wins worth giving up (small pairs)
}

// A hold's figures are the average of the hands it can end in, each as above: counted
// here hand by hand for holds that keep three or four cards; standing is the deal itself.
TEST_F(SecondDraw, AHoldIsWorthTheAverageOfTheHandsItCanEndIn) {
    const std::vector<FiveCards> hands = SampleHands();
    for (std::size_t i = 0; i < hands.size(); i += 9) {
        const FiveCards& deal = hands[i];
        const auto holds = after_->OfHolds(deal);
        EXPECT_DOUBLE_EQ(WorthOf(holds[0]), WorthOf(after_->OfHand(MaskOf(deal))));
        EXPECT_DOUBLE_EQ(WorthOf(holds[HoldAll]), WorthOf(holds[0]));
        for (HoldBits m = 1; m < HoldAll; ++m) {
            if (std::popcount(m) < 3) {
                continue;
            }
            std::vector<std::size_t> open;
            for (std::size_t s = 0; s < 5; ++s) {
                if ((m >> s & 1U) == 0) {
                    open.push_back(s);
                }
            }
            double sum = 0;
            int draws = 0;
            for (int a = 0; a < CardsInDeck; ++a) {
                for (int b = open.size() == 2 ? a + 1 : CardsInDeck - 1; b < CardsInDeck; ++b) {
                    FiveCards final = deal;
                    final[open[0]] = a;
                    if (open.size() == 2) {
                        final[open[1]] = b;
                    }
                    if (std::popcount(MaskOf(final)) != 5 || (MaskOf(deal) & CardBit(a)) != 0 ||
                        (open.size() == 2 && (MaskOf(deal) & CardBit(b)) != 0)) {
                        continue;
                    }
                    sum += WorthOf(after_->OfHand(MaskOf(final)));
                    ++draws;
                }
            }
            ASSERT_NEAR(WorthOf(holds[m]), sum / draws, 1e-9) << "hold " << m;
        }
    }
}

// The choices kept for any meter worth give, at a given worth, the tables valued afresh
// at that worth: hand by hand and hold by hold. A dear step makes taking three of the
// bonus rank better than drawing to it; a dear jackpot the other way round.
TEST_F(SecondDraw, KeptChoicesGiveTheTablesOfAnyMeterWorth) {
    const SecondDrawChoices choices(Tables(), DefaultMultipliers);
    for (const MeterTerms terms : {Meter, MeterTerms{200.0, 0.0}}) {
        const SecondDrawTables fromChoices(choices, terms);
        const SecondDrawTables afresh(Tables(), DefaultMultipliers,
                                      ClassWorth(DefaultMultipliers, terms));
        auto worthOf = [terms](const AfterDraw& a) {
            return a.Paid - a.SecondDraw + a.Step * terms.Step + a.Jackpot * terms.Jackpot;
        };
        for (const FiveCards& hand : SampleHands()) {
            const AfterDraw& a = fromChoices.OfHand(MaskOf(hand));
            const AfterDraw& b = afresh.OfHand(MaskOf(hand));
            ASSERT_NEAR(worthOf(a), worthOf(b), 1e-9);
            ASSERT_EQ(a.SecondDraw, b.SecondDraw);
            const auto holdsA = fromChoices.OfHolds(hand);
            const auto holdsB = afresh.OfHolds(hand);
            for (HoldBits m = 0; m < HoldCount; ++m) {
                ASSERT_NEAR(worthOf(holdsA[m]), worthOf(holdsB[m]), 1e-9) << "hold " << m;
            }
        }
        // Three of the bonus rank (nines), an ace and a three.
        const CardMask threeNines =
            CardBit(8) | CardBit(21) | CardBit(34) | CardBit(11) | CardBit(15);
        EXPECT_EQ(fromChoices.OfHand(threeNines).SecondDraw, terms.Jackpot > 0 ? 1.0 : 0.0);
    }
    EXPECT_THROW(SecondDrawTables(choices, {-1.0, 0.0}), std::invalid_argument);
}

// The exact valuation used to measure the tables' accuracy: with no card thrown away it is
// the tables' own figure of the hand; with cards thrown away it is worth the better of
// taking the hand and ChooseAfterWin's second draw with those cards dead.
TEST_F(SecondDraw, TheExactValuationAgreesWithTheTablesWhenNoCardIsDead) {
    int differ = 0;
    for (const FiveCards& hand : SampleHands()) {
        const AfterDraw live =
            ValueAfterDrawExactly(Tables(), hand, 0, DefaultMultipliers, Worth());
        const AfterDraw& table = after_->OfHand(MaskOf(hand));
        ASSERT_NEAR(live.Paid, table.Paid, 1e-9);
        ASSERT_NEAR(live.Step, table.Step, 1e-9);
        ASSERT_NEAR(live.Jackpot, table.Jackpot, 1e-9);
        ASSERT_EQ(live.SecondDraw, table.SecondDraw);
        // Three cards nobody holds, thrown away before.
        CardMask dead = 0;
        for (int card = 0; std::popcount(dead) < 3; ++card) {
            dead |= (MaskOf(hand) & CardBit(card)) == 0 ? CardBit(card) : 0;
        }
        const AfterDraw exact =
            ValueAfterDrawExactly(Tables(), hand, dead, DefaultMultipliers, Worth());
        const SecondDrawChoice c = ChooseAfterWin(Tables(), hand, Worth(), dead);
        const bool wins = PrizeOfClass(Tables().ClassOf(MaskOf(hand))) != NoPrize;
        ASSERT_NEAR(WorthOf(exact), wins ? std::max(c.TakeValue, c.DrawValue) : 0.0, 1e-9);
        differ += std::abs(WorthOf(exact) - WorthOf(live)) > 1e-9 ? 1 : 0;
    }
    EXPECT_GT(differ, 10);  // dead cards change what a second draw is worth
}

}  // namespace
}  // namespace orvane::analysis
