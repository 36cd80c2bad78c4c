// A machine whose cards cannot be shown takes no stake: no deal, no draw, no gamble. What
// the player already has (credit, a win on offer) stays theirs.
#include <gtest/gtest.h>

#include "TableFixture.h"

namespace orvane::test {
namespace {

// A first-draw win of 10 on offer comes from the fixture's OfferHighPair.
class OutOfService : public TableFixture {};

TEST_F(OutOfService, DealDoesNothingAndChargesNothing) {
    StartWithCredit(100);
    display.idleRunning = false;
    table.SetOutOfService(true);
    EXPECT_FALSE(display.idleRunning);
    table.Deal();
    table.Deal();
    EXPECT_EQ(table.State().Credit, 100);
    EXPECT_EQ(table.State().RoundState, RoundPhase::Idle);
    EXPECT_EQ(display.CountSounds("dcard1"), 0);
    EXPECT_TRUE(table.State().Ready) << "the gate stays open for cashing out";

    table.SetOutOfService(false);
    EXPECT_TRUE(display.idleRunning) << "back in service, the idle table plays its show again";
    table.Deal();
    EXPECT_EQ(table.State().Credit, 100 - table.State().Bet());
}

TEST_F(OutOfService, DrawOfARunningRoundIsNotCharged) {
    StartWithCredit(100, 11);
    table.Deal();
    const std::int32_t afterDeal = table.State().Credit;
    table.SetOutOfService(true);
    table.Deal();
    EXPECT_EQ(table.State().Credit, afterDeal);
    EXPECT_EQ(table.State().RoundState, RoundPhase::Dealt);
}

TEST_F(OutOfService, CreditCanStillBeAddedAndCashedOut) {
    StartWithCredit(100);
    table.SetOutOfService(true);
    EXPECT_EQ(table.AddCredit(100, true), CreditChange::Done);
    EXPECT_EQ(table.CashOut(true), CreditChange::Done);
    EXPECT_EQ(table.State().Credit, 0);
    EXPECT_EQ(settings.Stats().CreditOut, 200);
}

TEST_F(OutOfService, WinOnOfferCannotBeGambledButIsCollected) {
    OfferHighPair();
    const std::int32_t credit = table.State().Credit;
    table.SetOutOfService(true);
    table.Hold(2);
    table.Hold(4);
    EXPECT_EQ(table.State().Win, 10);
    EXPECT_TRUE(table.DoubleUpOffer().BeforeFirstGuess()) << "no double-up card was drawn";
    EXPECT_EQ(display.CountSounds("dup_win"), 0);
    table.Cash();
    EXPECT_EQ(table.State().Credit, credit + 10);
    EXPECT_EQ(table.State().RoundState, RoundPhase::Idle);
}

TEST_F(OutOfService, CollectButtonOfTheOfferStillCollects) {
    OfferHighPair();
    const std::int32_t credit = table.State().Credit;
    table.SetOutOfService(true);
    table.Hold(5);  // half of 10 collected, half stays on offer
    EXPECT_EQ(table.State().Credit, credit + 5);
    EXPECT_EQ(table.State().Win, 5);
}

TEST_F(OutOfService, OnlyCashIsLitWhileIdleWhateverTheGuidance) {
    StartWithCredit(100);
    table.SetOutOfService(true);
    ASSERT_TRUE(display.buttonLayout.has_value());
    EXPECT_EQ(*display.buttonLayout, ButtonLayout::OutOfService);
    for (bool guidance : {true, false}) {
        const std::optional<ButtonTints> tints =
            TintsForLayout(ButtonLayout::OutOfService, guidance);
        ASSERT_TRUE(tints.has_value()) << "guidance " << guidance;
        for (int b = 0; b < GameButtonCount; ++b) {
            EXPECT_EQ((*tints)[static_cast<std::size_t>(b)],
                      b == static_cast<int>(GameButton::Cash))
                << "button " << b << " guidance " << guidance;
        }
    }
    table.SetOutOfService(false);
    EXPECT_EQ(*display.buttonLayout, ButtonLayout::Idle);
}

TEST_F(OutOfService, ARoundThatEndsOutOfServiceLeavesOnlyCashLit) {
    OfferHighPair();
    table.SetOutOfService(true);
    EXPECT_NE(*display.buttonLayout, ButtonLayout::OutOfService) << "the offer keeps its buttons";
    table.Cash();
    ASSERT_EQ(table.State().RoundState, RoundPhase::Idle);
    EXPECT_EQ(*display.buttonLayout, ButtonLayout::OutOfService);
}

TEST_F(OutOfService, AnIdleTableResumedOutOfServiceLightsOnlyCash) {
    StartWithCredit(100);
    const TableSnapshot stored = table.Snapshot();
    table.SetOutOfService(true);
    display.buttonLayout.reset();
    table.Resume(stored);
    ASSERT_TRUE(display.buttonLayout.has_value());
    EXPECT_EQ(*display.buttonLayout, ButtonLayout::OutOfService);
}

}  // namespace
}  // namespace orvane::test
