#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "MainWindowFixture.h"
#include "forms/KeyboardMap.h"
#include "forms/WindowKeys.h"

namespace orvane::test {
namespace {

struct KeyCase {
    int key;
    KeyCommand command;
};

// A press as a platform without key places delivers it: Qt's key and the modifiers.
KeyPress Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    KeyPress press;
    press.Key = key;
    press.Modifiers = modifiers;
    return press;
}

KeyCommand CommandFor(int key, Qt::KeyboardModifiers modifiers) {
    return CommandForKey(Press(key, modifiers));
}

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
        EXPECT_EQ(CommandFor(c.key, Qt::NoModifier), c.command) << "key " << c.key;
        // Letters count whatever their case.
        EXPECT_EQ(CommandFor(c.key, Qt::ShiftModifier), c.command) << "shifted key " << c.key;
    }
}

TEST(KeyboardMap, KeypadDigitsAreNotTableKeys) {
    for (int key = Qt::Key_0; key <= Qt::Key_9; ++key) {
        EXPECT_EQ(CommandFor(key, Qt::KeypadModifier), KeyCommand::None) << "keypad " << key;
    }
    // The keypad's Enter still deals: only its digits are left out.
    EXPECT_EQ(CommandFor(Qt::Key_Enter, Qt::KeypadModifier), KeyCommand::Deal);
}

TEST(KeyboardMap, QuitNeedsControl) {
    EXPECT_EQ(CommandFor(Qt::Key_Q, Qt::ControlModifier), KeyCommand::QuickExit);
    EXPECT_EQ(CommandFor(Qt::Key_Q, Qt::NoModifier), KeyCommand::None);
    EXPECT_EQ(CommandFor(Qt::Key_Q, Qt::ShiftModifier), KeyCommand::None);
}

TEST(KeyboardMap, OtherKeysMeanNothing) {
    for (int key : {Qt::Key_0, Qt::Key_9, Qt::Key_D, Qt::Key_H, Qt::Key_Escape, Qt::Key_F2,
                    Qt::Key_Tab, Qt::Key_Left}) {
        EXPECT_EQ(CommandFor(key, Qt::NoModifier), KeyCommand::None) << "key " << key;
    }
}

TEST(KeyboardMap, HoldSlots) {
    EXPECT_EQ(HoldSlotOf(KeyCommand::Hold1), 1);
    EXPECT_EQ(HoldSlotOf(KeyCommand::Hold5), 5);
    EXPECT_EQ(HoldSlotOf(KeyCommand::Deal), 0);
}

// The eight digit-row commands by place, 1 to 8.
const KeyCommand ByPlace[] = {KeyCommand::Hold1, KeyCommand::Hold2, KeyCommand::Hold3,
                              KeyCommand::Hold4, KeyCommand::Hold5, KeyCommand::Bet,
                              KeyCommand::Cash,  KeyCommand::Deal};

struct TypedKey {
    int key;
    const char16_t* text;
};

KeyPress Typed(const TypedKey& t, Qt::KeyboardModifiers modifiers) {
    KeyPress press = Press(t.key, modifiers);
    press.Text = QString::fromUtf16(t.text);
    return press;
}

// What the digit row types, 1 to 8.
const TypedKey UsShifted[] = {{Qt::Key_Exclam, u"!"},     {Qt::Key_At, u"@"},
                              {Qt::Key_NumberSign, u"#"}, {Qt::Key_Dollar, u"$"},
                              {Qt::Key_Percent, u"%"},    {Qt::Key_AsciiCircum, u"^"},
                              {Qt::Key_Ampersand, u"&"},  {Qt::Key_Asterisk, u"*"}};
const TypedKey Azerty[] = {{Qt::Key_Ampersand, u"&"},   {Qt::Key_Eacute, u"\u00E9"},
                           {Qt::Key_QuoteDbl, u"\""},   {Qt::Key_Apostrophe, u"'"},
                           {Qt::Key_ParenLeft, u"("},   {Qt::Key_Minus, u"-"},
                           {Qt::Key_Egrave, u"\u00E8"}, {Qt::Key_Underscore, u"_"}};
const TypedKey UkShifted[] = {{Qt::Key_Exclam, u"!"},        {Qt::Key_QuoteDbl, u"\""},
                              {Qt::Key_sterling, u"\u00A3"}, {Qt::Key_Dollar, u"$"},
                              {Qt::Key_Percent, u"%"},       {Qt::Key_AsciiCircum, u"^"},
                              {Qt::Key_Ampersand, u"&"},     {Qt::Key_Asterisk, u"*"}};

TEST(KeyboardMap, DigitRowByWhatItTypesWithoutKeyPlaces) {
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(CommandForKey(Typed(UsShifted[i], Qt::ShiftModifier)), ByPlace[i])
            << "US Shift+" << i + 1;
        EXPECT_EQ(CommandForKey(Typed(UkShifted[i], Qt::ShiftModifier)), ByPlace[i])
            << "UK Shift+" << i + 1;
        EXPECT_EQ(CommandForKey(Typed(Azerty[i], Qt::NoModifier)), ByPlace[i])
            << "AZERTY " << i + 1;
        // AZERTY types the digits themselves with Shift.
        EXPECT_EQ(CommandFor(Qt::Key_1 + i, Qt::ShiftModifier), ByPlace[i]) << "digit " << i + 1;
    }
    // German Shift+7 types "/"; AZERTY's accented keys still count without their text.
    EXPECT_EQ(CommandForKey(Typed({Qt::Key_Slash, u"/"}, Qt::ShiftModifier)), KeyCommand::Cash);
    EXPECT_EQ(CommandFor(Qt::Key_Eacute, Qt::NoModifier), KeyCommand::Hold2);
    EXPECT_EQ(CommandFor(Qt::Key_Egrave, Qt::NoModifier), KeyCommand::Cash);
}

TEST(KeyboardMap, CharactersOffTheDigitRowMeanNothing) {
    // US: minus and slash unshifted, the quote key and "+" and "?" shifted.
    EXPECT_EQ(CommandForKey(Typed({Qt::Key_Slash, u"/"}, Qt::NoModifier)), KeyCommand::None);
    EXPECT_EQ(CommandForKey(Typed({Qt::Key_Plus, u"+"}, Qt::ShiftModifier)), KeyCommand::None);
    EXPECT_EQ(CommandForKey(Typed({Qt::Key_Question, u"?"}, Qt::ShiftModifier)), KeyCommand::None);
    EXPECT_EQ(CommandForKey(Typed({Qt::Key_Colon, u":"}, Qt::ShiftModifier)), KeyCommand::None);
    // French: "!" beside M; German: "+" beside P.
    EXPECT_EQ(CommandForKey(Typed({Qt::Key_Exclam, u"!"}, Qt::NoModifier)), KeyCommand::None);
    EXPECT_EQ(CommandForKey(Typed({Qt::Key_Plus, u"+"}, Qt::NoModifier)), KeyCommand::None);
    // The 9 and 0 places have no command.
    EXPECT_EQ(CommandForKey(Typed({Qt::Key_ParenLeft, u"("}, Qt::ShiftModifier)), KeyCommand::None);
    EXPECT_EQ(CommandForKey(Typed({Qt::Key_Agrave, u"\u00E0"}, Qt::NoModifier)), KeyCommand::None);
}

KeyPress AtPlace(NativeKeys native, quint32 code, const TypedKey& typed,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    KeyPress press = Typed(typed, modifiers);
    press.Native = native;
    if (native == NativeKeys::MacVirtualKeys) {
        press.NativeVirtualKey = code;
        press.NativeScanCode = 1;
    } else {
        press.NativeScanCode = code;
    }
    return press;
}

TEST(KeyboardMap, DigitRowByKeyPlaceOnEachPlatform) {
    const quint32 windows[] = {0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09};
    const quint32 mac[] = {0x12, 0x13, 0x14, 0x15, 0x17, 0x16, 0x1A, 0x1C};
    for (int i = 0; i < 8; ++i) {
        const auto xkb = static_cast<quint32>(10 + i);
        EXPECT_EQ(CommandForKey(AtPlace(NativeKeys::XkbKeycodes, xkb, Azerty[i])), ByPlace[i]);
        EXPECT_EQ(
            CommandForKey(AtPlace(NativeKeys::XkbKeycodes, xkb, UsShifted[i], Qt::ShiftModifier)),
            ByPlace[i]);
        EXPECT_EQ(CommandForKey(AtPlace(NativeKeys::WindowsScanCodes, windows[i], Azerty[i])),
                  ByPlace[i]);
        EXPECT_EQ(CommandForKey(AtPlace(NativeKeys::MacVirtualKeys, mac[i], Azerty[i])),
                  ByPlace[i]);
    }
}

TEST(KeyboardMap, KeyPlaceOutranksWhatTheKeyTypes) {
    // German Shift+6 types "&", which the character tables would read as 7.
    EXPECT_EQ(CommandForKey(AtPlace(NativeKeys::XkbKeycodes, 15, {Qt::Key_Ampersand, u"&"},
                                    Qt::ShiftModifier)),
              KeyCommand::Bet);
    // The US minus key, beside 0: AZERTY would type "-" on 6.
    EXPECT_EQ(CommandForKey(AtPlace(NativeKeys::XkbKeycodes, 20, {Qt::Key_Minus, u"-"})),
              KeyCommand::None);
    EXPECT_EQ(CommandForKey(AtPlace(NativeKeys::WindowsScanCodes, 0x0C, {Qt::Key_Minus, u"-"})),
              KeyCommand::None);
    EXPECT_EQ(CommandForKey(AtPlace(NativeKeys::MacVirtualKeys, 0x1B, {Qt::Key_Minus, u"-"})),
              KeyCommand::None);
    // Letters keep their meaning by what they type, wherever their key is.
    EXPECT_EQ(CommandForKey(AtPlace(NativeKeys::XkbKeycodes, 24, {Qt::Key_A, u"a"})),
              KeyCommand::Bet);
    EXPECT_EQ(CommandForKey(AtPlace(NativeKeys::MacVirtualKeys, 0x00, {Qt::Key_A, u"a"})),
              KeyCommand::Bet);
}

TEST(KeyboardMap, KeypadIsNeverTheDigitRow) {
    // X11 keypad 1 (keycode 87) and Windows keypad 1 (0x4F) with Num Lock on.
    EXPECT_EQ(
        CommandForKey(AtPlace(NativeKeys::XkbKeycodes, 87, {Qt::Key_1, u"1"}, Qt::KeypadModifier)),
        KeyCommand::None);
    EXPECT_EQ(CommandForKey(AtPlace(NativeKeys::WindowsScanCodes, 0x4F, {Qt::Key_1, u"1"},
                                    Qt::KeypadModifier)),
              KeyCommand::None);
    // Even a keypad press that carried a digit-row number would not count.
    EXPECT_EQ(
        CommandForKey(AtPlace(NativeKeys::XkbKeycodes, 10, {Qt::Key_1, u"1"}, Qt::KeypadModifier)),
        KeyCommand::None);
}

TEST(KeyboardMap, KeyNumberingByPlatform) {
    EXPECT_EQ(NativeKeysOfPlatform(QStringLiteral("xcb")), NativeKeys::XkbKeycodes);
    EXPECT_EQ(NativeKeysOfPlatform(QStringLiteral("wayland")), NativeKeys::XkbKeycodes);
    EXPECT_EQ(NativeKeysOfPlatform(QStringLiteral("wayland-egl")), NativeKeys::XkbKeycodes);
    EXPECT_EQ(NativeKeysOfPlatform(QStringLiteral("windows")), NativeKeys::WindowsScanCodes);
    EXPECT_EQ(NativeKeysOfPlatform(QStringLiteral("cocoa")), NativeKeys::MacVirtualKeys);
    // Raw input codes of the console platforms are no XKB keycodes (16 is Q there).
    EXPECT_EQ(NativeKeysOfPlatform(QStringLiteral("eglfs")), NativeKeys::None);
    EXPECT_EQ(NativeKeysOfPlatform(QStringLiteral("linuxfb")), NativeKeys::None);
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
        EXPECT_EQ(window->Table().State().RoundState, RoundPhase::Dealt) << "key " << key;
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

// Sends a key to a control the way the platform would, with its text and key numbers.
class TypedWindowKeys : public MainWindowTest {
  protected:
    void Send(int key, Qt::KeyboardModifiers modifiers, const QString& text, quint32 scanCode = 0) {
        QWidget* target = Find(QStringLiteral("imgBackground"));
        QKeyEvent press(QEvent::KeyPress, key, modifiers, scanCode, 0, 0, text);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, scanCode, 0, 0, text);
        QApplication::sendEvent(target, &release);
    }

    // A dealt hand with no card held.
    void DealWithoutHolds() {
        Open();
        AddCredit();
        window->btnDealClick();
        window->btnCashClick();
    }
};

TEST_F(TypedWindowKeys, ShiftedDigitsOfUsKeyboardHold) {
    DealWithoutHolds();
    Send(Qt::Key_Exclam, Qt::ShiftModifier, QStringLiteral("!"));
    EXPECT_TRUE(HandCard(1)->Held);
    Send(Qt::Key_Dollar, Qt::ShiftModifier, QStringLiteral("$"));
    EXPECT_TRUE(HandCard(4)->Held);
    // With the key's place, as X11 gives it.
    Send(Qt::Key_At, Qt::ShiftModifier, QStringLiteral("@"), 11);
    EXPECT_TRUE(HandCard(2)->Held);
    Send(Qt::Key_Exclam, Qt::ShiftModifier, QStringLiteral("!"), 10);
    EXPECT_FALSE(HandCard(1)->Held);
    EXPECT_TRUE(Find(QStringLiteral("lblHold4"))->isVisibleTo(window.get()));
}

TEST_F(TypedWindowKeys, AzertyDigitRowPlays) {
    DealWithoutHolds();
    const struct {
        int key;
        QString text;
        int slot;
    } holds[] = {{Qt::Key_Ampersand, QStringLiteral("&"), 1},
                 {Qt::Key_Eacute, QStringLiteral("\u00E9"), 2},
                 {Qt::Key_QuoteDbl, QStringLiteral("\""), 3},
                 {Qt::Key_Apostrophe, QStringLiteral("'"), 4},
                 {Qt::Key_ParenLeft, QStringLiteral("("), 5}};
    for (const auto& h : holds) {
        Send(h.key, Qt::NoModifier, h.text);
        EXPECT_TRUE(HandCard(h.slot)->Held) << "without place, slot " << h.slot;
        Send(h.key, Qt::NoModifier, h.text, static_cast<quint32>(9 + h.slot));
        EXPECT_FALSE(HandCard(h.slot)->Held) << "with place, slot " << h.slot;
    }
    // 7 (è) cashes: the holds are cleared after holding card 1 again.
    Send(Qt::Key_Ampersand, Qt::NoModifier, QStringLiteral("&"), 10);
    Send(Qt::Key_Egrave, Qt::NoModifier, QStringLiteral("\u00E8"), 16);
    EXPECT_FALSE(HandCard(1)->Held);
    // 8 (_) draws.
    Send(Qt::Key_Underscore, Qt::NoModifier, QStringLiteral("_"));
    EXPECT_NE(window->Table().State().RoundState, RoundPhase::Dealt);
}

TEST_F(TypedWindowKeys, AzertySixStepsTheBetOnlyOnItsOwnKey) {
    Open();
    AddCredit();
    Send(Qt::Key_Minus, Qt::NoModifier, QStringLiteral("-"), 15);
    EXPECT_EQ(Text("lblBet"), "7");
    Send(Qt::Key_Minus, Qt::NoModifier, QStringLiteral("-"));
    EXPECT_EQ(Text("lblBet"), "9");
    // The minus key beside 0 of a US keyboard.
    Send(Qt::Key_Minus, Qt::NoModifier, QStringLiteral("-"), 20);
    EXPECT_EQ(Text("lblBet"), "9");
    // Keypad 6 neither.
    Send(Qt::Key_6, Qt::KeypadModifier, QStringLiteral("6"), 85);
    EXPECT_EQ(Text("lblBet"), "9");
}

// The window's own keys take only what the table map leaves free, and only unmodified.
TEST(WindowOwnKeys, DialogsAndMenusOnKeysTheTableLeavesFree) {
    const std::pair<int, WindowKey> cases[] = {
        {Qt::Key_I, WindowKey::AddCredit},   {Qt::Key_Insert, WindowKey::AddCredit},
        {Qt::Key_F2, WindowKey::AddCredit},  {Qt::Key_S, WindowKey::Statistics},
        {Qt::Key_F3, WindowKey::Statistics}, {Qt::Key_F10, WindowKey::CreditMenu},
        {Qt::Key_O, WindowKey::OptionsMenu}, {Qt::Key_H, WindowKey::HelpMenu}};
    for (const auto& [key, meaning] : cases) {
        EXPECT_EQ(WindowKeyFor(Press(key)), meaning) << key;
        EXPECT_EQ(WindowKeyFor(Press(key, Qt::ControlModifier)), WindowKey::None) << key;
    }
    std::vector<int> keys;
    for (int key = Qt::Key_Space; key <= Qt::Key_AsciiTilde; ++key) {
        keys.push_back(key);
    }
    for (int key = Qt::Key_Escape; key <= Qt::Key_F12; ++key) {
        keys.push_back(key);
    }
    for (int key : keys) {
        for (auto modifiers : {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier}) {
            const KeyPress press = Press(key, modifiers);
            EXPECT_TRUE(WindowKeyFor(press) == WindowKey::None ||
                        CommandForKey(press) == KeyCommand::None)
                << "key " << key << " means two things";
        }
    }
}

// Alt alone opens the strip; an Alt whose window lost the keyboard before its release
// (an Alt+Tab away and back) or that went with another key does not.
TEST(WindowOwnKeys, OnlyAnAltPressedAndLetGoAloneIsATap) {
    AltTap tap;
    tap.Pressed(Qt::Key_Alt);
    EXPECT_TRUE(tap.Released(Qt::Key_Alt));
    EXPECT_FALSE(tap.Released(Qt::Key_Alt));
    tap.Pressed(Qt::Key_Alt);
    tap.Forget();
    EXPECT_FALSE(tap.Released(Qt::Key_Alt));
    tap.Pressed(Qt::Key_Alt);
    tap.Pressed(Qt::Key_Tab);
    EXPECT_FALSE(tap.Released(Qt::Key_Alt));
}

}  // namespace
}  // namespace orvane::test
