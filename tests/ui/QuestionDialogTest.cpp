#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <map>

#include "DialogDriver.h"
#include "forms/TfrmQuestion.h"

namespace orvane::test {
namespace {

class QuestionDialog : public ::testing::Test {
  protected:
    // Shows the question modally and answers it with the action.
    DialogResult AnswerWith(std::function<void()> action) {
        WhenShown(question, std::move(action));
        return question.Ask();
    }

    TfrmQuestion question;
};

TEST_F(QuestionDialog, KeysAndButtonsGiveTheirAnswers) {
    EXPECT_EQ(AnswerWith([this] { PressKey(question, Qt::Key_Escape); }), DialogResult::No);
    EXPECT_EQ(AnswerWith([this] { PressKey(question, Qt::Key_Return); }), DialogResult::Yes);
    EXPECT_EQ(AnswerWith([this] { PressKey(question, Qt::Key_Enter, Qt::KeypadModifier); }),
              DialogResult::Yes);
    EXPECT_EQ(AnswerWith([this] { Click(question, "btnYes"); }), DialogResult::Yes);
    EXPECT_EQ(AnswerWith([this] { Click(question, "btnNo"); }), DialogResult::No);
    EXPECT_EQ(AnswerWith([this] { Click(question, "btnExit"); }), DialogResult::Cancel);
    EXPECT_EQ(AnswerWith([this] { question.close(); }), DialogResult::Cancel);
}

TEST_F(QuestionDialog, EscapeAnswersNoWhereverTheFocusIs) {
    EXPECT_EQ(AnswerWith([this] {
                  Child(question, "btnYes")->setFocus();
                  PressKey(question, Qt::Key_Escape);
              }),
              DialogResult::No);
}

// The focus ring a dialog button draws just inside its bar: yellow within black.
bool FocusRingPainted(QWidget& button) {
    const QImage face = button.grab().toImage();
    int yellow = 0;
    for (int x = 15; x < face.width() - 15; ++x) {
        const QColor pixel = face.pixelColor(x, 2);
        yellow += pixel.red() > 200 && pixel.green() > 200 && pixel.blue() < 100 ? 1 : 0;
    }
    return yellow > 10;
}

// Whatever the Tab key did, the button showing the focus ring is the one Enter presses and
// the one Space presses; a fresh question starts on Yes.
TEST_F(QuestionDialog, TheFocusRingEnterAndSpaceAlwaysAgree) {
    const std::map<QString, DialogResult> answers = {{"btnYes", DialogResult::Yes},
                                                     {"btnNo", DialogResult::No}};
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        for (int tabs = 0; tabs < 4; ++tabs) {
            QStringList ringed;
            const DialogResult answer = AnswerWith([&] {
                // The dialog is the active window, as it is on the player's screen.
                QApplication::setActiveWindow(&question);
                for (int t = 0; t < tabs; ++t) {
                    PressKey(question, Qt::Key_Tab);
                }
                for (const char* name : {"btnYes", "btnNo"}) {
                    if (FocusRingPainted(*Child(question, name))) {
                        ringed << QString::fromLatin1(name);
                    }
                }
                PressKey(question, key);
            });
            ASSERT_EQ(ringed.size(), 1) << key << " after " << tabs << " tabs";
            EXPECT_EQ(answer, answers.at(ringed[0])) << key << " after " << tabs << " tabs";
            if (tabs == 0) {
                EXPECT_EQ(ringed[0], "btnYes");
            }
        }
    }
}

TEST_F(QuestionDialog, OnlyYesCountsAsAgreement) {
    WhenShown(question, [this] { PressKey(question, Qt::Key_Return); });
    EXPECT_TRUE(AskYes(question, QStringLiteral("Confirm"), QStringLiteral("Cash out ?")));
    WhenShown(question, [this] { PressKey(question, Qt::Key_Escape); });
    EXPECT_FALSE(AskYes(question, QStringLiteral("Confirm"), QStringLiteral("Cash out ?")));
    WhenShown(question, [this] { Click(question, "btnExit"); });
    EXPECT_FALSE(AskYes(question, QStringLiteral("Confirm"), QStringLiteral("Cash out ?")));
}

TEST_F(QuestionDialog, EachSetUpReplacesTitleAndQuestion) {
    EXPECT_EQ(question.Title(), "Exit ?");
    EXPECT_EQ(question.MessageText(), "Exit Orvane Cards ?");

    question.SetUp(QStringLiteral("Confirm"), QStringLiteral("Cash out ?"));
    EXPECT_EQ(question.windowTitle(), "Confirm");
    EXPECT_EQ(Child<QLabel>(question, "lblCaption")->text(), "Confirm");
    EXPECT_EQ(Child<QLabel>(question, "lblMessageText")->text(), "Cash out ?");

    question.SetUp(QStringLiteral("Orvane Cards"), QStringLiteral("Exit Orvane Cards ?"));
    EXPECT_EQ(question.windowTitle(), "Orvane Cards");
    EXPECT_EQ(Child<QLabel>(question, "lblCaption")->text(), "Orvane Cards");
    EXPECT_EQ(Child<QLabel>(question, "lblMessageText")->text(), "Exit Orvane Cards ?");
}

TEST_F(QuestionDialog, TheDialogKeepsItsQuestionAfterAnswering) {
    question.SetUp(QStringLiteral("Confirm"), QStringLiteral("Cash out ?"));
    AnswerWith([this] { PressKey(question, Qt::Key_Escape); });
    EXPECT_EQ(question.Title(), "Confirm");
    EXPECT_EQ(question.MessageText(), "Cash out ?");
    EXPECT_FALSE(question.isVisible());
}

TEST_F(QuestionDialog, ControlsSitWhereTheyWereLaidOut) {
    EXPECT_EQ(question.Client()->size(), QSize(354, 90));
    EXPECT_EQ(PlaceOf(question, "lblMessageText"), QRect(0, 24, 353, 13));
    EXPECT_EQ(Child<QLabel>(question, "lblMessageText")->alignment() & Qt::AlignHCenter,
              Qt::AlignHCenter);
    EXPECT_EQ(PlaceOf(question, "btnNo"), QRect(72, 53, 100, 20));
    EXPECT_EQ(PlaceOf(question, "btnYes"), QRect(182, 53, 100, 20));
    EXPECT_EQ(PlaceOf(question, "pnlCaption"), QRect(0, 0, 354, 17));
    question.show();
    EXPECT_EQ(TabOrder(question, "btnNo"), (QStringList{"btnNo", "btnYes"}));
}

TEST(QuestionDialogPlace, AskCentresOverTheParentWindow) {
    QWidget mainWindow;
    mainWindow.setGeometry(100, 80, 792, 556);
    mainWindow.show();
    TfrmQuestion question(&mainWindow);
    QPoint centre;
    WhenShown(question, [&] {
        centre = question.geometry().center();
        PressKey(question, Qt::Key_Escape);
    });
    question.Ask();
    EXPECT_LE((centre - mainWindow.frameGeometry().center()).manhattanLength(), 2);
}

}  // namespace
}  // namespace orvane::test
