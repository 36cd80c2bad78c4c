#include "PayTableFigures.h"

namespace orvane::advisor {

using namespace analysis;

std::optional<PayTableFigures> AnalysePayTable(const Multipliers& pays,
                                               const std::atomic<bool>& stop,
                                               const std::function<void(double)>& progress,
                                               const PlayFor& playFor) {
    OrvaneOptions optimal;
    optimal.Pays = pays;
    OrvaneOptions automatic = optimal;
    automatic.Play = Strategy::Auto;
    // The best play may stop iterating early; its share of the bar is what it may take.
    const double optimalShare =
        static_cast<double>(MostRankPlays(optimal)) /
        static_cast<double>(MostRankPlays(optimal) + MostRankPlays(automatic));
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
    auto play = [&](const OrvaneOptions& options) {
        return playFor ? playFor(options) : EnginePlay(tables, options);
    };
    const std::optional<OrvaneFigures> best =
        OrvaneReturnUnlessStopped(optimal, play(optimal), stop, part(0.0, optimalShare));
    if (!best) {
        return std::nullopt;
    }
    const std::optional<OrvaneFigures> autoHold = OrvaneReturnUnlessStopped(
        automatic, play(automatic), stop, part(optimalShare, 1.0 - optimalShare));
    if (!autoHold) {
        return std::nullopt;
    }
    if (progress) {
        progress(1.0);
    }
    PayTableFigures figures;
    figures.Pays = pays;
    figures.OptimalReturn = best->Return;
    figures.OptimalMeterShare = best->MeterShare;
    figures.LineProbability = best->LineProbability;
    figures.StateTerms = best->StateTerms;
    figures.AutoReturn = autoHold->Return;
    figures.AutoMeterShare = autoHold->MeterShare;
    figures.AutoLineProbability = autoHold->LineProbability;
    return figures;
}

}  // namespace orvane::advisor
