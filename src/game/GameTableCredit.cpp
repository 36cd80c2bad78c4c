// The credit and the bet: coins in, cash-outs, stakes and the bet ladder.
#include "Amount.h"
#include "GameTable.h"
#include "RoundRules.h"

namespace orvane {

CreditChange GameTable::AddCredit(std::int32_t amount, bool count) {
    if (!s_.Ready) {
        return CreditChange::NotReady;
    }
    if (amount <= 0) {
        return CreditChange::InvalidAmount;
    }
    if (std::int64_t{s_.Credit} + amount > MaxAmount) {
        return CreditChange::WouldOverflow;
    }
    GateGuard gate(s_.Ready);
    ReleaseIdleAnimation();
    // Credit given back without counting it was kept by the run that left it; a coin is new.
    if (count && !recovery_.TakesMoney()) {
        return CreditChange::RecordsNotKept;
    }
    const TableSnapshot before = recovery_.Snapshot();
    const Statistics statsBefore = settings_.Stats();
    display_.PlaySoundEffect(Sound::AddCredit);
    ChargeCredit(-amount);
    Tell(&TableListener::CreditMoved, CreditMove::Added, std::int64_t{amount}, count);
    if (s_.RoundState == RoundPhase::Idle) {
        SelectBet(false);  // a running round keeps the bet it was dealt with
    }
    recovery_.Settle();
    if (count && recovery_.Keeping() == RecordKeeping::CannotBeKept) {
        recovery_.PutBack(before, statsBefore);
        return CreditChange::RecordsNotKept;
    }
    return CreditChange::Done;
}

CreditChange GameTable::CashOut(bool count) {
    if (!s_.Ready) {
        return CreditChange::NotReady;
    }
    if (!CashOutAllowed()) {
        return CreditChange::NotIdle;
    }
    GateGuard gate(s_.Ready);
    const bool idle = s_.RoundState == RoundPhase::Idle;
    if (idle) {
        display_.SetIndicatorBlink(false);
    }
    Tell(&TableListener::CreditMoved, CreditMove::TakenOut, std::int64_t{s_.Credit}, count);
    ChargeCredit(s_.Credit);
    if (idle) {
        SelectBet(false);
    } else {
        // The win stays on offer with the bet it was won at; CASH now collects it.
        display_.SetMessage(Message::Winner, false);
    }
    recovery_.Settle();
    return CreditChange::Done;
}

bool GameTable::CashOutAllowed() const {
    return s_.Ready && (s_.RoundState == RoundPhase::Idle || WinWaitsForRoom());
}

// The one place the credit is written; a negative amount pays into it.
void GameTable::ChargeCredit(std::int32_t amount) {
    s_.Credit = Clamp32(std::int64_t{s_.Credit} - amount);
    display_.ShowCredit(s_.Credit);
}

void GameTable::SelectBet(bool advance) {
    const std::int32_t entry = s_.BetIndex;
    auto amount = [](std::int32_t index) { return BetLadder[static_cast<std::size_t>(index)]; };

    if (s_.Credit == 0) {
        s_.BetIndex = 0;
    } else {
        if (advance) {
            ++s_.BetIndex;
            if (s_.BetIndex >= BetLadderSize || amount(s_.BetIndex) > s_.Credit) {
                s_.BetIndex = 1;
            }
        }
        if (amount(1) > s_.Credit) {
            s_.BetIndex = 0;
        } else if (s_.BetIndex == 0) {
            s_.BetIndex = 1;
        }
    }
    if (amount(s_.BetIndex) > s_.Credit) {
        for (std::int32_t k = BetLadderSize - 1; k >= 1; --k) {
            if (amount(k) <= s_.Credit) {
                s_.BetIndex = k;
                break;
            }
        }
    }

    display_.ShowBet(s_.Bet());
    pay_.ShowValues();
    RefillCheck();
    if (s_.BetIndex != entry) {
        meter_.ShowJackpot();
        meter_.Draw(true);
    }
}

}  // namespace orvane
