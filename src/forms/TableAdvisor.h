#pragma once

#include <QString>
#include <array>
#include <optional>

#include "advisor/HoldAdvisor.h"
#include "game/RoundPhase.h"

class QLabel;
class QWidget;

namespace orvane {

class AnalysisService;
struct TableState;
struct TOrvane;

// The best-hold advisor on the table: a mark over each card of the best hold after a deal,
// and a line of its own (never the table's banner) that tells what the player's hold gave
// up after a draw and whether a first-draw win is worth giving up. It watches the table
// before and after each game event and asks the analysis service; answers for a stage the
// round has left are dropped. Off, it shows nothing and asks nothing.
class TableAdvisor {
  public:
    TableAdvisor(QWidget& surface, AnalysisService& service);

    // On during a deal, the hand on the table is advised at once.
    void SetOn(bool on, const TableState& state, const TOrvane& meter);
    bool IsOn() const { return on_; }

    void BeforeEvent(const TableState& state);
    void AfterEvent(const TableState& state, const TOrvane& meter);
    // The idle table belongs to its animation: the marks and the line go, and answers
    // still on their way are dropped.
    void IdleAnimationBegins();

    // After a first-draw win: the review and the advice on the win on one line when both
    // fit it, else the advice alone, which is what the player acts on next.
    static QString AfterWinText(const QLabel& line, const QString& review, const QString& afterWin);

  private:
    struct Look {
        RoundPhase Phase = RoundPhase::Idle;
        bool Continued = false;
        advisor::FiveCards Cards{};
        advisor::HoldBits Held = 0;
    };
    static Look LookAt(const TableState& state);
    void NewDeal(const Look& now, const TableState& state, const TOrvane& meter);
    void FirstDraw(const Look& now);
    void SecondDraw();
    void ShowMarks(advisor::HoldBits hold);
    void ShowLine(const QString& text);
    void Clear();

    AnalysisService& service_;
    std::array<QLabel*, 5> marks_{};
    QLabel* line_ = nullptr;
    bool on_ = false;
    int tag_ = 0;
    Look before_;
    // The round's deal as the advice is worked out for it.
    std::optional<advisor::RoundSituation> deal_;
    advisor::CardMask thrownAway_ = 0;  // by the first draw
    std::optional<advisor::AfterWinAdvice> afterWin_;
    QString review_;
};

}  // namespace orvane
