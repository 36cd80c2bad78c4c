#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>

#include "DialogDriver.h"
#include "widgets/TDialogButton.h"
#include "widgets/TShapeButton.h"

namespace orvane::test {
namespace {

void SendMouse(QWidget* target, QEvent::Type type, QPoint local, Qt::MouseButtons buttons) {
    const QPointF global = target->mapToGlobal(QPointF(local));
    QMouseEvent event(type, QPointF(local), global, Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

TEST(DialogFrame, TheCloseButtonFillsTheStripsRightEnd) {
    TFormZQ frame(QSize(300, 100));
    EXPECT_EQ(frame.size(), QSize(302, 102));  // content inside a one-pixel border
    EXPECT_EQ(PlaceOf(frame, "Panel1"), QRect(283, 0, 17, 17));
    EXPECT_EQ(PlaceOf(frame, "btnExit"), QRect(283, 0, 17, 17));
}

TEST(DialogFrame, DraggingTheStripMovesTheDialog) {
    TFormZQ frame(QSize(300, 100));
    frame.move(200, 150);
    frame.show();
    const QPoint start = frame.pos();
    QWidget* strip = Child(frame, "pnlCaption");
    // The offscreen window system cannot move windows itself: the dialog follows.
    SendMouse(strip, QEvent::MouseButtonPress, {40, 8}, Qt::LeftButton);
    SendMouse(strip, QEvent::MouseMove, {70, 28}, Qt::LeftButton);
    SendMouse(strip, QEvent::MouseButtonRelease, {70, 28}, Qt::NoButton);
    EXPECT_EQ(frame.pos(), start + QPoint(30, 20));
    // Once released, moving the pointer leaves the dialog where it is.
    SendMouse(strip, QEvent::MouseMove, {90, 40}, Qt::NoButton);
    EXPECT_EQ(frame.pos(), start + QPoint(30, 20));
}

template <class Button>
void ExpectUnlitAfterHidingUnderThePointer(Button& button, QWidget& host) {
    host.show();
    const QImage unlit = button.grab().toImage();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), button.mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(&button, &enter);
    ASSERT_NE(button.grab().toImage(), unlit) << "the pointer lights the button";
    host.hide();
    host.show();
    EXPECT_EQ(button.grab().toImage(), unlit);
}

TEST(DialogFrame, ButtonsStartUnlitAfterTheDialogHidUnderThePointer) {
    QWidget host;
    host.resize(200, 60);
    TDialogButton yes(QStringLiteral("YES"), TDialogButton::Face::Orange, &host);
    yes.setGeometry(10, 10, 100, 20);
    yes.setFocusPolicy(Qt::NoFocus);
    TShapeButton exit(QStringLiteral("X"), &host);
    exit.setGeometry(150, 10, 17, 17);
    ExpectUnlitAfterHidingUnderThePointer(yes, host);
    ExpectUnlitAfterHidingUnderThePointer(exit, host);
}

}  // namespace
}  // namespace orvane::test
