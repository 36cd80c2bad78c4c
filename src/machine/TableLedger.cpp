#include "TableLedger.h"

#include <QLoggingCategory>
#include <QString>
#include <limits>
#include <optional>
#include <string_view>

#include "RecordsNotice.h"
#include "game/GameTable.h"
#include "game/RoundRules.h"
#include "game/SnapshotCodec.h"
#include "settings/CriticalStore.h"
#include "settings/TSettings.h"
#include "settings/WholeNumber.h"

namespace orvane {
namespace {

Q_LOGGING_CATEGORY(lcLedger, "orvane.ledger")

// Beside the table's own records: whether the run that wrote them was closing, and the
// credit that close keeps for the next start.
constexpr std::string_view ClosedName = "Ledger.Closed";
constexpr std::string_view LastCreditName = "Ledger.LastCredit";
// Written once a close has finished. Stores from before it lack it, and read as a run
// that did not close normally, which is what they told before.
constexpr std::string_view CloseDoneName = "Ledger.CloseDone";

std::optional<std::int64_t> NumberOf(const CriticalRecords& records, std::string_view name) {
    for (const auto& [key, text] : records) {
        if (key == name) {
            return ParseWholeNumber64(text);
        }
    }
    return std::nullopt;
}

}  // namespace

TableLedger::TableLedger(CriticalStore& store, GameTable& table, TSettings& settings, Tell tell)
    : store_(store), table_(table), settings_(settings), tell_(std::move(tell)) {
    // A failing save is told here, with what it means for play.
    store_.Tell = nullptr;
}

TableLedger::Restored TableLedger::Restore() {
    const CriticalLoad load = store_.Load();
    for (const std::string& message : load.Messages) {
        tell_(message);
    }
    if (!load.Records) {
        return Restored::Nothing;
    }
    const SnapshotDecoding decoded = SnapshotCodec::Decode(*load.Records);
    const std::optional<std::int64_t> closed = NumberOf(*load.Records, ClosedName);
    const std::optional<std::int64_t> lastCredit = NumberOf(*load.Records, LastCreditName);
    if (!decoded.Snapshot || !closed || !lastCredit || *lastCredit < 0 ||
        *lastCredit > std::numeric_limits<std::int32_t>::max()) {
        const std::string reason =
            decoded.Snapshot ? "its closing record is missing or damaged" : decoded.Reason;
        qCWarning(lcLedger) << "the saved table was refused:" << QString::fromStdString(reason);
        tell_("The saved credit and meters could not be used (" + reason +
              "). The game started from the settings file instead.");
        return Restored::Nothing;
    }
    // Attached first: the resume settles, so the audit reports what the files hold and a
    // stage it finishes is kept at once. Until the start decides, the closing record is
    // written back as it was found.
    table_.SetJournal(this);
    closing_ = *closed != 0;
    restoredLastCredit_ = *lastCredit;
    table_.Resume(*decoded.Snapshot);
    closing_ = false;
    restoredLastCredit_.reset();
    // A close empties the credit into LastCredit; should a close record ever hold credit
    // or a round, playing on from the table is the way that cannot pay it twice.
    const TableState& state = decoded.Snapshot->Table;
    const bool between = BetweenGames(state.RoundState, state.StageInFlight);
    if (*closed != 0 && state.Credit == 0 && between) {
        settings_.LastCredit = static_cast<std::int32_t>(*lastCredit);
        return Restored::AfterClose;
    }
    if (NumberOf(*load.Records, CloseDoneName).value_or(0) == 0) {
        tell_(between ? KeptText : ResumedText);
        return Restored::Interrupted;
    }
    if (!between) {
        tell_(decoded.Snapshot->DoubleUp.Open ? KeptWinText : KeptRoundText);
    }
    // This run is under way now: should it end without a close, the next start says so.
    Commit();
    return Restored::Interrupted;
}

void TableLedger::BeginClose() {
    closing_ = true;
}

void TableLedger::EndClose() {
    closed_ = true;
    Commit();
}

void TableLedger::Commit() {
    CriticalRecords records = SnapshotCodec::Encode(table_.Snapshot());
    records.emplace_back(ClosedName, closing_ ? "1" : "0");
    records.emplace_back(LastCreditName,
                         std::to_string(restoredLastCredit_.value_or(settings_.LastCredit)));
    records.emplace_back(CloseDoneName, closed_ ? "1" : "0");
    // A run of failures is told once, and so is its end; the table refuses money meanwhile.
    const bool kept = store_.Save(records);
    if (kept == notKeptTold_) {
        notKeptTold_ = !kept;
        const std::string folder = FolderOf(store_.Path(0));
        tell_(kept ? RecordsKeptAgainNotice(folder)
                   : RecordsNotKeptNotice(folder, store_.Failure()));
    }
}

RecordKeeping TableLedger::Keeping() const {
    return store_.Failing() ? RecordKeeping::CannotBeKept : RecordKeeping::Kept;
}

void TableLedger::AuditFailed(const std::string& details) {
    qCCritical(lcLedger).noquote() << "credit audit failed:" << QString::fromStdString(details);
    if (!auditTold_) {
        auditTold_ = true;
        tell_(
            "The machine's own check of its credit found a mismatch. The details and the "
            "last games were written to the log; please report them.");
    }
}

}  // namespace orvane
