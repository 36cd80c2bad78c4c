#pragma once

#include <QAbstractButton>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <ostream>

#include "forms/TFormZQ.h"

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace orvane::test {

// Ends a showing that the action under test left open, so a broken dialog fails the test
// instead of hanging it.
inline constexpr int LeftOpen = -1;

// Runs the action once the dialog's modal loop is up.
inline void WhenShown(TFormZQ& dialog, std::function<void()> action) {
    QTimer::singleShot(0, &dialog, [&dialog, action = std::move(action)] {
        action();
        if (dialog.isVisible()) {
            dialog.done(LeftOpen);
        }
    });
}

// A key pressed as the player would: at the control that has the focus.
inline void PressKey(TFormZQ& dialog, Qt::Key key,
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = dialog.focusWidget() != nullptr ? dialog.focusWidget() : &dialog;
    QTest::keyClick(target, key, modifiers);
}

template <class Widget = QWidget>
Widget* Child(const QWidget& dialog, const char* name) {
    return dialog.findChild<Widget*>(QLatin1String(name));
}

inline void Click(const QWidget& dialog, const char* name) {
    QAbstractButton* button = Child<QAbstractButton>(dialog, name);
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

// The controls the Tab key visits, from the first one until it comes round again.
inline QStringList TabOrder(TFormZQ& dialog, const char* first) {
    QWidget* start = Child(dialog, first);
    start->setFocus();
    QStringList visited;
    for (QWidget* at = dialog.focusWidget(); at != nullptr && visited.size() < 10;) {
        visited << at->objectName();
        QTest::keyClick(at, Qt::Key_Tab);
        at = dialog.focusWidget();
        if (at == start) {
            break;
        }
    }
    return visited;
}

// The place of a control on the dialog's content area.
inline QRect PlaceOf(const QWidget& dialog, const char* name) {
    const QWidget* control = Child(dialog, name);
    if (control == nullptr) {
        return {};
    }
    const TFormZQ& frame = static_cast<const TFormZQ&>(dialog);
    return {control->mapTo(frame.Client(), QPoint(0, 0)), control->size()};
}

}  // namespace orvane::test
