// The table's tooltips say what a click does and name keys that really do it; the hold
// buttons' tips follow their faces through a win offer; the tips come in the theme's colours.
#include <QHelpEvent>
#include <QKeySequence>
#include <QLabel>
#include <QTest>
#include <QToolTip>

#include "MainWindowFixture.h"
#include "forms/KeyboardMap.h"
#include "forms/RgbColor.h"
#include "forms/TableToolTips.h"
#include "forms/TfrmNotice.h"
#include "widgets/TImageButton.h"
#include "widgets/TShapeButton.h"

namespace orvane::test {
namespace {

KeyCommand CommandOf(GameButton button) {
    switch (button) {
        case GameButton::Cash:
            return KeyCommand::Cash;
        case GameButton::Deal:
            return KeyCommand::Deal;
        case GameButton::Bet:
            return KeyCommand::Bet;
        default:
            return static_cast<KeyCommand>(static_cast<int>(KeyCommand::Hold1) +
                                           static_cast<int>(button));
    }
}

TEST(TableToolTips, EveryKeyATipNamesDoesWhatTheButtonDoes) {
    for (ChoiceButtons choices :
         {ChoiceButtons::Off, ChoiceButtons::SmallBig, ChoiceButtons::RedBlack}) {
        for (int b = 0; b < GameButtonCount; ++b) {
            const auto button = static_cast<GameButton>(b);
            const QString tip = TableToolTips::GameButtonTip(button, choices);
            const qsizetype at = tip.indexOf(QLatin1String("Keys: "));
            ASSERT_GE(at, 0) << tip.toStdString();
            QString keys = tip.mid(at + 6);
            keys.replace(QLatin1String(" or "), QLatin1String(", "));
            for (const QString& name : keys.split(QLatin1String(", "))) {
                KeyPress press;
                press.Key = QKeySequence::fromString(name)[0].key();
                press.Text = name.size() == 1 ? name.toLower() : QString();
                EXPECT_EQ(CommandForKey(press), CommandOf(button))
                    << name.toStdString() << " in " << tip.toStdString();
            }
        }
    }
}

class TableToolTipsTest : public MainWindowTest {};

TEST_F(TableToolTipsTest, TheHoldTipsFollowTheFacesThroughAWinOffer) {
    for (const char* mode : {"1", "2"}) {  // small/big, red/black
        store.Write("DupMode", mode);
        Open();
        const MainControls& c = window->Controls();
        for (QWidget* control : std::initializer_list<QWidget*>{c.lblCredit, c.fcShapeBtn[1],
                                                                c.fcShapeBtn[2], c.fcShapeBtn[3]}) {
            EXPECT_FALSE(control->toolTip().isEmpty()) << control->objectName().toStdString();
        }
        EXPECT_TRUE(c.lblCredit->toolTip().startsWith(QLatin1String("Add coins")));
        const auto tip = [&c](int slot) { return c.btnHold(slot)->toolTip(); };
        EXPECT_TRUE(tip(2).contains(QLatin1String("hold or release card 2")));
        AddCredit();
        window->btnDealClick();
        window->btnDealClick();  // three queens on offer
        ASSERT_TRUE(window->Table().DoubleUpOffer().IsOpen());
        for (int slot : {2, 4}) {
            const QString face = c.btnHold(slot)->text();
            EXPECT_TRUE(tip(slot).contains(QLatin1String("next card is ") + face))
                << tip(slot).toStdString();
        }
        EXPECT_TRUE(tip(5).startsWith(QLatin1String("Take half")));
        for (int slot : {1, 3}) {
            EXPECT_FALSE(tip(slot).contains(QLatin1String("hold or release"))) << slot;
        }
        EXPECT_TRUE(
            c.Button(GameButton::Cash)->toolTip().startsWith(QLatin1String("Collect the win")));
        window->btnCashClick();  // collected: the buttons hold cards again
        EXPECT_TRUE(tip(2).contains(QLatin1String("hold or release card 2")));
        EXPECT_TRUE(tip(1).contains(QLatin1String("hold or release card 1")));
        window.reset();
    }
}

TEST_F(TableToolTipsTest, TipsOpenInTheThemesMenuColours) {
    Open();
    window->show();
    for (int theme = 1; theme <= 5; ++theme) {
        window->Settings().ThemeID = theme;
        window->Settings().ApplyTheme();
        QWidget* credit = window->Controls().lblCredit;
        const QPoint at(5, 5);
        QHelpEvent help(QEvent::ToolTip, at, credit->mapToGlobal(at));
        QApplication::sendEvent(credit, &help);
        ASSERT_TRUE(QToolTip::isVisible());
        EXPECT_EQ(QToolTip::text(), credit->toolTip());
        EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase),
                  ToQColor(window->Settings().MenuColor));
        EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipText),
                  ToQColor(window->Settings().MenuTextColor));
        QToolTip::hideText();
    }
}

}  // namespace
}  // namespace orvane::test
