#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTest>

#include "MainWindowFixture.h"
#include "forms/MainMenus.h"
#include "forms/TFormZQ.h"
#include "widgets/TEffectLabel.h"

namespace orvane::test {
namespace {

using DialogsFromWindow = MainWindowTest;

void Press(QWidget* dialog, const char* button) {
    auto* found = dialog->findChild<QAbstractButton*>(QString::fromLatin1(button));
    ASSERT_NE(found, nullptr) << button;
    found->click();
}

QString LabelText(QWidget* dialog, const char* label) {
    auto* found = dialog->findChild<QLabel*>(QString::fromLatin1(label));
    return found != nullptr ? found->text() : QStringLiteral("<none>");
}

TEST_F(DialogsFromWindow, CoinsFromTheMenuGoOnTheTableAtOnce) {
    Open();
    QStringList shown;
    QStringList onTable;
    WhenModal([&](QWidget* dialog) {
        shown << LabelText(dialog, "lblCredit");
        for (const char* coin : {"btnCoin100", "btnCoin100", "btnCoin100", "btnCoin1000"}) {
            Press(dialog, coin);
            shown << LabelText(dialog, "lblCredit");
            onTable << Text("lblCredit");
        }
        Press(dialog, "btnClose");
    });
    window->Menus().Addcredit1->trigger();
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("Add credit")});
    EXPECT_EQ(shown, (QStringList{"0", "100", "200", "300", "1300"}));
    EXPECT_EQ(onTable, (QStringList{"100", "200", "300", "1300"}));
    EXPECT_EQ(window->Settings().Counters.CreditIn, 1300);
    EXPECT_EQ(window->Settings().Counters.RunCreditIn, 1300);
}

TEST_F(DialogsFromWindow, AClickOnTheCreditOpensTheCoinsToo) {
    Open();
    AddCredit(2);
    QString shown;
    WhenModal([&](QWidget* dialog) {
        shown = LabelText(dialog, "lblCredit");
        Press(dialog, "btnExit");  // the strip's close button
    });
    window->Controls().lblCredit->clicked();
    EXPECT_EQ(shown, "200");
    EXPECT_EQ(window->Table().State().Credit, 200);
}

TEST_F(DialogsFromWindow, CoinsWaitWhileTheTableIsBusy) {
    Open();
    window->Table().State().Ready = false;
    WhenModal([](QWidget* dialog) { dialog->close(); });
    window->Menus().Addcredit1->trigger();
    window->Table().State().Ready = true;
    EXPECT_TRUE(dialogs.isEmpty());
}

// Counts what the main window paints, itself or its table wherever the table is drawn,
// and notes that count when the first dialog shows.
class PaintCount : public QObject {
  public:
    explicit PaintCount(TfrmMain& window) : window_(window) { qApp->installEventFilter(this); }
    ~PaintCount() override { qApp->removeEventFilter(this); }
    int BeforeDialog() const { return beforeDialog_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr) {
            return false;
        }
        if (event->type() == QEvent::Paint &&
            (widget->window() == &window_ || widget->window() == window_.Surface())) {
            ++count_;
        }
        if (event->type() == QEvent::Show && qobject_cast<QDialog*>(widget) != nullptr &&
            beforeDialog_ < 0) {
            beforeDialog_ = count_;
        }
        return false;
    }

  private:
    TfrmMain& window_;
    int count_ = 0;
    int beforeDialog_ = -1;
};

// The coins are asked for over the drawn table, in a window and in full screen, before the
// table can be touched.
TEST_F(DialogsFromWindow, CreditAtStartAsksForCoinsOverTheDrawnTable) {
    for (const char* fullScreen : {"0", "1"}) {
        store.Write("CreditAtStart", "1");
        store.Write("FullScreenAtStart", fullScreen);
        dialogs.clear();
        Open();
        PaintCount painted(*window);
        bool starting = false;
        WhenModal([&](QWidget* dialog) {
            starting = window->Starting();
            Press(dialog, "btnCoin1000");
            Press(dialog, "btnClose");
        });
        window->show();
        QTRY_VERIFY(!window->Starting());
        EXPECT_EQ(dialogs, QStringList{QStringLiteral("Add credit")}) << fullScreen;
        EXPECT_GT(painted.BeforeDialog(), 0) << fullScreen;
        EXPECT_TRUE(starting);
        EXPECT_EQ(Text("lblCredit"), "1000");
        window.reset();
    }
}

TEST_F(DialogsFromWindow, TheAboutBoxShowsTheVersion) {
    Open();
    QString version;
    WhenModal([&](QWidget* dialog) {
        version = LabelText(dialog, "lblVersion");
        Press(dialog, "btnClose");
    });
    window->Menus().About1->trigger();
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("About Orvane Cards")});
    EXPECT_EQ(version, QStringLiteral("Version: ") + window->Version);
}

// The recall of the last games: newest first, each with its cards and what became of it.
TEST_F(DialogsFromWindow, LastGamesShowsTheGamesPlayedNewestFirst) {
    Open();
    window->AddCredit(1000, true);
    window->btnDealClick();
    window->btnDealClick();  // three queens on offer
    const std::int32_t win = window->Table().State().Win;
    ASSERT_GT(win, 0);
    window->btnCashClick();  // collected
    window->btnDealClick();  // a second game, still in play
    QString newest;
    QString oldest;
    QString third = QStringLiteral("<none>");
    int cardPictures = 0;
    WhenModal([&](QWidget* dialog) {
        newest = LabelText(dialog, "lblGame2");
        oldest = LabelText(dialog, "lblGame1");
        third = LabelText(dialog, "lblGame3");
        for (QLabel* label : dialog->findChildren<QLabel*>()) {
            cardPictures += label->pixmap().isNull() ? 0 : 1;
        }
        Press(dialog, "btnClose");
    });
    window->Menus().menuLastGames->trigger();
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("Last games")});
    EXPECT_TRUE(oldest.contains(QStringLiteral("THREE OF A KIND paid %1").arg(win)))
        << oldest.toStdString();
    EXPECT_TRUE(oldest.contains(QStringLiteral("%1 collected.").arg(win))) << oldest.toStdString();
    EXPECT_TRUE(oldest.startsWith(QStringLiteral("1. Bet "))) << oldest.toStdString();
    EXPECT_TRUE(newest.endsWith(QStringLiteral("Still in play."))) << newest.toStdString();
    EXPECT_EQ(third, QStringLiteral("<none>"));
    // The first game's deal and draw, and the second one's deal.
    EXPECT_EQ(cardPictures, 15);
}

}  // namespace
}  // namespace orvane::test
