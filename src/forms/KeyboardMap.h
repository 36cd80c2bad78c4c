#pragma once

#include <QString>
#include <Qt>

class QKeyEvent;

namespace orvane {

// What a key press on the main window means.
enum class KeyCommand {
    None,
    Deal,
    Hold1,
    Hold2,
    Hold3,
    Hold4,
    Hold5,
    Bet,
    Cash,
    QuickExit,
    Help,
    ReapplyTheme,  // honoured in development mode only
};

// How the platform numbers its keys by place on the keyboard, which is what tells the
// digit row apart whatever the layout prints on it.
enum class NativeKeys {
    None,              // no usable numbers: only the characters count
    XkbKeycodes,       // X11 and Wayland: the scan code is the XKB keycode (digit 1 is 10)
    WindowsScanCodes,  // the PC set-1 scan code (digit 1 is 0x02)
    MacVirtualKeys,    // the virtual key code (digit 1 is 0x12)
};

// The numbering the named Qt platform plugin uses. The synthetic platforms (offscreen,
// minimal) pass on what they are given, so they take the numbering of the system the
// program was built for.
NativeKeys NativeKeysOfPlatform(const QString& platformName);

// Everything of a key press that decides its meaning.
struct KeyPress {
    int Key = 0;
    Qt::KeyboardModifiers Modifiers;
    quint32 NativeScanCode = 0;  // 0: none given
    quint32 NativeVirtualKey = 0;
    QString Text;
    NativeKeys Native = NativeKeys::None;

    // The press as the running platform delivered it.
    static KeyPress From(const QKeyEvent& event);
};

// The table's keyboard. The digits 1..8 count by their place on the main keyboard's digit
// row, shifted or not, so they work on layouts that print other characters there (AZERTY
// types "&" on the 1 key); without a place from the platform, the characters those keys
// type on common layouts stand in for it. The keypad never counts as digits. Letters
// count whatever their case; Q quits only together with Ctrl.
KeyCommand CommandForKey(const KeyPress& press);

// The place 1..10 on the digit row of the main keyboard (10 is the 0 key); 0 for any
// other key.
int DigitRowPlace(const KeyPress& press);

// HOLD 1..5 for the hold commands, 0 for every other command.
int HoldSlotOf(KeyCommand command);

}  // namespace orvane
