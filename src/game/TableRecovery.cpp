#include "TableRecovery.h"

#include <string>

#include "RoundRules.h"
#include "SnapshotSchema.h"

namespace orvane {

ButtonLayout TableRecovery::IdleLayout() const {
    return outOfService_ || keeping_ == RecordKeeping::CannotBeKept ? ButtonLayout::OutOfService
                                                                    : ButtonLayout::Idle;
}

void TableRecovery::Settle() {
    const TableState& s = p_.Table;
    const CreditAudit& audit = p_.Audit;
    if (audit.Holds(s.Credit)) {
        reportedMismatch_ = 0;
    } else if (const std::int64_t mismatch = audit.Expected() - s.Credit;
               mismatch != reportedMismatch_) {
        reportedMismatch_ = mismatch;
        if (journal_ != nullptr) {
            std::string details = audit.Describe(s.Credit);
            const GameHistory& history = p_.History;
            if (history.Current()) {
                details += "\nthis game: " + Describe(*history.Current());
            }
            for (auto game = history.Finished().rbegin(); game != history.Finished().rend();
                 ++game) {
                details += "\nearlier game: " + Describe(*game);
            }
            journal_->AuditFailed(details);
        }
    }
    if (journal_ != nullptr) {
        journal_->Commit();
        NoteKeeping(journal_->Keeping());
    }
}

// Every such action first tries the records again, so the refusal ends with the first
// save that works.
bool TableRecovery::TakesMoney() {
    if (keeping_ == RecordKeeping::CannotBeKept && journal_ != nullptr) {
        journal_->Commit();
        NoteKeeping(journal_->Keeping());
    }
    if (keeping_ == RecordKeeping::Kept) {
        return true;
    }
    ShowRefusal();
    return false;
}

void TableRecovery::RetryRecords() {
    if (keeping_ == RecordKeeping::Kept || journal_ == nullptr) {
        return;
    }
    // Between actions: the table is consistent, and the commit runs nothing of the round.
    journal_->Commit();
    NoteKeeping(journal_->Keeping());
}

void TableRecovery::NoteKeeping(RecordKeeping keeping) {
    const bool changed = keeping != keeping_;
    keeping_ = keeping;
    const bool idle = p_.Table.RoundState == RoundPhase::Idle;
    if (keeping_ == RecordKeeping::CannotBeKept) {
        // An idle table is where coins and deals are asked for, so it always says why not.
        if (changed || idle) {
            ShowRefusal();
        }
    } else if (p_.View.View().Banner == Message::RecordsNotKept) {
        p_.View.SetMessage(bannerBeforeRefusal_, bannerBlinkedBeforeRefusal_);
    }
    if (changed && idle) {
        p_.View.SetButtonLayout(IdleLayout());
    }
}

void TableRecovery::ShowRefusal() {
    const TableView& view = p_.View.View();
    if (view.Banner != Message::RecordsNotKept) {
        bannerBeforeRefusal_ = view.Banner;
        bannerBlinkedBeforeRefusal_ = view.BannerBlinks;
    }
    p_.View.SetMessage(Message::RecordsNotKept, true);
}

void TableRecovery::PutBack(const TableSnapshot& before, const Statistics& statsBefore) {
    Restore(before);
    p_.Settings.Stats() = statsBefore;  // this run's counters too
    ShowRefusal();
}

void TableRecovery::ReleaseIdleAnimation() {
    if (!idleHeld_) {
        return;
    }
    idleHeld_ = false;
    if (p_.Table.RoundState == RoundPhase::Idle) {
        p_.View.StartIdleAnimation();
    }
}

TableSnapshot TableRecovery::Snapshot() const {
    TableSnapshot snapshot;
    snapshot.Table = p_.Table;
    snapshot.View = p_.View.View();
    snapshot.DoubleUp = p_.Dup.Capture();
    snapshot.Meter = p_.Meter.Capture();
    snapshot.RandomState = p_.Random.State();
    const Statistics& stats = p_.Settings.Stats();
    snapshot.Stats.PrizeStat = stats.PrizeStat;
    snapshot.Stats.CreditIn = stats.CreditIn;
    snapshot.Stats.CreditOut = stats.CreditOut;
    snapshot.Audit = p_.Audit.Counters();
    snapshot.Games = p_.History.Finished();
    snapshot.CurrentGame = p_.History.Current();
    return snapshot;
}

void TableRecovery::Restore(const TableSnapshot& snapshot) {
    TableState& s = p_.Table;
    // The pay table and the stored bet limits belong to the settings, not to the snapshot.
    s = WithStoredPart(s, snapshot.Table);
    p_.View.Restore(snapshot.View);
    p_.Dup.Restore(snapshot.DoubleUp);
    p_.Meter.Restore(snapshot.Meter);
    p_.Random.SetState(snapshot.RandomState);
    Statistics& stats = p_.Settings.Stats();
    stats.PrizeStat = snapshot.Stats.PrizeStat;
    stats.CreditIn = snapshot.Stats.CreditIn;
    stats.CreditOut = snapshot.Stats.CreditOut;
    p_.Audit.Restore(snapshot.Audit);
    if (!p_.History.Restore(snapshot.Games, snapshot.CurrentGame)) {
        p_.History.Restore({}, std::nullopt);
    }
    Redraw();
}

// Everything the window shows of the table, as the snapshot left it.
void TableRecovery::Redraw() {
    const TableState& s = p_.Table;
    TableDisplay& display = p_.View;
    const TableView view = p_.View.View();
    display.ShowCredit(s.Credit);
    display.ShowBet(s.Bet());
    p_.Pay.ShowValues();
    if (s.BetIndex != 0) {
        p_.Meter.ShowJackpot();  // an empty machine keeps the label it had
    }
    p_.Meter.Draw(true);
    display.ShowBonusPicture(s.OrvaneNumber);
    display.ClearPayHighlight();
    // A deal in flight has already taken the old hand's highlight away.
    if (s.LastPrize != NoPrize && s.StageInFlight != DrawStage::Deal) {
        display.SetPayLineOpaque(s.LastPrize, true);
    }
    display.ShowStars(view.Stars);
    for (int slot = 1; slot <= 5; ++slot) {
        const Card& card = s.HandCard(slot);
        display.ShowHandCard(slot, card);
        display.SetHandCardHeld(slot, card);
        display.SetHoldMark(slot, view.HoldMarks[static_cast<std::size_t>(slot)]);
    }
    if (s.LastPrize != NoPrize) {
        display.ShowWinCaption(PrizeCaption(s.LastPrize, view.CaptionRank));
    }
    display.ShowWin(s.Win);
    RedrawDoubleUp(view);
    p_.Dup.ShowChoiceButtons(p_.Settings.DoubleUpMode());
    const bool idle = BetweenGames(s.RoundState, s.StageInFlight);
    display.SetButtonLayout(idle && IdleLayout() == ButtonLayout::OutOfService ? IdleLayout()
                                                                               : view.Layout);
    display.SetMessage(view.Banner, view.BannerBlinks);
    display.SetIndicatorBlink(view.IndicatorBlinks);
    if (idle) {
        display.StartIdleAnimation();
    } else {
        display.StopIdleAnimation();
    }
    display.Repaint();
}

// The cards guessed so far face up and the next one face down, or the last one turned.
void TableRecovery::RedrawDoubleUp(const TableView& view) {
    TableDisplay& display = p_.View;
    display.HideDupCards();
    if (view.DoubleUpPanel) {
        for (int i = 1; i <= p_.Dup.Step(); ++i) {
            display.ShowDupCard(i, p_.Dup.CardAt(i));
        }
    }
    display.ShowDoubleUpPanel(view.DoubleUpPanel);
}

}  // namespace orvane
