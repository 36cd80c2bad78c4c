#include "RoundAdvice.h"

#include "advisor/AdviceText.h"
#include "game/TOrvane.h"
#include "game/TableState.h"
#include "machine/AnalysisService.h"

namespace orvane {

namespace {

// No card held takes the hand as it stands, as holding all five does.
advisor::HoldBits PlayedHold(advisor::HoldBits held) {
    return held == 0 ? analysis::HoldAll : held;
}

}  // namespace

RoundAdvice::RoundAdvice(AnalysisService& service, AdviceView& view)
    : service_(service), view_(view) {
    service_.OnDealAdvised = [this](int tag, const advisor::HoldAdvice& advice) {
        if (tag == tag_ && on_) {
            view_.ShowMarks(advice.Best);
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
            ShowLine(
                view_.AfterWinText(review_, QString::fromStdString(advisor::AfterWinLine(advice))));
        }
    };
}

advisor::FiveCards RoundAdvice::CardsOf(const TableState& state) {
    advisor::FiveCards cards{};
    for (int slot = 1; slot <= 5; ++slot) {
        cards[static_cast<std::size_t>(slot - 1)] = state.HandCard(slot).Value - 1;
    }
    return cards;
}

void RoundAdvice::SetOn(bool on, const TableState& state, const TOrvane& meter) {
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

void RoundAdvice::Drawing(DrawStage /*stage*/, const GameDraw& draw) {
    held_ = 0;
    for (std::size_t i = 0; i < draw.Held.size(); ++i) {
        held_ |= draw.Held[i] ? 1U << i : 0U;
    }
}

void RoundAdvice::StageShown(DrawStage stage, const TableState& state, const TOrvane& meter) {
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
void RoundAdvice::WinGivenUp(PrizeIndex /*prize*/) {
    if (!on_) {
        return;
    }
    ++tag_;
    review_.clear();
    view_.ShowMarks(afterWin_ ? afterWin_->DrawHold : 0);
    ShowLine(afterWin_ ? QString::fromStdString(advisor::SecondHoldLine()) : QString());
}

void RoundAdvice::IdleAnimationBegins() {
    ++tag_;
    Clear();
}

void RoundAdvice::NewDeal(const TableState& state, const TOrvane& meter) {
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

void RoundAdvice::FirstDraw(const TableState& state) {
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

void RoundAdvice::SecondDraw() {
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

void RoundAdvice::Clear() {
    view_.ShowMarks(0);
    ShowLine(QString());
    review_.clear();
    afterWin_.reset();
}

}  // namespace orvane
