#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "game/Journal.h"

namespace orvane {

class CriticalStore;
class GameTable;
class TSettings;

// Keeps the table's critical values (credit, meters, statistics, the round in progress,
// the last games) in the critical store at every change the table reports, so that no
// crash, kill or lost display can lose what was played or pay it twice. At start it puts
// back what the last run left: after a normal close the meters, statistics and the credit
// kept for this start; after an interruption the whole table, round and all.
class TableLedger final : public Journal {
  public:
    // Tells the player something; it may be called from inside a table event, so the
    // window shows it once the event is over.
    using Tell = std::function<void(const std::string& text)>;

    TableLedger(CriticalStore& store, GameTable& table, TSettings& settings, Tell tell);

    enum class Restored { Nothing, AfterClose, Interrupted };

    // After the table's Start and before anything is played: takes back what the store
    // holds. Interrupted: the round and credit stood as the last run left them, so the
    // credit kept at the last close must not be added again.
    Restored Restore();

    // The normal close of an idle table has begun: the credit about to be emptied is kept
    // as LastCredit, and from here on a kill counts as a close, not as an interrupted
    // game. A close during a round does not call it: the round is resumed next time.
    void BeginClose();
    // The close has done all it does: whatever the table still holds (a round, a win on
    // offer) was kept on purpose, and the next start says so instead of calling it lost.
    void EndClose();

    void Commit() override;
    void AuditFailed(const std::string& details) override;
    RecordKeeping Keeping() const override;

    static constexpr const char* ResumedText =
        "Orvane Cards did not close normally last time, in the middle of a game. The game "
        "has been resumed exactly where it stood: nothing was charged twice and nothing "
        "owed to you was lost.";
    // Closed on purpose with a round unfinished or a win on offer.
    static constexpr const char* KeptRoundText =
        "The game you left unfinished when you closed Orvane Cards has been kept. It goes on "
        "exactly where it stood.";
    static constexpr const char* KeptWinText =
        "The win that was on offer when you closed Orvane Cards has been kept. It is on "
        "offer again.";
    // The same, when the last run ended between games: there is no game to resume.
    static constexpr const char* KeptText =
        "Orvane Cards did not close normally last time. Your credit, meters and statistics "
        "were kept exactly as they stood.";

  private:
    CriticalStore& store_;
    GameTable& table_;
    TSettings& settings_;
    Tell tell_;
    bool closing_ = false;
    bool closed_ = false;
    bool auditTold_ = false;
    bool notKeptTold_ = false;
    // While a restore settles the table: the closing record it found, written back as is.
    std::optional<std::int64_t> restoredLastCredit_;
};

}  // namespace orvane
