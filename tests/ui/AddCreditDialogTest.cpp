#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <stdexcept>
#include <vector>

#include "DialogDriver.h"
#include "forms/TfrmAddCredit.h"

namespace orvane::test {
namespace {

// Stands in for the main window: its credit, and every amount handed to AddCredit.
class AddCreditDialog : public ::testing::Test {
  protected:
    QString Shown() const { return Child<QLabel>(dialog, "lblCredit")->text(); }
    int RightEdgeOfCredit() const {
        const QRect place = PlaceOf(dialog, "lblCredit");
        return place.x() + place.width();
    }

    std::int32_t credit = 40;
    std::vector<std::int32_t> added;
    TfrmAddCredit dialog{[this] { return credit; },
                         [this](std::int32_t amount) {
                             added.push_back(amount);
                             credit += amount;
                         }};
};

TEST_F(AddCreditDialog, EachCoinAddsAndTheLabelFollows) {
    QStringList seen;
    WhenShown(dialog, [&] {
        seen << Shown();
        for (const char* coin : {"btnCoin100", "btnCoin100", "btnCoin100", "btnCoin1000"}) {
            Click(dialog, coin);
            seen << Shown();
        }
        Click(dialog, "btnClose");
    });
    dialog.ShowModal();
    EXPECT_EQ(added, (std::vector<std::int32_t>{100, 100, 100, 1000}));
    EXPECT_EQ(credit, 1340);
    EXPECT_EQ(seen, (QStringList{"40", "140", "240", "340", "1340"}));
}

TEST_F(AddCreditDialog, ShowingReadsTheCreditAfresh) {
    WhenShown(dialog, [this] { Click(dialog, "btnClose"); });
    dialog.ShowModal();
    credit = 7;  // the table took some credit between two showings
    QString shownAtStart;
    WhenShown(dialog, [&] {
        shownAtStart = Shown();
        Click(dialog, "btnClose");
    });
    dialog.ShowModal();
    EXPECT_EQ(shownAtStart, "7");
}

TEST_F(AddCreditDialog, ACoinRefusedByTheTableShowsTheUnchangedCredit) {
    TfrmAddCredit refusing([] { return 250; }, [](std::int32_t) {});
    refusing.show();
    Click(refusing, "btnCoin1000");
    EXPECT_EQ(Child<QLabel>(refusing, "lblCredit")->text(), "250");
}

TEST_F(AddCreditDialog, BothCloseButtonsEndTheShowingAlike) {
    WhenShown(dialog, [this] {
        Click(dialog, "btnCoin100");
        Click(dialog, "btnClose");
    });
    dialog.ShowModal();
    const int byOwnButton = dialog.result();
    EXPECT_FALSE(dialog.isVisible());
    WhenShown(dialog, [this] {
        Click(dialog, "btnCoin100");
        Click(dialog, "btnExit");
    });
    dialog.ShowModal();
    EXPECT_EQ(dialog.result(), byOwnButton);
    EXPECT_NE(byOwnButton, LeftOpen);
    EXPECT_FALSE(dialog.isVisible());
    // Closing never takes a coin back.
    EXPECT_EQ(credit, 240);
}

TEST_F(AddCreditDialog, EnterAndEscapeDoNothingSpecial) {
    bool openAfterKeys = false;
    WhenShown(dialog, [&] {
        PressKey(dialog, Qt::Key_Return);
        PressKey(dialog, Qt::Key_Escape);
        openAfterKeys = dialog.isVisible();
    });
    dialog.ShowModal();
    EXPECT_TRUE(openAfterKeys);
    EXPECT_TRUE(added.empty());
}

TEST_F(AddCreditDialog, TheCreditGrowsToTheLeftOfItsEdge) {
    credit = 5;
    dialog.show();
    EXPECT_EQ(RightEdgeOfCredit(), 217);
    const int oneDigit = PlaceOf(dialog, "lblCredit").width();
    EXPECT_GE(oneDigit, 8);
    EXPECT_LE(oneDigit, 10);
    Click(dialog, "btnCoin1000");
    Click(dialog, "btnCoin1000");
    EXPECT_EQ(Shown(), "2005");
    EXPECT_EQ(RightEdgeOfCredit(), 217);
    EXPECT_GT(PlaceOf(dialog, "lblCredit").width(), 3 * oneDigit);
    EXPECT_EQ(PlaceOf(dialog, "lblCredit").y(), 26);
}

TEST_F(AddCreditDialog, ControlsSitWhereTheyWereLaidOut) {
    EXPECT_EQ(dialog.windowTitle(), "Add credit");
    EXPECT_EQ(dialog.Title(), "Add Credit");
    EXPECT_EQ(dialog.Client()->size(), QSize(359, 130));
    EXPECT_EQ(Child<QLabel>(dialog, "Label2")->text(), "CREDIT");
    EXPECT_EQ(PlaceOf(dialog, "btnCoin100"), QRect(7, 57, 100, 20));
    EXPECT_EQ(PlaceOf(dialog, "btnCoin1000"), QRect(111, 57, 100, 20));
    EXPECT_EQ(PlaceOf(dialog, "btnClose"), QRect(252, 93, 100, 20));
    dialog.show();
    EXPECT_FALSE(Child(dialog, "edtAddCredit")->isVisible());
    EXPECT_FALSE(Child(dialog, "btnAddCustom")->isVisible());
    const char* order[] = {"btnCoin100", "btnCoin1000", "btnClose", "edtAddCredit", "btnAddCustom"};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        EXPECT_EQ(Child(dialog, order[i])->nextInFocusChain(), Child(dialog, order[i + 1]))
            << order[i];
    }
    // The hidden custom-amount controls take no turn.
    EXPECT_EQ(TabOrder(dialog, "btnCoin100"),
              (QStringList{"btnCoin100", "btnCoin1000", "btnClose"}));
}

TEST_F(AddCreditDialog, TheCustomAmountTakesOnlyAWholeNumberAboveZero) {
    auto* field = Child<QLineEdit>(dialog, "edtAddCredit");
    EXPECT_EQ(field->text(), "0");
    field->setText(QStringLiteral(" 250 "));
    dialog.btnAddCustomClick();
    EXPECT_EQ(added, std::vector<std::int32_t>{250});
    EXPECT_EQ(Shown(), "290");
    for (const char* bad : {"12x", "", "99999999999", "0", "-100"}) {
        field->setText(QLatin1String(bad));
        EXPECT_THROW(dialog.btnAddCustomClick(), std::invalid_argument) << bad;
    }
    EXPECT_EQ(added.size(), 1u);
}

}  // namespace
}  // namespace orvane::test
