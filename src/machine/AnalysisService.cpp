#include "AnalysisService.h"

#include <QLoggingCategory>
#include <QMetaObject>

#include "PayFiguresFile.h"
#include "advisor/WorkLane.h"
#include "analysis/OrvaneClasses.h"

namespace orvane {

namespace {
Q_LOGGING_CATEGORY(lcAnalysis, "orvane.analysis")
}  // namespace

// What the hand lane keeps between requests: the draw tables of one bonus rank (rebuilt
// only when the rank changes) and the advisor over them.
struct AnalysisService::HandWork {
    std::unique_ptr<analysis::DrawTables> tables;
    std::int32_t tablesRank = 0;
    advisor::HoldAdvisor advisor{[this](std::int32_t rank) -> const analysis::DrawTables& {
        if (!tables || tablesRank != rank) {
            tables.reset();  // one rank's tables at a time
            tables = std::make_unique<analysis::DrawTables>(analysis::OrvaneHandClasses(rank));
            tablesRank = rank;
        }
        return *tables;
    }};
};

AnalysisService::AnalysisService(FiguresJob figures, QString cacheFolder, QObject* parent)
    : QObject(parent),
      figuresJob_(std::move(figures)),
      cacheFolder_(std::move(cacheFolder)),
      hand_(std::make_shared<HandWork>()),
      handLane_(std::make_unique<advisor::WorkLane>()),
      figuresLane_(std::make_unique<advisor::WorkLane>(advisor::WorkLane::Priority::Background)) {
    if (!figuresJob_) {
        figuresJob_ = [](const Multipliers& pays, const std::atomic<bool>& stop,
                         const std::function<void(double)>& progress) {
            return advisor::AnalysePayTable(pays, stop, progress);
        };
    }
}

// The lanes end first, while everything their jobs touch is still there; whatever they
// posted back and was not delivered goes with this object.
AnalysisService::~AnalysisService() {
    figuresLane_.reset();
    handLane_.reset();
}

void AnalysisService::Deliver(std::function<void()> onInterfaceThread) {
    QMetaObject::invokeMethod(this, std::move(onInterfaceThread), Qt::QueuedConnection);
}

template <typename Advise, typename Show>
void AnalysisService::OnHandLane(Advise advise, Show show) {
    handLane_->Post([this, work = hand_, advise = std::move(advise), show = std::move(show)] {
        if (auto result = advise(work->advisor)) {
            Deliver([show, result = std::move(*result)] { show(result); });
        }
    });
}

void AnalysisService::AdviseDeal(int tag, const advisor::RoundSituation& situation,
                                 advisor::CardMask dead) {
    OnHandLane(
        [situation, dead](const advisor::HoldAdvisor& a) { return a.Advise(situation, dead); },
        [this, tag](const advisor::HoldAdvice& advice) {
            if (OnDealAdvised) {
                OnDealAdvised(tag, advice);
            }
        });
}

void AnalysisService::ReviewHold(int tag, const advisor::RoundSituation& situation,
                                 advisor::CardMask dead, advisor::HoldBits hold) {
    OnHandLane(
        [situation, dead](const advisor::HoldAdvisor& a) { return a.Advise(situation, dead); },
        [this, tag, hold](const advisor::HoldAdvice& advice) {
            if (OnHoldReviewed) {
                OnHoldReviewed(tag, advice, hold);
            }
        });
}

void AnalysisService::AdviseAfterWin(int tag, const advisor::RoundSituation& situation,
                                     advisor::CardMask thrownAway) {
    OnHandLane(
        [situation, thrownAway](const advisor::HoldAdvisor& a) {
            return a.AdviseAfterWin(situation, thrownAway);
        },
        [this, tag](const advisor::AfterWinAdvice& advice) {
            if (OnAfterWinAdvised) {
                OnAfterWinAdvised(tag, advice);
            }
        });
}

void AnalysisService::LetTablesGo() {
    handLane_->Post([work = hand_] { work->tables.reset(); });
}

void AnalysisService::Stop() {
    figuresLane_->Stop();
    handLane_->Stop();
}

void AnalysisService::RequestFigures(const Multipliers& pays) {
    if (figures_.count(pays) != 0 || pending_.count(pays) != 0) {
        return;
    }
    pending_.insert(pays);
    progress_ = 0;
    qCInfo(lcAnalysis) << "working out the figures of a pay table";
    figuresLane_->Post([this, pays] {
        const std::atomic<bool>& stop = figuresLane_->Stopping();
        const std::optional<PayFiguresFile> file =
            cacheFolder_.isEmpty() ? std::nullopt : std::optional(PayFiguresFile(cacheFolder_));
        std::optional<advisor::PayTableFigures> figures = file ? file->Read(pays) : std::nullopt;
        if (figures) {
            Deliver([this, pays, figures = std::move(figures)] { FiguresDone(pays, figures); });
            return;
        }
        try {
            figures = figuresJob_(pays, stop, [this](double fraction) {
                progressSeen_ = fraction;
                // One report on its way at a time: the engine reports far more often than
                // a bar can show.
                if (!progressPosted_.exchange(true)) {
                    Deliver([this] {
                        progressPosted_ = false;
                        progress_ = progressSeen_;
                        emit FiguresProgressed();
                    });
                }
            });
        } catch (const std::exception& e) {
            // Out of memory, most likely: the window says so; the game plays on.
            qCWarning(lcAnalysis) << "the figures of a pay table failed:" << e.what();
        }
        if (figures && file && !stop.load() && !file->Write(*figures)) {
            qCWarning(lcAnalysis) << "the figures could not be kept in" << file->PathFor(pays);
        }
        if (!stop.load()) {
            Deliver([this, pays, figures = std::move(figures)] { FiguresDone(pays, figures); });
        }
    });
}

void AnalysisService::FiguresDone(const Multipliers& pays,
                                  std::optional<advisor::PayTableFigures> figures) {
    pending_.erase(pays);
    if (!figures) {
        emit FiguresReady();  // with nothing to show: the window says so
        return;
    }
    progress_ = 1.0;
    qCInfo(lcAnalysis) << "the figures of a pay table are worked out: return"
                       << figures->OptimalReturn << "with the best holds," << figures->AutoReturn
                       << "with the automatic hold";
    std::vector<analysis::MeterTerms> terms = figures->StateTerms;
    figures_[pays] = std::move(*figures);
    handLane_->Post([work = hand_, pays, terms = std::move(terms)]() mutable {
        work->advisor.UseMeterTerms(pays, std::move(terms));
    });
    emit FiguresReady();
}

const advisor::PayTableFigures* AnalysisService::Figures(const Multipliers& pays) const {
    const auto found = figures_.find(pays);
    return found == figures_.end() ? nullptr : &found->second;
}

}  // namespace orvane
