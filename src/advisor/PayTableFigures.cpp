#include "PayTableFigures.h"

namespace orvane::advisor {

using namespace analysis;

namespace {

// The best play's survey and passes take about as long as the automatic hold's one pass.
constexpr double OptimalShare = 0.55;

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
    const OrvaneFigures autoHold =
        OrvaneReturn(tables, automatic, part(OptimalShare, 1.0 - OptimalShare));
    if (autoHold.Stopped || stop) {
        return std::nullopt;
    }
    if (progress) {
        progress(1.0);
    }
    PayTableFigures figures;
    figures.Pays = pays;
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
