// The main window's life from its creation to its close, walked without a window.
#include <gtest/gtest.h>

#include "machine/WindowLife.h"

namespace orvane::test {
namespace {

struct Walk {
    WindowLife life;
    int asked = 0;
    CloseAnswer Request(bool agree, bool ready) {
        return life.RequestClose(
            [&] {
                ++asked;
                return agree;
            },
            [ready] { return ready; });
    }
};

TEST(WindowLife, StartsOnceAndTheCoinsAtStartEndTheStart) {
    Walk w;
    EXPECT_TRUE(w.life.Starting());
    EXPECT_TRUE(w.life.FirstShow());
    EXPECT_EQ(w.life.Stage(), WindowStage::Greeting);
    EXPECT_TRUE(w.life.Starting());
    EXPECT_FALSE(w.life.FirstShow());  // shown again after a mode switch: no second start
    w.life.Started();
    EXPECT_EQ(w.life.Stage(), WindowStage::Running);
    EXPECT_FALSE(w.life.Starting());
    EXPECT_FALSE(w.life.FirstShow());
}

// Every stage before the close, with every answer and table: the question is asked only
// while the close is not yet agreed, a busy table makes the close wait, and once closed
// every further request goes through untouched.
TEST(WindowLife, EveryCloseRequestFromEveryStage) {
    for (int before = 0; before < 3; ++before) {
        for (bool agree : {false, true}) {
            for (bool ready : {false, true}) {
                Walk w;
                if (before >= 1) {
                    w.life.FirstShow();
                }
                if (before >= 2) {
                    w.life.Started();
                }
                const WindowStage stage = w.life.Stage();
                const CloseAnswer answer = w.Request(agree, ready);
                EXPECT_EQ(w.asked, 1);
                if (!agree) {
                    EXPECT_EQ(answer, CloseAnswer::Refused);
                    EXPECT_EQ(w.life.Stage(), stage);
                    continue;
                }
                EXPECT_EQ(answer, ready ? CloseAnswer::Close : CloseAnswer::Wait);
                EXPECT_EQ(w.life.CloseDue(true), !ready);
                EXPECT_FALSE(w.life.CloseDue(false));
                w.life.Started();  // coins given late do not undo the close
                if (!ready) {
                    EXPECT_EQ(w.life.Stage(), WindowStage::ClosePending);
                    EXPECT_EQ(w.Request(false, false), CloseAnswer::Wait);
                    EXPECT_EQ(w.Request(false, true), CloseAnswer::Close);
                    EXPECT_EQ(w.asked, 1);  // agreed once is agreed
                }
                EXPECT_EQ(w.life.Stage(), WindowStage::Closed);
                EXPECT_FALSE(w.life.Starting());
                EXPECT_FALSE(w.life.CloseDue(true));
                EXPECT_EQ(w.Request(false, false), CloseAnswer::AlreadyClosed);
                EXPECT_EQ(w.asked, 1);
            }
        }
    }
}

}  // namespace
}  // namespace orvane::test
