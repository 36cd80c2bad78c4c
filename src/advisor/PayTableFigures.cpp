#include "PayTableFigures.h"

#include "analysis/SecondDrawReturn.h"

namespace orvane::advisor {

using namespace analysis;

namespace {

// Shares of the time: the single-draw best play's survey and passes take about as long as
// the automatic hold's one pass; the best play with the second draw, which sums a table
// per meter state, about four times that.
constexpr double OptimalShare = 0.15;
constexpr double AutoShare = 0.15;

}  // namespace

std::optional<PayTableFigures> AnalysePayTable(const Multipliers& pays,
                                               const std::atomic<bool>& stop,
                                               const std::function<void(double)>& progress) {
    OrvaneOptions optimal;
    optimal.Pays = pays;
    optimal.Stop = &stop;
    OrvaneOptions automatic = optimal;
    automatic.Play = Strategy::Auto;
    auto part = [&progress](double from, double width) -> Progress {
        if (!progress) {
            return {};
        }
        return [&progress, from, width](std::size_t done, std::size_t all) {
            progress(from +
                     width * static_cast<double>(done) / static_cast<double>(all == 0 ? 1 : all));
        };
    };

    OrvaneTables tables;  // the four ranks' tables, shared by both strategies
    const OrvaneFigures best = OrvaneReturn(tables, optimal, part(0.0, OptimalShare));
    if (best.Stopped || stop) {
        return std::nullopt;
    }
    const OrvaneFigures autoHold = OrvaneReturn(tables, automatic, part(OptimalShare, AutoShare));
    if (autoHold.Stopped || stop) {
        return std::nullopt;
    }
    // The best play gives a first-draw win up when a second draw is worth more, priced at
    // the single-draw game's meter terms. One pass: `orvane-analysis return` iterates on
    // to the settled strategy, which on the default pay table moves the return by 0.00006,
    // far inside the figure's own accuracy, for four times the work.
    SecondDrawOptions withOption;
    withOption.Pays = pays;
    withOption.Terms = best.StateTerms;
    withOption.PricingPasses = 1;
    withOption.Stop = &stop;
    const SecondDrawFigures bestPlay = OrvaneReturnWithSecondDraw(
        tables, withOption, part(OptimalShare + AutoShare, 1.0 - OptimalShare - AutoShare));
    if (bestPlay.Stopped || stop) {
        return std::nullopt;
    }
    if (progress) {
        progress(1.0);
    }
    PayTableFigures figures;
    figures.Pays = pays;
    figures.BestPlayReturn = bestPlay.Return;
    figures.BestPlayMeterShare = bestPlay.MeterShare;
    figures.BestPlaySecondDraws = bestPlay.SecondDrawsPerRound;
    figures.OptimalReturn = best.Return;
    figures.OptimalMeterShare = best.MeterShare;
    figures.LineProbability = best.LineProbability;
    figures.StateTerms = best.StateTerms;
    figures.AutoReturn = autoHold.Return;
    figures.AutoMeterShare = autoHold.MeterShare;
    figures.AutoLineProbability = autoHold.LineProbability;
    return figures;
}

}  // namespace orvane::advisor
