#include <QTest>

#include "MainWindowFixture.h"
#include "forms/KeyboardMap.h"

namespace orvane::test {
namespace {

struct KeyCase {
    int key;
    KeyCommand command;
};

TEST(KeyboardMap, EveryTableKey) {
    const KeyCase cases[] = {
        {Qt::Key_Return, KeyCommand::Deal}, {Qt::Key_Enter, KeyCommand::Deal},
        {Qt::Key_Space, KeyCommand::Deal},  {Qt::Key_8, KeyCommand::Deal},
        {Qt::Key_M, KeyCommand::Deal},      {Qt::Key_1, KeyCommand::Hold1},
        {Qt::Key_Z, KeyCommand::Hold1},     {Qt::Key_2, KeyCommand::Hold2},
        {Qt::Key_X, KeyCommand::Hold2},     {Qt::Key_Y, KeyCommand::Hold2},
        {Qt::Key_3, KeyCommand::Hold3},     {Qt::Key_C, KeyCommand::Hold3},
        {Qt::Key_4, KeyCommand::Hold4},     {Qt::Key_V, KeyCommand::Hold4},
        {Qt::Key_5, KeyCommand::Hold5},     {Qt::Key_B, KeyCommand::Hold5},
        {Qt::Key_6, KeyCommand::Bet},       {Qt::Key_A, KeyCommand::Bet},
        {Qt::Key_7, KeyCommand::Cash},      {Qt::Key_N, KeyCommand::Cash},
        {Qt::Key_F1, KeyCommand::Help},     {Qt::Key_F5, KeyCommand::ReapplyTheme},
    };
    for (const KeyCase& c : cases) {
        EXPECT_EQ(CommandForKey(c.key, Qt::NoModifier), c.command) << "key " << c.key;
        // Letters count whatever their case.
        EXPECT_EQ(CommandForKey(c.key, Qt::ShiftModifier), c.command) << "shifted key " << c.key;
    }
}

TEST(KeyboardMap, KeypadDigitsAreNotTableKeys) {
    for (int key = Qt::Key_0; key <= Qt::Key_9; ++key) {
        EXPECT_EQ(CommandForKey(key, Qt::KeypadModifier), KeyCommand::None) << "keypad " << key;
    }
    // The keypad's Enter still deals: only its digits are left out.
    EXPECT_EQ(CommandForKey(Qt::Key_Enter, Qt::KeypadModifier), KeyCommand::Deal);
}

TEST(KeyboardMap, QuitNeedsControl) {
    EXPECT_EQ(CommandForKey(Qt::Key_Q, Qt::ControlModifier), KeyCommand::QuickExit);
    EXPECT_EQ(CommandForKey(Qt::Key_Q, Qt::NoModifier), KeyCommand::None);
    EXPECT_EQ(CommandForKey(Qt::Key_Q, Qt::ShiftModifier), KeyCommand::None);
}

TEST(KeyboardMap, OtherKeysMeanNothing) {
    for (int key : {Qt::Key_0, Qt::Key_9, Qt::Key_D, Qt::Key_H, Qt::Key_Escape, Qt::Key_F2,
                    Qt::Key_Tab, Qt::Key_Left}) {
        EXPECT_EQ(CommandForKey(key, Qt::NoModifier), KeyCommand::None) << "key " << key;
    }
}

TEST(KeyboardMap, HoldSlots) {
    EXPECT_EQ(HoldSlotOf(KeyCommand::Hold1), 1);
    EXPECT_EQ(HoldSlotOf(KeyCommand::Hold5), 5);
    EXPECT_EQ(HoldSlotOf(KeyCommand::Deal), 0);
}

using WindowKeys = MainWindowTest;

TEST_F(WindowKeys, BetKeysStepTheBet) {
    Open();
    AddCredit();
    Key(Qt::Key_6);
    EXPECT_EQ(Text("lblBet"), "7");
    Key(Qt::Key_A);
    EXPECT_EQ(Text("lblBet"), "9");
}

TEST_F(WindowKeys, EachDealKeyDeals) {
    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_8, Qt::Key_M}) {
        Open();
        AddCredit();
        Key(key);
        EXPECT_EQ(Text("lblCredit"), "95") << "key " << key;
        EXPECT_EQ(window->Table().State().RoundState, 1) << "key " << key;
        window.reset();
    }
}

TEST_F(WindowKeys, HoldKeysToggleTheirSlot) {
    Open();
    AddCredit();
    window->btnDealClick();
    window->btnCashClick();  // start from no holds
    const KeyCase holds[] = {{Qt::Key_1, KeyCommand::Hold1}, {Qt::Key_Z, KeyCommand::Hold1},
                             {Qt::Key_2, KeyCommand::Hold2}, {Qt::Key_X, KeyCommand::Hold2},
                             {Qt::Key_Y, KeyCommand::Hold2}, {Qt::Key_3, KeyCommand::Hold3},
                             {Qt::Key_C, KeyCommand::Hold3}, {Qt::Key_4, KeyCommand::Hold4},
                             {Qt::Key_V, KeyCommand::Hold4}, {Qt::Key_5, KeyCommand::Hold5},
                             {Qt::Key_B, KeyCommand::Hold5}};
    for (const KeyCase& h : holds) {
        const int slot = HoldSlotOf(h.command);
        const bool before = HandCard(slot)->Held;
        Key(h.key);
        EXPECT_NE(HandCard(slot)->Held, before) << "key " << h.key;
        EXPECT_EQ(Find(QStringLiteral("lblHold%1").arg(slot))->isVisibleTo(window.get()),
                  HandCard(slot)->Held);
    }
}

TEST_F(WindowKeys, KeypadDigitsDoNothingOnTheTable) {
    Open();
    AddCredit();
    window->btnDealClick();
    window->btnCashClick();
    for (int key = Qt::Key_1; key <= Qt::Key_8; ++key) {
        Key(key, Qt::KeypadModifier);
    }
    for (int slot = 1; slot <= 5; ++slot) {
        EXPECT_FALSE(HandCard(slot)->Held) << "slot " << slot;
    }
    EXPECT_EQ(Text("lblCredit"), "95");
    EXPECT_EQ(Text("lblBet"), "5");
}

TEST_F(WindowKeys, CtrlQClosesWithoutAskingAndQAloneDoesNothing) {
    Open();
    window->show();
    Key(Qt::Key_Q);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->QuickExit);
    Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(window->QuickExit);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(asked.isEmpty());
}

TEST_F(WindowKeys, F5ReappliesTheThemeOnlyInDevelopmentMode) {
    Open();
    Find<QLabel>("imgBackground")->clear();
    Key(Qt::Key_F5);
    EXPECT_TRUE(Find<QLabel>("imgBackground")->pixmap().isNull());

    WriteFile(QStringLiteral("dev.id"));
    window.reset();
    Open();
    Find<QLabel>("imgBackground")->clear();
    Key(Qt::Key_F5);
    EXPECT_FALSE(Find<QLabel>("imgBackground")->pixmap().isNull());
}

TEST_F(WindowKeys, KeysInAnotherWindowAreNotTableKeys) {
    Open();
    AddCredit();
    QWidget other;
    QTest::keyClick(&other, Qt::Key_Return);
    EXPECT_EQ(Text("lblCredit"), "100");
}

}  // namespace
}  // namespace orvane::test
