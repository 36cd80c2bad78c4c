#pragma once

#include <Qt>

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

// The table's keyboard. Digits count only on the main keyboard, never on the keypad;
// letters count whatever their case; Q quits only together with Ctrl.
KeyCommand CommandForKey(int key, Qt::KeyboardModifiers modifiers);

// HOLD 1..5 for the hold commands, 0 for every other command.
int HoldSlotOf(KeyCommand command);

}  // namespace orvane
