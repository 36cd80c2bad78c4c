#pragma once

#include <QString>
#include <optional>

#include "advisor/HoldAdvisor.h"
#include "game/RoundPhase.h"
#include "game/TableListener.h"

namespace orvane {

class AnalysisService;

// Where the advice is shown; the window draws it.
class AdviceView {
  public:
    virtual ~AdviceView() = default;
    // A mark over each card of the hold; 0: none.
    virtual void ShowMarks(advisor::HoldBits hold) = 0;
    // The advisor's own line; empty: none.
    virtual void ShowLine(const QString& text) = 0;
    // After a first-draw win: the review and the advice on the win on one line when both
    // fit it, else the advice alone, which is what the player acts on next.
    virtual QString AfterWinText(const QString& review, const QString& afterWin) const = 0;
};

// The best-hold advisor's part of a round: the best hold after a deal, what the player's
// hold gave up after a draw and whether a first-draw win is worth giving up. It follows
// the table's round as one of its listeners and asks the analysis service; answers for a
// stage the round has left are dropped. Off, it shows nothing and asks nothing.
class RoundAdvice final : public TableListener {
  public:
    RoundAdvice(AnalysisService& service, AdviceView& view);
    RoundAdvice(const RoundAdvice&) = delete;
    RoundAdvice& operator=(const RoundAdvice&) = delete;

    // On during a deal, the hand on the table is advised at once.
    void SetOn(bool on, const TableState& state, const TOrvane& meter);
    bool IsOn() const { return on_; }

    void Drawing(DrawStage stage, const GameDraw& draw) override;
    void StageShown(DrawStage stage, const TableState& state, const TOrvane& meter) override;
    void WinGivenUp(PrizeIndex prize) override;
    // The idle table belongs to its animation: the marks and the line go, and answers
    // still on their way are dropped.
    void IdleAnimationBegins();

  private:
    static advisor::FiveCards CardsOf(const TableState& state);
    void NewDeal(const TableState& state, const TOrvane& meter);
    void FirstDraw(const TableState& state);
    void SecondDraw();
    void ShowLine(const QString& text) { view_.ShowLine(text); }
    void Clear();

    AnalysisService& service_;
    AdviceView& view_;
    bool on_ = false;
    int tag_ = 0;
    // The hand before the draw being played and what the player held of it.
    advisor::FiveCards hand_{};
    advisor::HoldBits held_ = 0;
    // The round's deal as the advice is worked out for it.
    std::optional<advisor::RoundSituation> deal_;
    advisor::CardMask thrownAway_ = 0;  // by the first draw
    std::optional<advisor::AfterWinAdvice> afterWin_;
    QString review_;
};

}  // namespace orvane
