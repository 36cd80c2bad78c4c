#include "SingleDrawReturn.h"

#include <bit>
#include <numeric>
#include <stdexcept>
#include <thread>

#include "DealClasses.h"

namespace orvane::analysis {

namespace {

// Products of counts and pays, summed over all deals, pass 2^63.
__extension__ using Int128 = __int128;

std::int64_t CommonDrawMultiple(int unseen) {
    std::int64_t l = 1;
    for (int k = 0; k <= 5; ++k) {
        l = std::lcm(l, Binomial::Of(unseen, k));
    }
    return l;
}

Int128 PaidOver(const HoldOutcomes& o, HoldBits hold, const std::vector<std::int64_t>& pays) {
    const std::int64_t* c = o.Of(hold);
    Int128 sum = 0;
    for (std::size_t j = 0; j < pays.size(); ++j) {
        sum += static_cast<Int128>(c[j]) * pays[j];
    }
    return sum;
}

// Holds ordered by the number of cards kept, most first, then by slot bits.
std::vector<HoldBits> HoldsByCardsKept() {
    std::vector<HoldBits> order(HoldCount);
    std::iota(order.begin(), order.end(), 0U);
    std::stable_sort(order.begin(), order.end(),
                     [](HoldBits a, HoldBits b) { return std::popcount(a) > std::popcount(b); });
    return order;
}

}  // namespace

double GameCounts::Return(const std::vector<std::int64_t>& pays) const {
    Int128 paid = 0;
    for (std::size_t j = 0; j < Counts.size() && j < pays.size(); ++j) {
        paid += static_cast<Int128>(Counts[j]) * pays[j];
    }
    // Split into whole and fraction before the division so no precision is lost.
    const auto whole = static_cast<std::int64_t>(paid / Total);
    const auto rest = static_cast<std::int64_t>(paid % Total);
    return static_cast<double>(whole) + static_cast<double>(rest) / static_cast<double>(Total);
}

HoldBits BestSingleDrawHold(const HoldOutcomes& o, const std::vector<std::int64_t>& pays) {
    static const std::vector<HoldBits> order = HoldsByCardsKept();
    HoldBits best = order.front();
    Int128 bestPaid = PaidOver(o, best, pays);
    for (HoldBits hold : order) {
        // a/b > c/d compared as a*d > c*b: all exact.
        const Int128 paid = PaidOver(o, hold, pays);
        if (paid * o.Draws[best] > bestPaid * o.Draws[hold]) {
            best = hold;
            bestPaid = paid;
        }
    }
    return best;
}

GameCounts SingleDrawReturn(const DrawTables& tables, const std::vector<std::int64_t>& pays,
                            const Progress& progress) {
    if (static_cast<int>(pays.size()) != tables.ClassCount()) {
        throw std::invalid_argument("one pay per hand class");
    }
    const auto deals = GroupDealsBySuitRenaming(tables.DeckSize());
    const int unseen = tables.DeckSize() - 5;
    const std::int64_t multiple = CommonDrawMultiple(unseen);
    const auto k = static_cast<std::size_t>(tables.ClassCount());

    // Two workers over interleaved deals; each keeps its own sums.
    const unsigned workers = std::max(1U, std::min(2U, std::thread::hardware_concurrency()));
    std::vector<std::vector<std::int64_t>> sums(workers, std::vector<std::int64_t>(k, 0));
    auto work = [&](unsigned w) {
        for (std::size_t i = w; i < deals.size(); i += workers) {
            const HoldOutcomes o = CountHoldOutcomes(tables, deals[i].Cards);
            const HoldBits best = BestSingleDrawHold(o, pays);
            const std::int64_t scale = deals[i].Weight * (multiple / o.Draws[best]);
            const std::int64_t* c = o.Of(best);
            for (std::size_t j = 0; j < k; ++j) {
                sums[w][j] += c[j] * scale;
            }
            if (w == 0 && progress && i % 4096 == 0) {
                progress(i, deals.size());
            }
        }
    };
    std::vector<std::thread> threads;
    for (unsigned w = 1; w < workers; ++w) {
        threads.emplace_back(work, w);
    }
    work(0);
    for (auto& t : threads) {
        t.join();
    }
    GameCounts result;
    result.Counts.assign(k, 0);
    for (const auto& s : sums) {
        for (std::size_t j = 0; j < k; ++j) {
            result.Counts[j] += s[j];
        }
    }
    result.Total = Binomial::Of(tables.DeckSize(), 5) * multiple;
    if (progress) {
        progress(deals.size(), deals.size());
    }
    return result;
}

}  // namespace orvane::analysis
