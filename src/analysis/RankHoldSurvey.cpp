#include "RankHoldSurvey.h"

#include <stdexcept>
#include <thread>

#include "OrvaneTables.h"
#include "RankPlayer.h"
#include "game/Card.h"

namespace orvane::analysis {

namespace {

void NotNegative(const std::array<MeterTerms, Countdowns>& terms) {
    for (const MeterTerms& t : terms) {
        if (t.Step < 0 || t.Jackpot < 0) {
            throw std::invalid_argument("the surveyed holds serve meter terms of no less than 0");
        }
    }
}

}  // namespace

struct RankHoldSurvey::Shares {
    std::array<RankSurvey, Workers> Of;
    std::int32_t Rank = 0;
};

RankHoldSurvey::RankHoldSurvey(const DrawTables& tables, std::int32_t orvaneNumber,
                               const OrvaneOptions& options, const Progress& progress)
    : shares_(std::make_unique<Shares>()) {
    RankSlot(orvaneNumber);
    shares_->Rank = orvaneNumber;
    const auto& deals = GameDeals();
    const RankPlayer player(tables, orvaneNumber, options, {});
    auto work = [&](std::size_t w) {
        RankSurvey& mine = shares_->Of[w];
        mine.Weight.reserve(deals.size() / Workers + 1);
        mine.Size.reserve(deals.size() / Workers + 1);
        for (std::size_t i = w; i < deals.size(); i += Workers) {
            player.Survey(deals[i], mine);
            if (w == 0 && progress && i % 2048 == 0) {
                progress(i, deals.size());
            }
        }
        mine.Holds.shrink_to_fit();
    };
    std::thread second(work, 1);
    work(0);
    second.join();
}

RankHoldSurvey::~RankHoldSurvey() = default;
RankHoldSurvey::RankHoldSurvey(RankHoldSurvey&&) noexcept = default;
RankHoldSurvey& RankHoldSurvey::operator=(RankHoldSurvey&&) noexcept = default;

std::array<StatePlay, Countdowns> RankHoldSurvey::Play(
    const std::array<MeterTerms, Countdowns>& terms) const {
    NotNegative(terms);
    std::array<std::array<StatePlay, Countdowns>, Workers> part{};
    auto work = [&](std::size_t w) {
        const RankSurvey& mine = shares_->Of[w];
        std::size_t next = 0;
        for (std::size_t d = 0; d < mine.Weight.size(); ++d) {
            const auto weight = static_cast<double>(mine.Weight[d]);
            const SurveyedHold* holds = &mine.Holds[next];
            const std::size_t size = mine.Size[d];
            next += size;
            for (std::size_t c = 0; c < Countdowns; ++c) {
                const SurveyedHold* best = FirstBest(holds, size, terms[c]);
                StatePlay& s = part[w][c];
                s.LinePaid += weight * best->LinePaid();
                s.Charged += weight * best->Charged();
                s.StepProbability += weight * best->Value.Step;
                s.JackpotProbability += weight * best->Value.Jackpot;
            }
        }
    };
    std::thread second(work, 1);
    work(0);
    second.join();
    const double allDeals = static_cast<double>(Binomial::Of(CardsInDeck, 5));
    std::array<StatePlay, Countdowns> play{};
    for (std::size_t c = 0; c < Countdowns; ++c) {
        play[c].LinePaid = (part[0][c].LinePaid + part[1][c].LinePaid) / allDeals;
        play[c].Charged = (part[0][c].Charged + part[1][c].Charged) / allDeals;
        play[c].StepProbability =
            (part[0][c].StepProbability + part[1][c].StepProbability) / allDeals;
        play[c].JackpotProbability =
            (part[0][c].JackpotProbability + part[1][c].JackpotProbability) / allDeals;
    }
    return play;
}

std::array<StateFigures, Countdowns> RankHoldSurvey::Figures(
    const DrawTables& tables, const OrvaneOptions& options,
    const std::array<MeterTerms, Countdowns>& terms) const {
    NotNegative(terms);
    const auto& deals = GameDeals();
    const RankPlayer player(tables, shares_->Rank, options, terms);
    std::vector<Accumulator> acc(Workers);
    auto work = [&](std::size_t w) {
        const RankSurvey& mine = shares_->Of[w];
        HoldOutcomes scratch;
        std::size_t next = 0;
        for (std::size_t d = 0; d < mine.Weight.size(); ++d) {
            const SurveyedHold* holds = &mine.Holds[next];
            const std::size_t size = mine.Size[d];
            next += size;
            std::array<HoldBits, Countdowns> chosen{};
            for (std::size_t c = 0; c < Countdowns; ++c) {
                chosen[c] = FirstBest(holds, size, terms[c])->Hold;
            }
            player.PlayChosen(deals[w + d * Workers], chosen, scratch, acc[w]);
        }
    };
    std::thread second(work, 1);
    work(0);
    second.join();
    return MergeWorkers(acc);
}

std::size_t RankHoldSurvey::HoldsKept() const {
    return shares_->Of[0].Holds.size() + shares_->Of[1].Holds.size();
}

std::size_t RankHoldSurvey::Deals() const {
    return shares_->Of[0].Weight.size() + shares_->Of[1].Weight.size();
}

}  // namespace orvane::analysis
