#include "KeyboardMap.h"

namespace orvane {

namespace {

KeyCommand DigitCommand(int key) {
    switch (key) {
        case Qt::Key_1:
            return KeyCommand::Hold1;
        case Qt::Key_2:
            return KeyCommand::Hold2;
        case Qt::Key_3:
            return KeyCommand::Hold3;
        case Qt::Key_4:
            return KeyCommand::Hold4;
        case Qt::Key_5:
            return KeyCommand::Hold5;
        case Qt::Key_6:
            return KeyCommand::Bet;
        case Qt::Key_7:
            return KeyCommand::Cash;
        case Qt::Key_8:
            return KeyCommand::Deal;
        default:
            return KeyCommand::None;
    }
}

}  // namespace

KeyCommand CommandForKey(int key, Qt::KeyboardModifiers modifiers) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return modifiers.testFlag(Qt::KeypadModifier) ? KeyCommand::None : DigitCommand(key);
    }
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
        case Qt::Key_M:
            return KeyCommand::Deal;
        case Qt::Key_Z:
            return KeyCommand::Hold1;
        case Qt::Key_X:
        case Qt::Key_Y:
            return KeyCommand::Hold2;
        case Qt::Key_C:
            return KeyCommand::Hold3;
        case Qt::Key_V:
            return KeyCommand::Hold4;
        case Qt::Key_B:
            return KeyCommand::Hold5;
        case Qt::Key_A:
            return KeyCommand::Bet;
        case Qt::Key_N:
            return KeyCommand::Cash;
        case Qt::Key_Q:
            return modifiers.testFlag(Qt::ControlModifier) ? KeyCommand::QuickExit
                                                           : KeyCommand::None;
        case Qt::Key_F1:
            return KeyCommand::Help;
        case Qt::Key_F5:
            return KeyCommand::ReapplyTheme;
        default:
            return KeyCommand::None;
    }
}

int HoldSlotOf(KeyCommand command) {
    switch (command) {
        case KeyCommand::Hold1:
            return 1;
        case KeyCommand::Hold2:
            return 2;
        case KeyCommand::Hold3:
            return 3;
        case KeyCommand::Hold4:
            return 4;
        case KeyCommand::Hold5:
            return 5;
        default:
            return 0;
    }
}

}  // namespace orvane
