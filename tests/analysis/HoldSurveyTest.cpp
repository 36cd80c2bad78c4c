#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "analysis/HoldCounts.h"
#include "analysis/HoldFrontier.h"
#include "analysis/OrvaneClasses.h"
#include "analysis/OrvaneReturn.h"
#include "game/Card.h"

namespace orvane::analysis {
namespace {

constexpr std::int32_t BonusRank = 8;

std::vector<FiveCards> RandomDeals(std::size_t count, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<int> deck(CardsInDeck);
    for (int i = 0; i < CardsInDeck; ++i) {
        deck[static_cast<std::size_t>(i)] = i;
    }
    std::vector<FiveCards> deals;
    for (std::size_t d = 0; d < count; ++d) {
        std::shuffle(deck.begin(), deck.end(), random);
        deals.push_back({deck[0], deck[1], deck[2], deck[3], deck[4]});
    }
    return deals;
}

// The 32 holds of a deal as the strategy sees them, from the engine's counts.
std::array<HoldSummary, HoldCount> Summaries(const DrawTables& tables, const FiveCards& deal) {
    const HoldOutcomes o = CountHoldOutcomes(tables, deal);
    const std::vector<double> pays = ClassWorth(DefaultMultipliers, {});
    const CardMask hand = MaskOf(deal);
    std::array<HoldSummary, HoldCount> summary{};
    for (HoldBits m = 0; m < HoldCount; ++m) {
        const bool stands = m == 0 || m == HoldAll;
        for (int cls = 0; cls < OrvaneClassCount; ++cls) {
            const auto j = static_cast<std::size_t>(cls);
            const double share =
                stands ? (cls == tables.ClassOf(hand) ? 1.0 : 0.0)
                       : static_cast<double>(o.Of(m)[j]) / static_cast<double>(o.Draws[m]);
            summary[m].Base += share * pays[j];
            summary[m].Step += MeterEffectOfClass(cls) == MeterEffect::Step ? share : 0.0;
            summary[m].Jackpot += MeterEffectOfClass(cls) == MeterEffect::Jackpot ? share : 0.0;
        }
        summary[m].Base -= stands ? 0.0 : 1.0;
    }
    return summary;
}

class HoldSurvey : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { tables_ = std::make_unique<OrvaneTables>(); }
    static void TearDownTestSuite() { tables_.reset(); }
    static const DrawTables& Tables() { return tables_->ForRank(BonusRank); }

    static std::unique_ptr<OrvaneTables> tables_;
};
std::unique_ptr<OrvaneTables> HoldSurvey::tables_;

// Whatever a step and a jackpot are worth (none, small, the size of a jackpot), the best
// of the kept holds is the best of all 32, ties settled alike; equal holds are the case
// where only the tie order decides, so deals with many equal holds are in the sample.
TEST_F(HoldSurvey, TheKeptHoldsHoldTheBestOneAtEveryMeterWorth) {
    std::mt19937 random(4);
    std::uniform_real_distribution<double> worth(0.0, 2000.0);
    std::vector<FiveCards> deals = RandomDeals(300, 17);
    deals.push_back({0, 13, 26, 39, 52});  // four aces and the joker: a jackpot standing
    deals.push_back({1, 2, 3, 4, 5});      // a straight flush: most holds far behind
    std::size_t kept = 0;
    for (const FiveCards& deal : deals) {
        const auto summary = Summaries(Tables(), deal);
        std::array<HoldBits, HoldCount> frontier{};
        const int count = UndominatedHolds(summary, frontier);
        ASSERT_GE(count, 1);
        kept += static_cast<std::size_t>(count);
        std::vector<MeterTerms> prices = {{0, 0}, {0, 1500}, {40, 0}, {1e-7, 1e-7}};
        for (int i = 0; i < 20; ++i) {
            prices.push_back({worth(random), worth(random)});
        }
        for (const MeterTerms t : prices) {
            const HoldBits best = BestHold(summary, t);
            HoldBits keptBest = frontier[0];
            for (std::size_t i = 1; i < static_cast<std::size_t>(count); ++i) {
                if (summary[frontier[i]].ValueAt(t) > summary[keptBest].ValueAt(t)) {
                    keptBest = frontier[i];
                }
            }
            ASSERT_EQ(keptBest, best) << "deal " << deal[0] << ' ' << deal[1] << ' ' << deal[2]
                                      << ' ' << deal[3] << ' ' << deal[4];
        }
    }
    // The point of the survey: most holds go.
    EXPECT_LT(kept, deals.size() * 6);
}

// A hold that is best only when a step is worth a lot is kept; one that is worse in every
// number is not; of two equal holds the one that keeps more cards stays.
TEST(HoldFrontier, KeepsEveryHoldThatCanWinAndDropsTheOnesThatCannot) {
    std::array<HoldSummary, HoldCount> summary{};
    for (auto& s : summary) {
        s = {-1.0, 0.0, 0.0};
    }
    summary[0b00011] = {0.5, 0.01, 0.0};   // the best with no meter
    summary[0b00111] = {0.2, 0.30, 0.0};   // the best when a step is dear
    summary[0b01111] = {0.1, 0.20, 0.0};   // worse than the last in everything
    summary[0b00001] = {0.2, 0.30, 0.0};   // equal to 0b00111 and keeps fewer cards: goes
    summary[0b10000] = {0.0, 0.0, 0.001};  // the only jackpot chance
    std::array<HoldBits, HoldCount> kept{};
    const int count = UndominatedHolds(summary, kept);
    const std::vector<HoldBits> got(kept.begin(), kept.begin() + count);
    EXPECT_EQ(got, (std::vector<HoldBits>{0b00111, 0b00011, 0b10000}));
    EXPECT_EQ(BestHold(summary, {100, 0}), 0b00111U);
    EXPECT_EQ(BestHold(summary, {0, 1e6}), 0b10000U);
}

// The counts of chosen holds alone are those of all 32 holds at once.
TEST_F(HoldSurvey, ChosenHoldsAreCountedAsAllHoldsAre) {
    HoldOutcomes some;
    for (const FiveCards& deal : RandomDeals(40, 5)) {
        const HoldOutcomes all = CountHoldOutcomes(Tables(), deal);
        CountChosenHolds(Tables(), deal, 0xFFFFFFFFU, some);
        for (HoldBits m = 0; m < HoldCount; ++m) {
            ASSERT_EQ(some.Draws[m], all.Draws[m]);
            for (int j = 0; j < OrvaneClassCount; ++j) {
                ASSERT_EQ(some.Of(m)[j], all.Of(m)[j]) << "hold " << m << " class " << j;
            }
        }
    }
}

// One bonus rank, meter prices that differ by countdown: the survey's scan and its
// figures are those of valuing every deal's 32 holds again.
TEST_F(HoldSurvey, ScanningTheKeptHoldsPlaysAsValuingEveryDealAgain) {
    OrvaneOptions options;
    std::array<MeterTerms, Countdowns> terms{};
    for (std::size_t c = 0; c < Countdowns; ++c) {
        terms[c] = {3.0 * static_cast<double>(c * c), 900.0 - 40.0 * static_cast<double>(c)};
    }
    const auto reference = PlayOneRank(Tables(), BonusRank, options, terms);
    const RankHoldSurvey survey(Tables(), BonusRank, options);
    EXPECT_EQ(survey.Deals(), 150'891U);
    const auto play = survey.Play(terms);
    const auto figures = survey.Figures(Tables(), options, terms);
    const auto pays = ClassWorth(DefaultMultipliers, {});
    for (std::size_t c = 0; c < Countdowns; ++c) {
        const StateFigures& r = reference[c];
        double linePaid = 0;
        for (std::size_t j = 0; j < r.ClassProbability.size(); ++j) {
            linePaid += r.ClassProbability[j] * pays[j];
            EXPECT_DOUBLE_EQ(figures[c].ClassProbability[j], r.ClassProbability[j]);
            EXPECT_DOUBLE_EQ(figures[c].DrawnClassProbability[j], r.DrawnClassProbability[j]);
        }
        EXPECT_DOUBLE_EQ(figures[c].StepProbability, r.StepProbability);
        EXPECT_DOUBLE_EQ(figures[c].JackpotProbability, r.JackpotProbability);
        EXPECT_DOUBLE_EQ(figures[c].Charged, r.Charged);
        EXPECT_NEAR(play[c].LinePaid, linePaid, 1e-12);
        EXPECT_NEAR(play[c].Charged, r.Charged, 1e-12);
        EXPECT_NEAR(play[c].StepProbability, r.StepProbability, 1e-12);
        EXPECT_NEAR(play[c].JackpotProbability, r.JackpotProbability, 1e-12);
    }
    EXPECT_THROW(survey.Play({MeterTerms{-1.0, 0.0}}), std::invalid_argument);
    EXPECT_THROW(survey.Figures(Tables(), options, {MeterTerms{0.0, -1.0}}), std::invalid_argument);
}

// The automatic hold weighed over one slot order per arrangement of equal ranks, against
// all 120 orders: random deals, and deals built to have pairs, two pairs, three and four
// of a rank, and straight draws with a pair inside (where the first of the pair is kept).
TEST(AutomaticHold, OneOrderPerArrangementOfEqualRanksWeighsAsAllOrders) {
    std::vector<FiveCards> deals = RandomDeals(400, 23);
    deals.push_back({0, 13, 26, 39, 5});   // four aces
    deals.push_back({4, 17, 30, 8, 21});   // a full house
    deals.push_back({6, 19, 7, 34, 11});   // two pairs
    deals.push_back({2, 3, 4, 5, 18});     // a straight draw holding one of a pair
    deals.push_back({9, 10, 11, 12, 25});  // four to the royal flush and a pair
    for (const FiveCards& deal : deals) {
        for (std::int32_t rank = FirstOrvaneNumber; rank <= LastOrvaneNumber; ++rank) {
            ASSERT_EQ(AutoHoldOrders(deal, rank), AutoHoldOrders(deal, rank, true))
                << deal[0] << ' ' << deal[1] << ' ' << deal[2] << ' ' << deal[3] << ' ' << deal[4]
                << " bonus rank " << rank;
        }
    }
}

}  // namespace
}  // namespace orvane::analysis
