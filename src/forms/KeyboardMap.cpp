#include "KeyboardMap.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <array>

namespace orvane {

namespace {

constexpr int DigitRowKeys = 10;

// What the ten keys of the digit row type, place 1 first and the 0 key last, on the
// layouts the game expects most. A character that two layouts type on different places
// goes to the layout listed first, so the tables can only guess for the later ones
// (German Shift+6 types "&", which US types on 7); the platform's key places, when it
// gives them, never guess. "\0" leaves a place out where a layout listed earlier types
// its character off the digit row; the double quote is kept on 2, where most layouts
// but US type it.
using DigitRow = std::u16string_view;

constexpr DigitRow Row(const char16_t (&typed)[DigitRowKeys + 1]) {
    return {typed, DigitRowKeys};
}

// Without Shift.
constexpr std::array<DigitRow, 5> PlainRows = {
    Row(u"1234567890"),
    Row(u"&\u00E9\"'(-\u00E8_\u00E7\u00E0"),        // French AZERTY
    Row(u"&\u00E9\"'(\u00A7\u00E8\0\u00E7\u00E0"),  // Belgian AZERTY ("!" beside M in French)
    // Czech and Slovak ("+" beside P in German).
    Row(u"\0\u011B\u0161\u010D\u0159\u017E\u00FD\u00E1\u00ED\u00E9"),
    Row(u"\0\u013E\u0161\u010D\u0165\u017E\u00FD\u00E1\u00ED\u00E9"),
};

// With Shift.
constexpr std::array<DigitRow, 13> ShiftedRows = {
    Row(u"!@#$%^&*()"),          // US
    Row(u"!\"\u00A3$%^&*()"),    // UK
    Row(u"!\"\u00A7$%&/()="),    // German
    Row(u"1234567890"),          // French and Belgian AZERTY
    Row(u"!\"#\u00A4%&/()="),    // Swedish, Finnish, Norwegian, Danish
    Row(u"!\"\u00B7$%&/()="),    // Spanish
    Row(u"!\"\u00A3$%&/()="),    // Italian
    Row(u"\0\"*\u00E7%&/()="),   // Swiss ("+" is Shift+= in US)
    Row(u"!\"#$%&/()="),         // Portuguese
    Row(u"!@#$%\u00A8&*()"),     // Brazilian
    Row(u"!'^\0%&/()="),         // Turkish
    Row(u"!\"\u2116;%\0\0*()"),  // Russian (":" and "?" are off the row in US)
    Row(u"!\"#$%&'()\0"),        // Japanese (its 0 key types nothing shifted)
};

template <std::size_t N>
int PlaceInRows(const std::array<DigitRow, N>& rows, char16_t typed) {
    for (DigitRow row : rows) {
        const std::size_t at = row.find(typed);
        if (at != DigitRow::npos) {
            return static_cast<int>(at) + 1;
        }
    }
    return 0;
}

// The character the press typed, in lower case; Qt's key code when the text is empty
// or a control character (as with Ctrl held).
char16_t TypedCharacter(const KeyPress& press) {
    QChar typed;
    if (!press.Text.isEmpty() && press.Text.at(0).isPrint()) {
        typed = press.Text.at(0);
    } else if (press.Key > 0 && press.Key <= 0xFFFF) {
        typed = QChar(static_cast<char16_t>(press.Key));
    }
    return typed.toLower().unicode();
}

// The place from the platform's own key numbers; -1 when it gives none.
int NativePlace(const KeyPress& press) {
    switch (press.Native) {
        case NativeKeys::XkbKeycodes:
            if (press.NativeScanCode == 0) {
                return -1;
            }
            return press.NativeScanCode >= 10 && press.NativeScanCode <= 19
                       ? static_cast<int>(press.NativeScanCode) - 9
                       : 0;
        case NativeKeys::WindowsScanCodes: {
            if (press.NativeScanCode == 0) {
                return -1;
            }
            // Bit 8 marks the extended keys, none of which is on the digit row.
            const quint32 code = press.NativeScanCode & 0x1FF;
            return code >= 0x02 && code <= 0x0B ? static_cast<int>(code) - 1 : 0;
        }
        case NativeKeys::MacVirtualKeys: {
            if (press.NativeVirtualKey == 0 && press.NativeScanCode == 0) {
                return -1;  // the A key is virtual key 0, so a press without both is none
            }
            // kVK_ANSI_1 .. kVK_ANSI_0 in the order of the row.
            constexpr std::array<quint32, DigitRowKeys> Row = {0x12, 0x13, 0x14, 0x15, 0x17,
                                                               0x16, 0x1A, 0x1C, 0x19, 0x1D};
            for (std::size_t i = 0; i < Row.size(); ++i) {
                if (Row[i] == press.NativeVirtualKey) {
                    return static_cast<int>(i) + 1;
                }
            }
            return 0;
        }
        case NativeKeys::None:
            break;
    }
    return -1;
}

KeyCommand DigitCommand(int place) {
    switch (place) {
        case 1:
            return KeyCommand::Hold1;
        case 2:
            return KeyCommand::Hold2;
        case 3:
            return KeyCommand::Hold3;
        case 4:
            return KeyCommand::Hold4;
        case 5:
            return KeyCommand::Hold5;
        case 6:
            return KeyCommand::Bet;
        case 7:
            return KeyCommand::Cash;
        case 8:
            return KeyCommand::Deal;
        default:
            return KeyCommand::None;
    }
}

}  // namespace

NativeKeys NativeKeysOfPlatform(const QString& platformName) {
    if (platformName == QLatin1String("xcb") || platformName.startsWith(QLatin1String("wayland"))) {
        return NativeKeys::XkbKeycodes;
    }
    if (platformName == QLatin1String("windows")) {
        return NativeKeys::WindowsScanCodes;
    }
    if (platformName == QLatin1String("cocoa")) {
        return NativeKeys::MacVirtualKeys;
    }
    if (platformName == QLatin1String("offscreen") || platformName == QLatin1String("minimal")) {
#if defined(Q_OS_WIN)
        return NativeKeys::WindowsScanCodes;
#elif defined(Q_OS_MACOS)
        return NativeKeys::MacVirtualKeys;
#else
        return NativeKeys::XkbKeycodes;
#endif
    }
    // Console platforms read raw input codes, which number the keys differently.
    return NativeKeys::None;
}

KeyPress KeyPress::From(const QKeyEvent& event) {
    KeyPress press;
    press.Key = event.key();
    press.Modifiers = event.modifiers();
    press.NativeScanCode = event.nativeScanCode();
    press.NativeVirtualKey = event.nativeVirtualKey();
    press.Text = event.text();
    press.Native = NativeKeysOfPlatform(QGuiApplication::platformName());
    return press;
}

int DigitRowPlace(const KeyPress& press) {
    if (press.Modifiers.testFlag(Qt::KeypadModifier)) {
        return 0;
    }
    if (press.Key >= Qt::Key_0 && press.Key <= Qt::Key_9) {
        return press.Key == Qt::Key_0 ? DigitRowKeys : press.Key - Qt::Key_0;
    }
    const int native = NativePlace(press);
    if (native >= 0) {
        return native;
    }
    const char16_t typed = TypedCharacter(press);
    if (typed == 0) {
        return 0;
    }
    return press.Modifiers.testFlag(Qt::ShiftModifier) ? PlaceInRows(ShiftedRows, typed)
                                                       : PlaceInRows(PlainRows, typed);
}

KeyCommand CommandForKey(const KeyPress& press) {
    const int place = DigitRowPlace(press);
    if (place != 0) {
        return DigitCommand(place);
    }
    if (press.Key >= Qt::Key_0 && press.Key <= Qt::Key_9) {
        return KeyCommand::None;  // keypad digits
    }
    switch (press.Key) {
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
            return press.Modifiers.testFlag(Qt::ControlModifier) ? KeyCommand::QuickExit
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
