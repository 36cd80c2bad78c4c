#pragma once

#include <QString>
#include <array>

#include "machine/RoundAdvice.h"

class QLabel;
class QWidget;

namespace orvane {

class AnalysisService;

// The best-hold advisor on the table: a mark over each card of the best hold after a deal,
// and a line of its own (never the table's banner), in colours of its own. What it shows
// and when is the round's advice; this draws it.
class TableAdvisor final : public TableListener, private AdviceView {
  public:
    TableAdvisor(QWidget& surface, AnalysisService& service);

    // On during a deal, the hand on the table is advised at once.
    void SetOn(bool on, const TableState& state, const TOrvane& meter) {
        advice_.SetOn(on, state, meter);
    }
    bool IsOn() const { return advice_.IsOn(); }

    void Drawing(DrawStage stage, const GameDraw& draw) override { advice_.Drawing(stage, draw); }
    void StageShown(DrawStage stage, const TableState& state, const TOrvane& meter) override {
        advice_.StageShown(stage, state, meter);
    }
    void WinGivenUp(PrizeIndex prize) override { advice_.WinGivenUp(prize); }
    void IdleAnimationBegins() { advice_.IdleAnimationBegins(); }

    // After a first-draw win: the review and the advice on the win on one line when both
    // fit it, else the advice alone, which is what the player acts on next.
    static QString AfterWinText(const QLabel& line, const QString& review, const QString& afterWin);

  private:
    void ShowMarks(advisor::HoldBits hold) override;
    void ShowLine(const QString& text) override;
    QString AfterWinText(const QString& review, const QString& afterWin) const override;

    std::array<QLabel*, 5> marks_{};
    QLabel* line_ = nullptr;
    RoundAdvice advice_;
};

}  // namespace orvane
