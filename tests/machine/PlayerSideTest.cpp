// The player's side of the machine: cutting a win's count short, and what the player is
// told about the records.
#include <gtest/gtest.h>

#include "machine/PlayerWinCount.h"
#include "machine/RecordsNotice.h"

namespace orvane::test {
namespace {

// Counts of every length, cut short at every step or never: the rest is asked for only
// from the step after the request, a request outside a count is forgotten, and the banner
// names the shortcut once, for counts long enough to read it, and gets its text back.
TEST(PlayerWinCount, ACountIsCutShortOnlyWhenAskedDuringIt) {
    int hints = 0;
    int restored = 0;
    PlayerWinCount count([&] { ++hints; }, [&] { ++restored; });
    for (int steps = 1; steps <= 2 * PlayerWinCount::StepsBeforeHint; ++steps) {
        for (int cutAt = 0; cutAt <= steps; ++cutAt) {  // 0: never cut
            hints = restored = 0;
            count.RequestRest();  // before the count: no effect on it
            count.CountBegins();
            EXPECT_TRUE(count.Counting());
            int taken = 0;
            for (int step = 1; step <= steps; ++step) {
                if (step == cutAt) {
                    count.RequestRest();
                }
                if (count.CollectRestNow()) {
                    break;
                }
                ++taken;
            }
            count.CountEnds();
            EXPECT_FALSE(count.Counting());
            EXPECT_EQ(taken, cutAt == 0 ? steps : cutAt - 1) << steps << ' ' << cutAt;
            const bool hinted = taken > PlayerWinCount::StepsBeforeHint;
            EXPECT_EQ(hints, hinted ? 1 : 0) << steps << ' ' << cutAt;
            EXPECT_EQ(restored, hints);
        }
    }
}

TEST(RecordsNotice, EveryNoticeNamesTheFolderOfTheRecords) {
    const std::pair<const char*, const char*> paths[] = {
        {"/home/ann/.local/share/records.1", "/home/ann/.local/share"},
        {"/records.1", "/"},
        {"records.1", "."},
        {"a/b", "a"},
    };
    for (const auto& [path, folder] : paths) {
        EXPECT_EQ(FolderOf(path), folder);
        for (const std::string& notice :
             {RecordsNotKeptNotice(folder, "disk full"), RecordsKeptAgainNotice(folder),
              CoinRefusedNotice(folder)}) {
            EXPECT_NE(notice.find(std::string(" ") + folder), std::string::npos) << notice;
        }
    }
    EXPECT_NE(RecordsNotKeptNotice("/x", "disk full").find("(disk full)"), std::string::npos);
}

}  // namespace
}  // namespace orvane::test
