// Reads the critical store the game leaves behind and checks it the way an auditor would:
// the newest copy verifies, the table it holds decodes, and the credit equals what came in,
// went out, was won and was bet. Prints the figures on one line for the kill test to
// compare from one restart to the next.
#include <cstdio>
#include <string>

#include "game/CreditAudit.h"
#include "game/SnapshotCodec.h"
#include "settings/CriticalStore.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <critical store file>\n", argv[0]);
        return 2;
    }
    orvane::CriticalStore store(argv[1]);
    const orvane::CriticalLoad load = store.Load();
    for (const std::string& message : load.Messages) {
        std::fprintf(stderr, "store: %s\n", message.c_str());
    }
    if (!load.Records) {
        std::printf("none\n");
        return load.Messages.empty() ? 0 : 1;
    }
    const orvane::SnapshotDecoding decoded = orvane::SnapshotCodec::Decode(*load.Records);
    if (!decoded.Snapshot) {
        std::fprintf(stderr, "refused: %s\n", decoded.Reason.c_str());
        return 1;
    }
    const orvane::TableSnapshot& s = *decoded.Snapshot;
    orvane::CreditAudit audit;
    audit.Restore(s.Audit);
    std::printf(
        "sequence %llu round %d flight %d credit %d win %d added %lld out %lld won %lld "
        "charged %lld games %zu\n",
        static_cast<unsigned long long>(load.Sequence), static_cast<int>(s.Table.RoundState),
        StageNumber(s.Table.StageInFlight), s.Table.Credit, s.Table.Win,
        static_cast<long long>(s.Audit.Added), static_cast<long long>(s.Audit.TakenOut),
        static_cast<long long>(s.Audit.Won), static_cast<long long>(s.Audit.Charged),
        s.Games.size());
    if (!audit.Holds(s.Table.Credit)) {
        std::fprintf(stderr, "audit: %s\n", audit.Describe(s.Table.Credit).c_str());
        return 1;
    }
    return 0;
}
