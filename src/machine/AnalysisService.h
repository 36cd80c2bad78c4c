#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "advisor/HoldAdvisor.h"
#include "advisor/PayTableFigures.h"

namespace orvane {

namespace advisor {
class WorkLane;
}

// Runs the exact engine for the window, never on the interface thread: one lane for the
// advice on single hands (fast once the bonus rank's draw tables are built, which happens
// only when advice is first asked for), one for the whole-game figures of a pay table
// (seconds), kept for the run per pay table. Results come back on the interface thread.
// Ending the service stops the figures at the end of the bonus rank in play and drops
// everything that has not started.
class AnalysisService : public QObject {
    Q_OBJECT
  public:
    using FiguresJob = std::function<std::optional<advisor::PayTableFigures>(
        const Multipliers& pays, const std::atomic<bool>& stop,
        const std::function<void(double)>& progress)>;
    // Answers for one round's stage, told by the tag the request carried.
    using DealAnswer = std::function<void(int tag, const advisor::HoldAdvice& advice)>;
    using ReviewAnswer =
        std::function<void(int tag, const advisor::HoldAdvice& advice, advisor::HoldBits hold)>;
    using AfterWinAnswer = std::function<void(int tag, const advisor::AfterWinAdvice& advice)>;

    // `figures` works out a pay table's figures; empty: the exact engine. Figures worked
    // out are kept in `cacheFolder` for later runs; empty: for this run only.
    explicit AnalysisService(FiguresJob figures = {}, QString cacheFolder = {},
                             QObject* parent = nullptr);
    ~AnalysisService() override;

    DealAnswer OnDealAdvised;
    ReviewAnswer OnHoldReviewed;
    AfterWinAnswer OnAfterWinAdvised;

    void AdviseDeal(int tag, const advisor::RoundSituation& situation, advisor::CardMask dead);
    void ReviewHold(int tag, const advisor::RoundSituation& situation, advisor::CardMask dead,
                    advisor::HoldBits hold);
    void AdviseAfterWin(int tag, const advisor::RoundSituation& situation,
                        advisor::CardMask thrownAway);
    // The draw tables of single-hand advice are let go (about 20 MB).
    void LetTablesGo();
    // Asks the work under way to end, without waiting for it: the game is closing.
    void Stop();

    // Starts the figures of a pay table unless they are known or on their way.
    void RequestFigures(const Multipliers& pays);
    const advisor::PayTableFigures* Figures(const Multipliers& pays) const;
    bool Computing(const Multipliers& pays) const { return pending_.count(pays) != 0; }
    // How far the figures in progress are, 0..1.
    double Progress() const { return progress_; }

  signals:
    void FiguresProgressed();
    void FiguresReady();

  private:
    struct HandWork;
    void Deliver(std::function<void()> onInterfaceThread);
    // Works `advise` out on the hand lane and hands a result, if any, to `show` on the
    // interface thread.
    template <typename Advise, typename Show>
    void OnHandLane(Advise advise, Show show);
    void FiguresDone(const Multipliers& pays, std::optional<advisor::PayTableFigures> figures);

    FiguresJob figuresJob_;
    QString cacheFolder_;
    std::shared_ptr<HandWork> hand_;  // used on the hand lane only
    std::map<Multipliers, advisor::PayTableFigures> figures_;
    std::set<Multipliers> pending_;
    double progress_ = 0;
    std::atomic<bool> progressPosted_{false};
    std::atomic<double> progressSeen_{0};
    std::unique_ptr<advisor::WorkLane> handLane_;
    std::unique_ptr<advisor::WorkLane> figuresLane_;
};

}  // namespace orvane
