#include "ScriptedPlay.h"

#include <random>
#include <sstream>

namespace orvane::test {

std::vector<PlayerAction> MakeScript(std::uint32_t seed, int length) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pick(0, 99);
    std::vector<PlayerAction> script;
    for (int i = 0; i < length; ++i) {
        const int p = pick(random);
        PlayerAction a;
        if (p < 36) {
            a.kind = PlayerAction::Deal;
        } else if (p < 70) {
            a.kind = PlayerAction::Hold;
            a.arg = 1 + pick(random) % 5;
        } else if (p < 76) {
            a.kind = PlayerAction::Bet;
        } else if (p < 88) {
            a.kind = PlayerAction::Cash;
        } else if (p < 98) {
            a.kind = PlayerAction::AddCredit;
            const int amounts[] = {5, 100, 100, 1000};
            a.arg = amounts[pick(random) % 4];
        } else {
            a.kind = PlayerAction::CashOut;
        }
        script.push_back(a);
    }
    return script;
}

void Apply(GameTable& table, const PlayerAction& action) {
    switch (action.kind) {
        case PlayerAction::Deal:
            table.Deal();
            break;
        case PlayerAction::Hold:
            table.Hold(action.arg);
            break;
        case PlayerAction::Bet:
            table.Bet();
            break;
        case PlayerAction::Cash:
            table.Cash();
            break;
        case PlayerAction::AddCredit:
            table.AddCredit(action.arg, true);
            break;
        case PlayerAction::CashOut:
            table.CashOut(true);
            break;
    }
}

std::string Observe(const GameTable& table, const FakeDisplay& d, const FakeSettings& settings) {
    std::ostringstream out;
    const TableState& s = table.State();
    out << "credit " << d.credit << " bet " << d.bet << " picture " << d.bonusPicture;
    if (s.BetIndex != 0) {
        out << " jackpot " << d.jackpot;
    }
    out << "\nhand";
    for (std::size_t slot = 1; slot <= 5; ++slot) {
        const Card& c = d.hand[slot];
        out << ' ' << (c.ShowBack ? "back" : std::to_string(c.Value)) << (c.Held ? "h" : "")
            << (d.holdMark[slot] ? "m" : "");
    }
    out << "\nstars " << d.stars << " layout "
        << (d.buttonLayout ? static_cast<int>(*d.buttonLayout) : -9) << " message "
        << static_cast<int>(d.message) << (d.messageBlinks ? " blinking" : "") << " panel "
        << d.doubleUpPanel << " choices " << static_cast<int>(d.choiceButtons) << " highlight "
        << d.highlighted << " idle " << d.idleRunning << " indicator " << d.indicatorBlinking
        << "\nmeter";
    for (std::size_t square = 1; square <= 10; ++square) {
        out << (d.meterLit[square] ? '#' : '.');
    }
    out << " pay";
    for (const auto amount : d.payValues) {
        out << ' ' << amount;
    }
    out << ' ' << d.orvaneLine;
    if (d.doubleUpPanel) {
        out << "\nwin " << d.win << " caption " << d.winCaption << " dup";
        for (std::size_t i = 1; i <= 10; ++i) {
            if (d.dupVisible[i]) {
                // A card's back hides its value.
                out << ' '
                    << (d.dupCards[i].ShowBack ? "back" : std::to_string(d.dupCards[i].Value));
            }
        }
    }
    out << "\nstate " << static_cast<int>(s.RoundState) << " in flight "
        << StageNumber(s.StageInFlight) << " bet index " << s.BetIndex << " rank " << s.OrvaneNumber
        << " countdowns";
    for (const auto countdown : table.Orvane().State) {
        out << ' ' << countdown;
    }
    out << "\nstatistics";
    for (const auto count : settings.stats.PrizeStat) {
        out << ' ' << count;
    }
    out << " in " << settings.stats.CreditIn << " out " << settings.stats.CreditOut;
    const CreditAuditCounters& a = table.Audit().Counters();
    out << "\naudit " << a.Added << ' ' << a.TakenOut << ' ' << a.Won << ' ' << a.Charged;
    for (const GameRecord& game : table.History().Finished()) {
        out << "\ngame " << Describe(game);
    }
    if (table.History().Current()) {
        out << "\nnow " << Describe(*table.History().Current());
    }
    return out.str();
}

void RecordingJournal::Commit() {
    commits.push_back({action, table_.Snapshot()});
}

}  // namespace orvane::test
