// The dialogs on the common frame: nothing covers the caption strip, the last games read
// as the player counts, notices answer to their keys and stay on the screen, and a tab
// bar with the keyboard on it shows so and turns its tabs with the arrows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTemporaryDir>
#include <memory>

#include "DialogDriver.h"
#include "forms/TfrmAbout.h"
#include "forms/TfrmAddCredit.h"
#include "forms/TfrmLastGames.h"
#include "forms/TfrmNotice.h"
#include "forms/TfrmQuestion.h"
#include "widgets/TFlatPageControl.h"
#include "widgets/TTabControl.h"

namespace orvane::test {
namespace {

GameRecord Game(int rightGuesses, GameEnd end) {
    GameRecord game;
    game.Bet = 1000;
    game.CreditBefore = 1091;
    game.CreditAfter = 123456;
    game.Prize = ThreeOfAKind;
    game.Win = 12345;
    game.Collected = 24690;
    game.Draws.push_back({});
    for (int g = 0; g < rightGuesses; ++g) {
        game.Guesses.push_back({true, 1, true});
    }
    game.Guesses.push_back({true, 1, false});
    game.End = end;
    return game;
}

TEST(FrameDialogs, NoControlCoversTheCaptionStrip) {
    QTemporaryDir folder;
    std::vector<std::unique_ptr<TFormZQ>> dialogs;
    dialogs.push_back(std::make_unique<TfrmQuestion>());
    dialogs.push_back(std::make_unique<TfrmAbout>(nullptr, folder.path()));
    dialogs.push_back(std::make_unique<TfrmAddCredit>([] { return 0; }, [](std::int32_t) {}));
    dialogs.push_back(std::make_unique<TfrmLastGames>(
        nullptr, std::vector<GameRecord>{Game(2, GameEnd::Collected)}, QString(),
        CardPictureSource()));
    dialogs.push_back(
        std::make_unique<TfrmNotice>(QStringLiteral("Orvane Cards"), QStringLiteral("Message"),
                                     TfrmNotice::Sign::Error, QStringLiteral("a\nb")));
    for (const auto& dialog : dialogs) {
        const QRect strip = Child(*dialog, "pnlCaption")->geometry();
        ASSERT_EQ(strip.height(), TFormZQ::CaptionHeight);
        for (QWidget* control :
             dialog->Client()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (control->objectName() != QStringLiteral("pnlCaption") && !control->isHidden()) {
                EXPECT_FALSE(control->geometry().intersects(strip))
                    << dialog->objectName().toStdString() << ": "
                    << control->objectName().toStdString();
            }
        }
    }
}

TEST(FrameDialogs, LastGamesCountGuessesAsWordsAndGroupAmounts) {
    for (int right = 0; right <= 9; ++right) {
        const QString text = TfrmLastGames::Summary(Game(right, GameEnd::GambleLost));
        const QString guesses = right == 1 ? QStringLiteral("1 right guess, ")
                                           : QStringLiteral("%1 right guesses, ").arg(right);
        EXPECT_TRUE(text.contains(guesses)) << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral(" 1 right guesses"))) << text.toStdString();
        for (const char* amount :
             {"Bet 1,000", "credit 1,091", "123,456", "paid 12,345", "after 24,690 collected"}) {
            EXPECT_TRUE(text.contains(QLatin1String(amount)))
                << amount << " in " << text.toStdString();
        }
    }
}

TEST(FrameDialogs, NoticesKeepTheirTextsAndCloseByOkEnterAndEscape) {
    const QString text = QStringLiteral("The game was interrupted.\n\nIt resumes where it stood.");
    for (const auto& close : std::vector<std::function<void(TfrmNotice&)>>{
             [](TfrmNotice& n) { PressKey(n, Qt::Key_Return); },
             [](TfrmNotice& n) { PressKey(n, Qt::Key_Escape); },
             [](TfrmNotice& n) { Click(n, "btnOk"); }}) {
        TfrmNotice notice(QStringLiteral("Orvane Cards"), text, TfrmNotice::Sign::Information);
        bool shown = false;
        WhenShown(notice, [&] {
            shown = notice.isVisible();
            close(notice);
        });
        notice.ShowModal();
        EXPECT_TRUE(shown);
        EXPECT_EQ(notice.Result(), DialogResult::Ok);
        EXPECT_EQ(notice.Title(), "Orvane Cards");
        EXPECT_EQ(notice.Text(), text);
        EXPECT_TRUE(Child<QLabel>(notice, "lblMessageText")
                        ->text()
                        .startsWith(QStringLiteral("The game was interrupted.")));
    }
}

int RedPixels(QWidget& widget) {
    const QImage image = widget.grab().toImage();
    int red = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c.red() > 180 && c.green() < 80 && c.blue() < 80 ? 1 : 0;
        }
    }
    return red;
}

TEST(FrameDialogs, OnlyTheErrorNoticeCarriesTheRedErrorSign) {
    for (auto sign :
         {TfrmNotice::Sign::Error, TfrmNotice::Sign::Warning, TfrmNotice::Sign::Information}) {
        TfrmNotice notice(QStringLiteral("Orvane Cards"), QStringLiteral("x"), sign);
        const int red = RedPixels(*Child(notice, "imgSign"));
        EXPECT_EQ(red > 200, sign == TfrmNotice::Sign::Error) << red;
    }
}

TEST(FrameDialogs, AHugeNoticeAndItsOkButtonStayOnTheScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QStringList lines;
    for (int i = 0; i < 400; ++i) {
        lines << QStringLiteral("line %1 ").arg(i) + QString(90, QLatin1Char('x'));
    }
    TfrmNotice notice(QStringLiteral("Orvane Cards"), lines.join(QLatin1Char(' ')),
                      TfrmNotice::Sign::Error, lines.join(QLatin1Char('\n')));
    QRect box;
    QRect ok;
    WhenShown(notice, [&] {
        box = notice.frameGeometry();
        QWidget* button = Child(notice, "btnOk");
        ok = QRect(button->mapToGlobal(QPoint(0, 0)), button->size());
        PressKey(notice, Qt::Key_Return);
    });
    notice.ShowModal();
    EXPECT_TRUE(screen.contains(box)) << box.height();
    EXPECT_TRUE(screen.contains(ok));
    EXPECT_EQ(notice.Result(), DialogResult::Ok);
}

// Pixels in the dialogs' yellow in `after` that were not yellow in `before`: a mark the
// player sees on the dark greens, not a faint shade.
int NewYellowPixels(const QImage& before, const QImage& after) {
    const auto yellow = [](QColor c) { return c.red() > 200 && c.green() > 200 && c.blue() < 120; };
    int count = 0;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            count += yellow(after.pixelColor(x, y)) && !yellow(before.pixelColor(x, y)) ? 1 : 0;
        }
    }
    return count;
}

// A page control and a tab control, each after a button, in a window of their own.
struct TabBars {
    TabBars() {
        window.resize(420, 200);
        first = new QPushButton(QStringLiteral("first"), &window);
        first->setGeometry(0, 0, 60, 20);
        auto* pages = new TFlatPageControl(&window);
        pages->setGeometry(0, 30, 400, 60);
        for (const char* page : {"General", "Themes", "Start / Exit"}) {
            pages->addTab(new QWidget, QString::fromLatin1(page));
        }
        auto* tabs = new TTabControl(
            {QStringLiteral("Current Session"), QStringLiteral("Overall Play")}, &window);
        tabs->setGeometry(0, 100, 400, 60);
        bars = {pages->tabBar(), tabs->Tabs()};
        window.show();
        QApplication::setActiveWindow(&window);
    }
    QWidget window;
    QPushButton* first = nullptr;
    std::vector<QTabBar*> bars;
};

TEST(FrameDialogs, TabBarsShowTheKeyboardFocusAndTurnWithTheArrows) {
    TabBars host;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host.window));
    host.first->setFocus();
    for (QTabBar* bar : host.bars) {
        const QImage unfocused = bar->grab().toImage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), bar);
        const QRect tab = bar->tabRect(bar->currentIndex());
        EXPECT_GT(NewYellowPixels(unfocused.copy(tab), bar->grab().toImage().copy(tab)), 20)
            << "no focus mark in the dialogs' yellow on the current tab";
        const int start = bar->currentIndex();
        QTest::keyClick(bar, Qt::Key_Right);
        EXPECT_EQ(bar->currentIndex(), start + 1);
        QTest::keyClick(bar, Qt::Key_Left);
        EXPECT_EQ(bar->currentIndex(), start);
    }
}

}  // namespace
}  // namespace orvane::test
