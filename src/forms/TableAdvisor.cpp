#include "TableAdvisor.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>

#include "advisor/AdviceText.h"
#include "game/TOrvane.h"
#include "game/TableState.h"
#include "layout/TableGeometry.h"
#include "machine/AnalysisService.h"

namespace orvane {

namespace {

// Its own colours on its own ground, so that it reads on every theme and never passes
// for the table's HOLD marks or its banner.
const QString AdviceStyle = QStringLiteral(
    "QLabel { background: rgba(0, 0, 0, 200); color: #40E0FF; border: 1px solid #40E0FF; "
    "border-radius: 3px; }");

QLabel* AdviceLabel(QWidget& surface, const QString& name, const Box& box, int pixelSize) {
    auto* label = new QLabel(&surface);
    label->setObjectName(name);
    label->setGeometry(box.X, box.Y, box.Width, box.Height);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(AdviceStyle);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    label->setFont(font);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);  // clicks reach the card
    label->hide();
    return label;
}

// No card held takes the hand as it stands, as holding all five does.
advisor::HoldBits PlayedHold(advisor::HoldBits held) {
    return held == 0 ? analysis::HoldAll : held;
}

}  // namespace

TableAdvisor::TableAdvisor(QWidget& surface, AnalysisService& service) : service_(service) {
    for (int slot = 1; slot <= 5; ++slot) {
        QLabel* mark = AdviceLabel(surface, QStringLiteral("lblAdvice%1").arg(slot),
                                   TableGeometry::AdviceMark(slot), 10);
        mark->setText(QStringLiteral("BEST"));
        marks_[static_cast<std::size_t>(slot - 1)] = mark;
    }
    line_ = AdviceLabel(surface, QStringLiteral("lblAdvisor"), TableGeometry::AdviceLine, 10);

    service_.OnDealAdvised = [this](int tag, const advisor::HoldAdvice& advice) {
        if (tag == tag_ && on_) {
            ShowMarks(advice.Best);
            ShowLine(QString::fromStdString(advisor::DealLine(advice)));
        }
    };
    service_.OnHoldReviewed = [this](int tag, const advisor::HoldAdvice& advice,
                                     advisor::HoldBits hold) {
        if (tag == tag_ && on_) {
            review_ = QString::fromStdString(advisor::ReviewLine(advice, hold));
            ShowLine(review_);
        }
    };
    service_.OnAfterWinAdvised = [this](int tag, const advisor::AfterWinAdvice& advice) {
        if (tag == tag_ && on_) {
            afterWin_ = advice;
            ShowLine(AfterWinText(*line_, review_,
                                  QString::fromStdString(advisor::AfterWinLine(advice))));
        }
    };
}

advisor::FiveCards TableAdvisor::CardsOf(const TableState& state) {
    advisor::FiveCards cards{};
    for (int slot = 1; slot <= 5; ++slot) {
        cards[static_cast<std::size_t>(slot - 1)] = state.HandCard(slot).Value - 1;
    }
    return cards;
}

void TableAdvisor::SetOn(bool on, const TableState& state, const TOrvane& meter) {
    if (on == on_) {
        return;
    }
    on_ = on;
    ++tag_;  // whatever was asked before belongs to another time
    Clear();
    if (!on_) {
        service_.LetTablesGo();
        return;
    }
    service_.RequestFigures(state.Multiplier);
    if (state.RoundState == RoundPhase::Dealt) {
        NewDeal(state, meter);
    }
}

void TableAdvisor::Drawing(DrawStage /*stage*/, const GameDraw& draw) {
    held_ = 0;
    for (std::size_t i = 0; i < draw.Held.size(); ++i) {
        held_ |= draw.Held[i] ? 1U << i : 0U;
    }
}

void TableAdvisor::StageShown(DrawStage stage, const TableState& state, const TOrvane& meter) {
    if (!on_) {
        hand_ = CardsOf(state);
        return;
    }
    switch (stage) {
        case DrawStage::Deal:
            NewDeal(state, meter);
            break;
        case DrawStage::FirstDraw:
            FirstDraw(state);
            break;
        case DrawStage::SecondDraw:
            SecondDraw();
            break;
    }
    hand_ = CardsOf(state);
}

// The best hold for the second draw.
void TableAdvisor::WinGivenUp(PrizeIndex /*prize*/) {
    if (!on_) {
        return;
    }
    ++tag_;
    review_.clear();
    ShowMarks(afterWin_ ? afterWin_->DrawHold : 0);
    ShowLine(afterWin_ ? QString::fromStdString(advisor::SecondHoldLine()) : QString());
}

void TableAdvisor::IdleAnimationBegins() {
    ++tag_;
    Clear();
}

QString TableAdvisor::AfterWinText(const QLabel& line, const QString& review,
                                   const QString& afterWin) {
    const QString both =
        QString::fromStdString(advisor::JoinLines(review.toStdString(), afterWin.toStdString()));
    const bool fits = line.fontMetrics().horizontalAdvance(both) <= line.contentsRect().width();
    return fits ? both : afterWin;
}

void TableAdvisor::NewDeal(const TableState& state, const TOrvane& meter) {
    ++tag_;
    Clear();
    const auto bet = static_cast<std::size_t>(state.BetIndex);
    advisor::RoundSituation deal;
    deal.Hand = CardsOf(state);
    hand_ = deal.Hand;
    deal.Rank = state.OrvaneNumber;
    deal.Countdown = bet < meter.State.size() ? meter.State[bet] : TOrvane::Full;
    deal.Pays = state.Multiplier;
    deal_ = deal;
    service_.RequestFigures(deal.Pays);
    service_.AdviseDeal(tag_, deal, 0);
}

void TableAdvisor::FirstDraw(const TableState& state) {
    if (!deal_) {
        return;
    }
    ++tag_;
    Clear();
    const advisor::HoldBits hold = PlayedHold(held_);
    thrownAway_ = analysis::MaskOf(hand_, analysis::HoldAll & ~hold);
    service_.ReviewHold(tag_, *deal_, 0, hold);
    if (state.RoundState == RoundPhase::FirstDrawWon) {
        advisor::RoundSituation won = *deal_;
        won.Hand = CardsOf(state);  // the meter as it stood at the deal: a win given up is undone
        service_.AdviseAfterWin(tag_, won, thrownAway_);
    }
}

void TableAdvisor::SecondDraw() {
    if (!deal_) {
        return;
    }
    ++tag_;
    Clear();
    advisor::RoundSituation redraw = *deal_;
    redraw.Hand = hand_;
    const advisor::HoldBits hold = PlayedHold(held_);
    service_.ReviewHold(tag_, redraw, thrownAway_, hold);
}

void TableAdvisor::ShowMarks(advisor::HoldBits hold) {
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        marks_[i]->setVisible((hold >> i & 1U) != 0);
    }
}

void TableAdvisor::ShowLine(const QString& text) {
    line_->setText(text);
    line_->setVisible(!text.isEmpty());
}

void TableAdvisor::Clear() {
    ShowMarks(0);
    ShowLine(QString());
    review_.clear();
    afterWin_.reset();
}

}  // namespace orvane
