#include "OrvaneReturn.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <future>
#include <numeric>
#include <stdexcept>
#include <thread>

#include "DealClasses.h"
#include "HoldCounts.h"
#include "HoldFrontier.h"
#include "game/AutoHold.h"
#include "game/Card.h"
#include "game/HandEvaluator.h"

namespace orvane::analysis {

namespace {

constexpr int Workers = 2;
constexpr int SlotOrders = 120;

std::size_t RankSlot(std::int32_t orvaneNumber) {
    if (orvaneNumber < FirstOrvaneNumber || orvaneNumber > LastOrvaneNumber) {
        throw std::out_of_range("bonus rank out of 7..10");
    }
    return static_cast<std::size_t>(orvaneNumber - FirstOrvaneNumber);
}

HoldBits AutoHoldOfOrder(const FiveCards& cards, const std::array<int, 5>& perm,
                         std::int32_t orvaneNumber) {
    HandRanks hand;
    for (std::size_t s = 0; s < 5; ++s) {
        const CardValue v = cards[static_cast<std::size_t>(perm[s])] + 1;
        hand.Rank[s] = RankOfValue(v);
        hand.Suit[s] = v == JokerValue ? 0 : SuitOfValue(v);
    }
    const HoldMask held = AutoHoldOfDeal(hand, orvaneNumber);
    HoldBits bits = 0;
    for (std::size_t s = 0; s < 5; ++s) {
        if (held[s]) {
            bits |= 1U << perm[s];
        }
    }
    return bits;
}

}  // namespace

std::array<int, HoldCount> AutoHoldOrders(const FiveCards& cards, std::int32_t orvaneNumber,
                                          bool everyOrder) {
    std::array<int, HoldCount> orders{};
    std::array<int, 5> perm = {0, 1, 2, 3, 4};
    const bool joker = std::find(cards.begin(), cards.end(), 52) != cards.end();
    if (joker || everyOrder) {
        do {
            ++orders[AutoHoldOfOrder(cards, perm, orvaneNumber)];
        } while (std::next_permutation(perm.begin(), perm.end()));
        return orders;
    }
    // Without the joker the hold sees the order of the slots only where it keeps one card
    // of a rank that is there more than once: the first one. Every arrangement of the
    // cards of each rank among themselves is as likely, 120 / (product of g!) orders each
    // for ranks there g times; one order of each is played: the cards of a rank take the
    // positions of that rank in the deal, in each arrangement in turn.
    std::array<std::array<int, 5>, 5> groups{};  // card positions by rank, in ascending order
    std::array<std::size_t, 5> sizes{};
    std::size_t groupCount = 0;
    for (int p = 0; p < 5; ++p) {
        std::size_t g = 0;
        while (g < groupCount && cards[static_cast<std::size_t>(groups[g][0])] % 13 !=
                                     cards[static_cast<std::size_t>(p)] % 13) {
            ++g;
        }
        groupCount = std::max(groupCount, g + 1);
        groups[g][sizes[g]++] = p;
    }
    const std::array<std::array<int, 5>, 5> places = groups;
    int arrangements = 1;
    for (std::size_t g = 0; g < groupCount; ++g) {
        for (std::size_t i = 2; i <= sizes[g]; ++i) {
            arrangements *= static_cast<int>(i);
        }
    }
    const int share = SlotOrders / arrangements;
    while (true) {
        for (std::size_t g = 0; g < groupCount; ++g) {
            for (std::size_t i = 0; i < sizes[g]; ++i) {
                perm[static_cast<std::size_t>(places[g][i])] = groups[g][i];
            }
        }
        orders[AutoHoldOfOrder(cards, perm, orvaneNumber)] += share;
        std::size_t g = 0;
        while (g < groupCount &&
               !std::next_permutation(groups[g].begin(),
                                      groups[g].begin() + static_cast<std::ptrdiff_t>(sizes[g]))) {
            ++g;
        }
        if (g == groupCount) {
            return orders;
        }
    }
}

namespace {

std::int64_t CommonDrawMultiple(int unseen) {
    std::int64_t l = 1;
    for (int k = 0; k <= 5; ++k) {
        l = std::lcm(l, Binomial::Of(unseen, k));
    }
    return l;
}

struct Accumulator {
    std::array<StateFigures, Countdowns> States;
    std::vector<std::int64_t> Counts = std::vector<std::int64_t>(OrvaneClassCount, 0);

    Accumulator() {
        for (auto& s : States) {
            s.ClassProbability.assign(OrvaneClassCount, 0.0);
            s.DrawnClassProbability.assign(OrvaneClassCount, 0.0);
        }
    }
};

// A hold kept for the later passes of policy iteration: what the meter prices change.
struct SurveyedHold {
    HoldSummary Value;
    HoldBits Hold = 0;

    bool Stands() const { return Hold == 0 || Hold == HoldAll; }
    double Charged() const { return Stands() ? 1.0 : 2.0; }
    double LinePaid() const { return Stands() ? Value.Base : Value.Base + 1.0; }
};

// One worker's share of the deals of one bonus rank, each reduced to the holds that can be
// best at some meter prices: deal by deal, how many, then those holds in tie order.
struct RankSurvey {
    std::vector<std::int32_t> Weight;
    std::vector<std::uint8_t> Size;
    std::vector<SurveyedHold> Holds;
};

// The holds are in tie order, so the first best one is BestHold's.
const SurveyedHold* FirstBest(const SurveyedHold* holds, std::size_t size, MeterTerms t) {
    const SurveyedHold* best = holds;
    for (std::size_t h = 1; h < size; ++h) {
        if (Beats(holds[h].Value, best->Value, t)) {
            best = &holds[h];
        }
    }
    return best;
}

class RankPlayer {
  public:
    RankPlayer(const DrawTables& tables, std::int32_t rank, const OrvaneOptions& options,
               const std::array<MeterTerms, Countdowns>& terms)
        : tables_(tables), rank_(rank), options_(options), terms_(terms) {
        for (int cls = 0; cls < OrvaneClassCount; ++cls) {
            const PrizeIndex prize = PrizeOfClass(cls);
            pay_[static_cast<std::size_t>(cls)] =
                prize == NoPrize ? 0.0 : options.Pays[static_cast<std::size_t>(prize)];
        }
        sameForAll_ = std::all_of(terms.begin(), terms.end(), [&](const MeterTerms& t) {
            return t.Step == terms[0].Step && t.Jackpot == terms[0].Jackpot;
        });
        multiple_ = CommonDrawMultiple(tables.DeckSize() - 5);
        for (int cls = 0; cls < OrvaneClassCount; ++cls) {
            const MeterEffect e = MeterEffectOfClass(cls);
            steps_[static_cast<std::size_t>(cls)] = e == MeterEffect::Step ? 1 : 0;
            jackpots_[static_cast<std::size_t>(cls)] = e == MeterEffect::Jackpot ? 1 : 0;
        }
    }

    void Play(const DealClass& deal, Accumulator& acc) const {
        const HoldOutcomes o = CountHoldOutcomes(tables_, deal.Cards);
        const int standing = tables_.ClassOf(MaskOf(deal.Cards));
        if (options_.Play == Strategy::Auto) {
            const auto orders = AutoHoldOrders(deal.Cards, rank_);
            for (HoldBits m = 0; m < HoldCount; ++m) {
                if (orders[m] != 0) {
                    // The same in every countdown: PlayOneRank copies it to the others.
                    const double share = deal.Weight * orders[m] / double{SlotOrders};
                    Add(o, m, standing, share, acc.States[0]);
                    AddExact(o, m, standing, std::int64_t{deal.Weight} * orders[m], acc);
                }
            }
            return;
        }
        std::array<HoldSummary, HoldCount> summary{};
        for (HoldBits m = 0; m < HoldCount; ++m) {
            summary[m] = Summarize(o, m, standing);
        }
        HoldBits firstBest = 0;
        for (int c = 0; c < Countdowns; ++c) {
            const auto cs = static_cast<std::size_t>(c);
            if (c > 0 && sameForAll_) {
                Add(o, firstBest, standing, deal.Weight, acc.States[cs]);
                continue;
            }
            const HoldBits best = BestHold(summary, terms_[cs]);
            Add(o, best, standing, deal.Weight, acc.States[cs]);
            if (c == 0) {
                firstBest = best;
                AddExact(o, best, standing, std::int64_t{deal.Weight} * SlotOrders, acc);
            }
        }
    }

    // Values every hold of the deal once and keeps those that can be best when a step
    // and a jackpot are worth anything not negative.
    void Survey(const DealClass& deal, RankSurvey& out) const {
        const HoldOutcomes o = CountHoldOutcomes(tables_, deal.Cards);
        const int standing = tables_.ClassOf(MaskOf(deal.Cards));
        std::array<HoldSummary, HoldCount> summary{};
        for (HoldBits m = 0; m < HoldCount; ++m) {
            summary[m] = Summarize(o, m, standing);
        }
        std::array<HoldBits, HoldCount> kept{};
        const int count = UndominatedHolds(summary, kept);
        out.Weight.push_back(deal.Weight);
        out.Size.push_back(static_cast<std::uint8_t>(count));
        for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
            out.Holds.push_back({summary[kept[i]], kept[i]});
        }
    }

    // The deal's play when the hold of each countdown is already known: only those holds
    // are counted.
    void PlayChosen(const DealClass& deal, const std::array<HoldBits, Countdowns>& chosen,
                    HoldOutcomes& scratch, Accumulator& acc) const {
        std::uint32_t which = 0;
        for (HoldBits m : chosen) {
            which |= 1U << m;
        }
        CountChosenHolds(tables_, deal.Cards, which, scratch);
        const int standing = tables_.ClassOf(MaskOf(deal.Cards));
        for (std::size_t c = 0; c < Countdowns; ++c) {
            Add(scratch, chosen[c], standing, deal.Weight, acc.States[c]);
        }
    }

    std::int64_t ExactScale() const { return multiple_ * SlotOrders; }

  private:
    HoldSummary Summarize(const HoldOutcomes& o, HoldBits m, int standing) const {
        HoldSummary s;
        if (m == 0 || m == HoldAll) {
            s.Base = pay_[static_cast<std::size_t>(standing)];
            s.Step = MeterEffectOfClass(standing) == MeterEffect::Step ? 1.0 : 0.0;
            s.Jackpot = MeterEffectOfClass(standing) == MeterEffect::Jackpot ? 1.0 : 0.0;
            return s;
        }
        const std::int64_t* c = o.Of(m);
        double base = 0;
        std::int64_t step = 0;
        std::int64_t jackpot = 0;
        for (std::size_t j = 0; j < static_cast<std::size_t>(OrvaneClassCount); ++j) {
            base += static_cast<double>(c[j]) * pay_[j];
            step += c[j] * steps_[j];
            jackpot += c[j] * jackpots_[j];
        }
        const auto draws = static_cast<double>(o.Draws[m]);
        s.Base = base / draws - 1.0;
        s.Step = static_cast<double>(step) / draws;
        s.Jackpot = static_cast<double>(jackpot) / draws;
        return s;
    }

    void Add(const HoldOutcomes& o, HoldBits m, int standing, double weight,
             StateFigures& state) const {
        const bool stands = m == 0 || m == HoldAll;
        if (stands) {
            state.ClassProbability[static_cast<std::size_t>(standing)] += weight;
            state.Charged += weight;
            const MeterEffect e = MeterEffectOfClass(standing);
            state.StepProbability += e == MeterEffect::Step ? weight : 0.0;
            state.JackpotProbability += e == MeterEffect::Jackpot ? weight : 0.0;
            return;
        }
        const std::int64_t* c = o.Of(m);
        const double scale = weight / static_cast<double>(o.Draws[m]);
        state.Charged += 2.0 * weight;
        for (int cls = 0; cls < OrvaneClassCount; ++cls) {
            const auto j = static_cast<std::size_t>(cls);
            const double p = static_cast<double>(c[j]) * scale;
            state.ClassProbability[j] += p;
            state.DrawnClassProbability[j] += p;
            // The class's meter effect from the player's own table: this runs for every
            // class of every counted hold.
            if (steps_[j] != 0) {
                state.StepProbability += p;
            } else if (jackpots_[j] != 0) {
                state.JackpotProbability += p;
            }
        }
    }

    // Whole counts over deals x 120 slot orders x a common multiple of the draw counts.
    void AddExact(const HoldOutcomes& o, HoldBits m, int standing, std::int64_t weight,
                  Accumulator& acc) const {
        if (m == 0 || m == HoldAll) {
            acc.Counts[static_cast<std::size_t>(standing)] += weight * multiple_;
            return;
        }
        const std::int64_t scale = weight * (multiple_ / o.Draws[m]);
        const std::int64_t* c = o.Of(m);
        for (std::size_t j = 0; j < static_cast<std::size_t>(OrvaneClassCount); ++j) {
            acc.Counts[j] += c[j] * scale;
        }
    }

    const DrawTables& tables_;
    std::int32_t rank_;
    const OrvaneOptions& options_;
    std::array<MeterTerms, Countdowns> terms_;
    std::array<double, OrvaneClassCount> pay_{};
    std::array<std::int64_t, OrvaneClassCount> steps_{};  // 1 for a class that steps the meter
    std::array<std::int64_t, OrvaneClassCount> jackpots_{};
    bool sameForAll_ = true;
    std::int64_t multiple_ = 1;
};

// The workers' sums, as chances per deal.
std::array<StateFigures, Countdowns> MergeWorkers(const std::vector<Accumulator>& acc) {
    const double allDeals = static_cast<double>(Binomial::Of(CardsInDeck, 5));
    std::array<StateFigures, Countdowns> states = acc[0].States;
    for (std::size_t c = 0; c < Countdowns; ++c) {
        StateFigures& s = states[c];
        const StateFigures& other = acc[1].States[c];
        for (std::size_t j = 0; j < s.ClassProbability.size(); ++j) {
            s.ClassProbability[j] = (s.ClassProbability[j] + other.ClassProbability[j]) / allDeals;
            s.DrawnClassProbability[j] =
                (s.DrawnClassProbability[j] + other.DrawnClassProbability[j]) / allDeals;
        }
        s.Charged = (s.Charged + other.Charged) / allDeals;
        s.StepProbability = (s.StepProbability + other.StepProbability) / allDeals;
        s.JackpotProbability = (s.JackpotProbability + other.JackpotProbability) / allDeals;
    }
    return states;
}

const std::vector<DealClass>& GameDeals() {
    static const std::vector<DealClass> deals = GroupDealsBySuitRenaming(CardsInDeck);
    return deals;
}

// Dense Gaussian elimination with partial pivoting; the systems here have 41 unknowns.
std::vector<double> Solve(std::vector<std::vector<double>> a, std::vector<double> b) {
    const std::size_t n = b.size();
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t pivot = col;
        for (std::size_t r = col + 1; r < n; ++r) {
            if (std::abs(a[r][col]) > std::abs(a[pivot][col])) {
                pivot = r;
            }
        }
        std::swap(a[col], a[pivot]);
        std::swap(b[col], b[pivot]);
        if (a[col][col] == 0.0) {
            throw std::runtime_error("meter chain has no unique solution");
        }
        for (std::size_t r = 0; r < n; ++r) {
            if (r != col) {
                const double f = a[r][col] / a[col][col];
                for (std::size_t k = col; k < n; ++k) {
                    a[r][k] -= f * a[col][k];
                }
                b[r] -= f * b[col];
            }
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        b[i] /= a[i][i];
    }
    return b;
}

}  // namespace

namespace {

// No card has this rank, so no pay line of the bonus rank can come up.
constexpr std::int32_t NoBonusRank = 0;

bool HoldsRank(const FiveCards& cards, std::int32_t rank) {
    return std::any_of(cards.begin(), cards.end(),
                       [rank](int card) { return RankOfValue(card + 1) == rank; });
}

}  // namespace

const DrawTables& OrvaneTables::ForRank(std::int32_t orvaneNumber) {
    auto& t = tables_[RankSlot(orvaneNumber)];
    if (!t) {
        // The bonus rank only names which rank's three, four or five take the bonus lines,
        // so a hand without a card of that rank has the class it has under no bonus rank.
        if (withoutBonusRank_.empty()) {
            withoutBonusRank_ = DrawTables::ClassifyEveryHand(
                CardsInDeck, OrvaneClassCount, [](const FiveCards& cards, std::size_t) {
                    return OrvaneClassOf(cards, NoBonusRank);
                });
        }
        const auto& plain = withoutBonusRank_;
        t = std::make_unique<DrawTables>(
            OrvaneClassCount, CardsInDeck,
            DrawTables::ClassifyEveryHand(
                CardsInDeck, OrvaneClassCount,
                [&plain, orvaneNumber](const FiveCards& cards, std::size_t index) {
                    return HoldsRank(cards, orvaneNumber) ? OrvaneClassOf(cards, orvaneNumber)
                                                          : int{plain[index]};
                }));
    }
    return *t;
}

std::array<StateFigures, Countdowns> PlayOneRank(
    const DrawTables& tables, std::int32_t orvaneNumber, const OrvaneOptions& options,
    const std::array<MeterTerms, Countdowns>& terms, const Progress& progress,
    std::vector<std::int64_t>* exactCounts, std::int64_t* exactTotal) {
    RankSlot(orvaneNumber);
    const auto& deals = GameDeals();
    const RankPlayer player(tables, orvaneNumber, options, terms);
    std::vector<Accumulator> acc(Workers);
    auto work = [&](std::size_t w) {
        for (std::size_t i = w; i < deals.size(); i += Workers) {
            player.Play(deals[i], acc[w]);
            if (w == 0 && progress && i % 2048 == 0) {
                progress(i, deals.size());
            }
        }
    };
    std::thread second(work, 1);
    work(0);
    second.join();

    std::array<StateFigures, Countdowns> states = MergeWorkers(acc);
    if (options.Play == Strategy::Auto) {
        std::fill(states.begin() + 1, states.end(), states[0]);
    }
    if (exactCounts != nullptr) {
        exactCounts->assign(OrvaneClassCount, 0);
        for (const auto& a : acc) {
            for (std::size_t j = 0; j < a.Counts.size(); ++j) {
                (*exactCounts)[j] += a.Counts[j];
            }
        }
    }
    if (exactTotal != nullptr) {
        *exactTotal = Binomial::Of(CardsInDeck, 5) * player.ExactScale();
    }
    return states;
}

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

namespace {

// What the meter chain needs of one state's play, per round.
struct StateSums {
    double LinePaid = 0;
    double Charged = 0;
    double Step = 0;
    double Jackpot = 0;
    double SecondMoment = 0;  // of paid - charged, jackpots included
};
using ChainInputs = std::array<std::array<StateSums, Countdowns>, BonusRanks>;

ChainSolution SolveChain(const ChainInputs& in) {
    constexpr std::size_t N = BonusRanks * Countdowns;
    auto index = [](std::size_t r, std::size_t c) { return r * Countdowns + c; };
    std::vector<std::vector<double>> p(N, std::vector<double>(N, 0.0));
    std::vector<double> reward(N, 0.0);
    std::vector<double> paid(N, 0.0);
    std::vector<double> jackpotPaid(N, 0.0);
    for (std::size_t r = 0; r < BonusRanks; ++r) {
        const double jackpot = 100.0 * static_cast<double>(FirstOrvaneNumber + static_cast<int>(r));
        for (std::size_t c = 0; c < Countdowns; ++c) {
            const StateSums& s = in[r][c];
            const std::size_t from = index(r, c);
            const bool last = c == 0;  // countdown 1: a step empties the meter
            const double empties = s.Jackpot + (last ? s.Step : 0.0);
            p[from][index((r + 1) % BonusRanks, Countdowns - 1)] += empties;
            if (!last) {
                p[from][index(r, c - 1)] += s.Step;
            }
            p[from][from] += 1.0 - empties - (last ? 0.0 : s.Step);
            jackpotPaid[from] = empties * jackpot;
            paid[from] = s.LinePaid + jackpotPaid[from];
            reward[from] = paid[from] - s.Charged;
        }
    }
    // Long-run shares: pi P = pi, sum pi = 1 (one balance equation replaced).
    std::vector<std::vector<double>> a(N, std::vector<double>(N, 0.0));
    std::vector<double> b(N, 0.0);
    for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t j = 0; j < N; ++j) {
            a[i][j] = p[j][i] - (i == j ? 1.0 : 0.0);
        }
    }
    a[N - 1].assign(N, 1.0);
    b[N - 1] = 1.0;
    ChainSolution out;
    out.Share = Solve(a, b);
    double gain = 0;
    for (std::size_t i = 0; i < N; ++i) {
        out.Paid += out.Share[i] * paid[i];
        out.JackpotPaid += out.Share[i] * jackpotPaid[i];
        out.Charged += out.Share[i] * in[i / Countdowns][i % Countdowns].Charged;
        out.SecondMoment += out.Share[i] * in[i / Countdowns][i % Countdowns].SecondMoment;
        gain += out.Share[i] * reward[i];
    }
    // Relative values: h(s) + g = reward(s) + sum P h, with h of the first state 0.
    std::vector<std::vector<double>> h(N, std::vector<double>(N, 0.0));
    std::vector<double> rhs(N, 0.0);
    for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t j = 0; j < N; ++j) {
            h[i][j] = (i == j ? 1.0 : 0.0) - p[i][j];
        }
        rhs[i] = reward[i] - gain;
    }
    h[0].assign(N, 0.0);
    h[0][0] = 1.0;
    rhs[0] = 0.0;
    out.Bias = Solve(h, rhs);
    return out;
}

// The next strategy values a step and a jackpot by where they move the chain.
std::array<std::array<MeterTerms, Countdowns>, BonusRanks> TermsFromChain(
    const ChainSolution& chain) {
    std::array<std::array<MeterTerms, Countdowns>, BonusRanks> terms{};
    for (std::size_t r = 0; r < BonusRanks; ++r) {
        const double jackpot = 100.0 * static_cast<double>(FirstOrvaneNumber + static_cast<int>(r));
        const double refilled = chain.Bias[((r + 1) % BonusRanks) * Countdowns + 9];
        for (std::size_t c = 0; c < Countdowns; ++c) {
            const double here = chain.Bias[r * Countdowns + c];
            const double emptied = jackpot + refilled - here;
            terms[r][c].Jackpot = emptied;
            terms[r][c].Step = c == 0 ? emptied : chain.Bias[r * Countdowns + c - 1] - here;
        }
    }
    return terms;
}

bool AllNotNegative(const std::array<std::array<MeterTerms, Countdowns>, BonusRanks>& terms) {
    for (const auto& rankTerms : terms) {
        for (const MeterTerms& t : rankTerms) {
            if (t.Step < 0 || t.Jackpot < 0) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

ChainSolution SolveMeterChain(
    const std::array<std::array<StateFigures, Countdowns>, BonusRanks>& states,
    const Multipliers& pays) {
    ChainInputs in{};
    for (std::size_t r = 0; r < BonusRanks; ++r) {
        const double jackpot = 100.0 * static_cast<double>(FirstOrvaneNumber + static_cast<int>(r));
        for (std::size_t c = 0; c < Countdowns; ++c) {
            const StateFigures& s = states[r][c];
            StateSums& sums = in[r][c];
            sums.Charged = s.Charged;
            sums.Step = s.StepProbability;
            sums.Jackpot = s.JackpotProbability;
            const bool last = c == 0;
            for (int cls = 0; cls < OrvaneClassCount; ++cls) {
                const auto j = static_cast<std::size_t>(cls);
                const PrizeIndex prize = PrizeOfClass(cls);
                const double pay = prize == NoPrize ? 0.0 : pays[static_cast<std::size_t>(prize)];
                const MeterEffect e = MeterEffectOfClass(cls);
                const bool wins = e == MeterEffect::Jackpot || (last && e == MeterEffect::Step);
                const double total = pay + (wins ? jackpot : 0.0);
                const double drawn = s.DrawnClassProbability[j];
                const double stood = s.ClassProbability[j] - drawn;
                sums.LinePaid += s.ClassProbability[j] * pay;
                sums.SecondMoment +=
                    stood * (total - 1.0) * (total - 1.0) + drawn * (total - 2.0) * (total - 2.0);
            }
        }
    }
    return SolveChain(in);
}

std::vector<MeterTerms> MeterTermsOfChain(const ChainSolution& chain) {
    std::vector<MeterTerms> flat;
    for (const auto& rankTerms : TermsFromChain(chain)) {
        flat.insert(flat.end(), rankTerms.begin(), rankTerms.end());
    }
    return flat;
}

ChainSolution SolveMeterChain(
    const std::array<std::array<StatePlay, Countdowns>, BonusRanks>& play) {
    ChainInputs in{};
    for (std::size_t r = 0; r < BonusRanks; ++r) {
        for (std::size_t c = 0; c < Countdowns; ++c) {
            const StatePlay& p = play[r][c];
            in[r][c] = {p.LinePaid, p.Charged, p.StepProbability, p.JackpotProbability, 0.0};
        }
    }
    return SolveChain(in);
}

namespace {

std::int32_t RankOfSlot(std::size_t r) {
    return static_cast<std::int32_t>(FirstOrvaneNumber + static_cast<int>(r));
}

// Each rank surveyed in turn while the next rank's tables are built beside it: a phase
// on two threads leaves a core idle while its slower half ends, and the table building
// fills those gaps. Stops early (fewer surveys than ranks) when `stopped` says so.
template <typename Stopped, typename StepProgress>
std::vector<RankHoldSurvey> SurveyEveryRank(OrvaneTables& tables, const OrvaneOptions& options,
                                            const Stopped& stopped,
                                            const StepProgress& stepProgress) {
    std::vector<RankHoldSurvey> surveys;
    // The deal classes are grouped once, beside the first rank's tables.
    auto deals = std::async(std::launch::async, [] { GameDeals(); });
    tables.ForRank(RankOfSlot(0));
    deals.get();
    for (std::size_t r = 0; r < BonusRanks; ++r) {
        if (stopped()) {
            return surveys;
        }
        // Each slot of `tables` is its own object: building the next one does not touch
        // the one surveyed.
        std::future<void> ahead;
        if (r + 1 < BonusRanks) {
            ahead = std::async(std::launch::async,
                               [&tables, next = RankOfSlot(r + 1)] { tables.ForRank(next); });
        }
        surveys.emplace_back(tables.ForRank(RankOfSlot(r)), RankOfSlot(r), options,
                             stepProgress(r));
        if (ahead.valid()) {
            ahead.get();
        }
    }
    return surveys;
}

}  // namespace

OrvaneFigures OrvaneReturn(OrvaneTables& tables, const OrvaneOptions& options,
                           const Progress& progress) {
    OrvaneFigures figures;
    std::array<std::array<MeterTerms, Countdowns>, BonusRanks> terms{};
    std::array<std::array<StateFigures, Countdowns>, BonusRanks> states;
    const bool iterate = options.Meter && options.MeterAware && options.Play == Strategy::Optimal;
    const int passes = iterate ? 6 : 1;
    const bool survey = iterate && options.SurveyHolds;
    // With the survey: every rank surveyed, the passes scan, then one last full pass.
    const std::size_t steps = BonusRanks * (survey ? 2U : static_cast<std::size_t>(passes));
    auto stepProgress = [&](std::size_t step) {
        Progress inner;
        if (progress) {
            inner = [&progress, step, steps](std::size_t done, std::size_t all) {
                progress(step * all + done, steps * all);
            };
        }
        return inner;
    };
    auto stopped = [&options] { return options.Stop != nullptr && options.Stop->load(); };
    auto halted = [&figures] {
        figures.Stopped = true;
        return figures;
    };
    std::vector<RankHoldSurvey> surveys;
    if (survey) {
        surveys = SurveyEveryRank(tables, options, stopped, stepProgress);
        if (surveys.size() < BonusRanks) {
            return halted();
        }
    }
    std::vector<std::int64_t> counts(OrvaneClassCount, 0);
    double lastGain = -1e300;
    ChainSolution chain;
    auto playEveryRank = [&](std::size_t firstStep) {
        std::fill(counts.begin(), counts.end(), 0);
        figures.Total = 0;
        for (std::size_t r = 0; r < BonusRanks; ++r) {
            if (stopped()) {
                return ChainSolution{};
            }
            const auto rank = static_cast<std::int32_t>(FirstOrvaneNumber + static_cast<int>(r));
            std::vector<std::int64_t> rankCounts;
            std::int64_t total = 0;
            const DrawTables& rankTables = tables.ForRank(rank);
            // The next rank's tables are built while this one is played (see SurveyEveryRank).
            std::future<void> ahead;
            if (r + 1 < BonusRanks) {
                ahead = std::async(std::launch::async,
                                   [&tables, next = RankOfSlot(r + 1)] { tables.ForRank(next); });
            }
            states[r] = PlayOneRank(rankTables, rank, options, terms[r],
                                    stepProgress(firstStep + r), &rankCounts, &total);
            if (ahead.valid()) {
                ahead.get();
            }
            for (std::size_t j = 0; j < counts.size(); ++j) {
                counts[j] += rankCounts[j];
            }
            figures.Total += total;
        }
        return SolveMeterChain(states, options.Pays);
    };
    for (int pass = 0; pass < passes; ++pass) {
        if (survey && AllNotNegative(terms)) {
            std::array<std::array<StatePlay, Countdowns>, BonusRanks> play{};
            for (std::size_t r = 0; r < BonusRanks; ++r) {
                play[r] = surveys[r].Play(terms[r]);
            }
            chain = SolveMeterChain(play);
        } else {
            chain = playEveryRank(BonusRanks * static_cast<std::size_t>(survey ? 1 : pass));
        }
        if (stopped()) {
            return halted();
        }
        const double gain = chain.Paid - chain.Charged;
        figures.Passes = pass + 1;
        figures.LastGainChange = pass == 0 ? 0.0 : gain - lastGain;
        if (passes == 1 || std::abs(gain - lastGain) < 1e-12) {
            break;
        }
        lastGain = gain;
        terms = TermsFromChain(chain);
    }
    if (survey && !AllNotNegative(terms)) {
        chain = playEveryRank(BonusRanks);
    } else if (survey) {
        // The figures of the chosen strategy, only its holds counted.
        for (std::size_t r = 0; r < BonusRanks; ++r) {
            if (stopped()) {
                return halted();
            }
            const auto rank = static_cast<std::int32_t>(FirstOrvaneNumber + static_cast<int>(r));
            states[r] = surveys[r].Figures(tables.ForRank(rank), options, terms[r]);
            if (progress) {
                progress(BonusRanks + r + 1, 2 * BonusRanks);
            }
        }
        chain = SolveMeterChain(states, options.Pays);
    }
    if (stopped()) {
        return halted();
    }
    if (!options.Meter) {
        // Without the meter the four bonus ranks are weighed alike, jackpots left out.
        chain.Paid -= chain.JackpotPaid;
        double paid = 0;
        double charged = 0;
        double secondMoment = 0;
        for (const auto& rankStates : states) {
            const StateFigures& s = rankStates[0];
            for (int cls = 0; cls < OrvaneClassCount; ++cls) {
                const auto j = static_cast<std::size_t>(cls);
                const PrizeIndex prize = PrizeOfClass(cls);
                const double pay =
                    prize == NoPrize ? 0.0 : options.Pays[static_cast<std::size_t>(prize)];
                const double drawn = s.DrawnClassProbability[j];
                paid += s.ClassProbability[j] * pay / BonusRanks;
                secondMoment += ((s.ClassProbability[j] - drawn) * (pay - 1) * (pay - 1) +
                                 drawn * (pay - 2) * (pay - 2)) /
                                BonusRanks;
            }
            charged += s.Charged / BonusRanks;
        }
        chain.Paid = paid;
        chain.Charged = charged;
        chain.SecondMoment = secondMoment;
        chain.JackpotPaid = 0;
        figures.Counts.assign(PrizeLines + 1, 0);
        for (int cls = 0; cls < OrvaneClassCount; ++cls) {
            figures.Counts[static_cast<std::size_t>(PrizeOfClass(cls))] +=
                counts[static_cast<std::size_t>(cls)];
        }
    } else {
        figures.Total = 0;
        figures.StateShare = chain.Share;
        if (options.Play == Strategy::Optimal && options.MeterAware) {
            for (const auto& rankTerms : terms) {
                figures.StateTerms.insert(figures.StateTerms.end(), rankTerms.begin(),
                                          rankTerms.end());
            }
        }
    }
    figures.States = states;
    figures.Return = chain.Paid / chain.Charged;
    figures.NetPerRound = chain.Paid - chain.Charged;
    figures.ChargedPerRound = chain.Charged;
    figures.Variance = chain.SecondMoment - figures.NetPerRound * figures.NetPerRound;
    figures.MeterShare = chain.Paid > 0 ? chain.JackpotPaid / chain.Paid : 0.0;
    figures.LineProbability.assign(PrizeLines + 1, 0.0);
    for (std::size_t r = 0; r < BonusRanks; ++r) {
        for (std::size_t c = 0; c < Countdowns; ++c) {
            const double share =
                options.Meter ? chain.Share[r * Countdowns + c] : (c == 0 ? 1.0 / BonusRanks : 0.0);
            for (int cls = 0; cls < OrvaneClassCount; ++cls) {
                figures.LineProbability[static_cast<std::size_t>(PrizeOfClass(cls))] +=
                    share * states[r][c].ClassProbability[static_cast<std::size_t>(cls)];
            }
        }
    }
    return figures;
}

}  // namespace orvane::analysis
