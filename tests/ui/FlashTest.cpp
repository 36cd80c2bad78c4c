#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>

#include "FakeFlashTarget.h"
#include "RecordingSoundBackend.h"
#include "view/DesktopMotion.h"
#include "view/SoundPlayer.h"
#include "view/TFlash.h"

namespace orvane {
namespace {

using test::FakeFlashTarget;
using Face = FakeFlashTarget::Face;

class FlashTest : public ::testing::Test {
  protected:
    FlashTest()
        : sounds(std::make_unique<test::RecordingSoundBackend>(played)),
          flash(
              target, [this] { return settings; }, sounds) {
        settings.MessageColor = QColor(0x20, 0xC0, 0x20);
        settings.MessageFlashColor = QColor(0xFF, 0x40, 0x10);
    }

    // Runs the wait and the picture phase up to the moment the cards come back.
    void RunToJokerWalk() {
        flash.StartIdleAnimation();
        flash.IdleDelayTimerTimer();
        for (int tick = 0; tick < 7; ++tick) {
            flash.FlashTimerTimer();
        }
    }

    bool AnyTimerRunning() const {
        return flash.IdleDelayTimer.isActive() || flash.FlashTimer.isActive() ||
               flash.JokerTimer.isActive();
    }

    FakeFlashTarget target;
    FlashSettings settings;
    QStringList played;
    SoundPlayer sounds;
    TFlash flash;
};

TEST_F(FlashTest, StartsWithFiveStoppedTimersAndTheEightMessages) {
    EXPECT_EQ(flash.IdleDelayTimer.interval(), 3000);
    EXPECT_EQ(flash.JokerTimer.interval(), 2000);
    EXPECT_EQ(flash.FlashTimer.interval(), 1000);
    EXPECT_EQ(flash.BlinkTimer.interval(), 500);
    EXPECT_EQ(flash.IndicatorTimer.interval(), 300);
    for (const QTimer* timer : {&flash.IdleDelayTimer, &flash.JokerTimer, &flash.FlashTimer,
                                &flash.BlinkTimer, &flash.IndicatorTimer}) {
        EXPECT_FALSE(timer->isActive());
        EXPECT_FALSE(timer->isSingleShot());
    }
    EXPECT_EQ(flash.Messages[0], "");
    EXPECT_EQ(flash.Messages[1], "INSERT COIN !");
    EXPECT_EQ(flash.Messages[2], "HOLD AND DRAW CARDS");
    EXPECT_EQ(flash.Messages[3], "WINNER");
    EXPECT_EQ(flash.Messages[4], "CREDIT FULL - CASH OUT FIRST");
    EXPECT_EQ(flash.Messages[5], "PRESS ANY KEY TO COLLECT ALL");
    EXPECT_EQ(flash.Messages[6], "OUT OF SERVICE");
    EXPECT_EQ(flash.Messages[7], "TAKE HALF OR COLLECT FIRST");
    EXPECT_EQ(flash.Messages[8], "CANNOT SAVE - CHECK THE DISK");
    for (std::size_t unused = 9; unused < flash.Messages.size(); ++unused) {
        EXPECT_TRUE(flash.Messages[unused].isEmpty());
    }
}

TEST_F(FlashTest, BlinkingMessageIsBoldInTheFlashColourAndTogglesItsText) {
    flash.SetMessage(1, true);
    EXPECT_EQ(target.bannerText, "INSERT COIN !");
    EXPECT_EQ(flash.CurrentMessage, "INSERT COIN !");
    EXPECT_EQ(target.bannerColor, settings.MessageFlashColor);
    EXPECT_TRUE(target.bannerBold);
    EXPECT_TRUE(flash.BlinkTimer.isActive());

    flash.BlinkTimerTimer();
    EXPECT_EQ(target.bannerText, "");
    flash.BlinkTimerTimer();
    EXPECT_EQ(target.bannerText, "INSERT COIN !");
    flash.BlinkTimerTimer();
    EXPECT_EQ(target.bannerText, "");

    // A steady message replaces a blinking one caught in its dark half.
    flash.SetMessage(2, false);
    EXPECT_FALSE(flash.BlinkTimer.isActive());
    EXPECT_EQ(target.bannerText, "HOLD AND DRAW CARDS");
    EXPECT_EQ(target.bannerColor, settings.MessageColor);
    EXPECT_FALSE(target.bannerBold);
}

TEST_F(FlashTest, ColoursAreTakenFromTheThemeAtEachCall) {
    flash.SetMessage(3, false);
    EXPECT_EQ(target.bannerColor, QColor(0x20, 0xC0, 0x20));
    settings.MessageColor = QColor(0x11, 0x22, 0x33);
    flash.SetMessage(3, false);
    EXPECT_EQ(target.bannerColor, QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(target.bannerText, "WINNER");
}

TEST_F(FlashTest, EmptyMessageStaysEmptyWhetherBlinkingOrNot) {
    flash.SetMessage(1, true);
    flash.SetMessage(0, true);
    EXPECT_EQ(target.bannerText, "");
    for (int tick = 0; tick < 3; ++tick) {
        flash.BlinkTimerTimer();
        EXPECT_EQ(target.bannerText, "");
    }
    flash.SetMessage(0, false);
    EXPECT_EQ(target.bannerText, "");
}

TEST_F(FlashTest, MessageIndexOutsideTheTableShowsNothing) {
    flash.SetMessage(2, false);
    flash.SetMessage(17, false);
    EXPECT_EQ(target.bannerText, "");
    flash.SetMessage(-1, true);
    EXPECT_EQ(target.bannerText, "");
}

TEST_F(FlashTest, IdleAnimationWaitsThenClearsTheTable) {
    flash.JokerSlot = 4;
    flash.StartIdleAnimation();
    EXPECT_EQ(flash.JokerSlot, 0);
    EXPECT_TRUE(flash.IdleDelayTimer.isActive());
    EXPECT_TRUE(target.log.isEmpty());

    flash.IdleDelayTimerTimer();
    EXPECT_FALSE(flash.IdleDelayTimer.isActive());
    EXPECT_EQ(target.log, QStringList({"hide hold marks", "show pay table", "clear highlight"}));
    EXPECT_EQ(flash.FlashLevel, 5);
    EXPECT_TRUE(flash.FlashTimer.isActive());
    // The picture only comes with the first tick, a second later.
    EXPECT_FALSE(target.flashVisible);
    EXPECT_EQ(target.cards[1], Face::Back);
}

TEST_F(FlashTest, PictureSharpensFromFiveToZeroThenTheCardsComeBackFaceDown) {
    flash.StartIdleAnimation();
    flash.IdleDelayTimerTimer();
    target.log.clear();

    flash.FlashTimerTimer();
    EXPECT_TRUE(target.log.contains("cards hidden"));
    EXPECT_TRUE(target.flashVisible);
    EXPECT_EQ(target.flashStrength, 5);
    EXPECT_EQ(target.cards[3], Face::Hidden);

    for (int strength = 4; strength >= 0; --strength) {
        flash.FlashTimerTimer();
        EXPECT_TRUE(target.flashVisible);
        EXPECT_EQ(target.flashStrength, strength);
        EXPECT_TRUE(flash.FlashTimer.isActive());
    }
    EXPECT_EQ(flash.FlashLevel, -1);
    EXPECT_FALSE(flash.JokerTimer.isActive());

    target.log.clear();
    flash.FlashTimerTimer();
    EXPECT_FALSE(target.flashVisible);
    EXPECT_FALSE(flash.FlashTimer.isActive());
    EXPECT_EQ(target.log,
              QStringList({"picture hidden", "back 1", "back 2", "back 3", "back 4", "back 5"}));
    EXPECT_TRUE(flash.JokerTimer.isActive());
}

TEST_F(FlashTest, JokerWalksAcrossTheCardsAndWrapsAround) {
    RunToJokerWalk();
    for (int slot = 1; slot <= 5; ++slot) {
        target.log.clear();
        flash.JokerTimerTimer();
        EXPECT_EQ(flash.JokerSlot, slot);
        EXPECT_EQ(target.log, QStringList({QStringLiteral("back %1").arg(slot == 1 ? 5 : slot - 1),
                                           QStringLiteral("joker %1").arg(slot)}));
        EXPECT_EQ(std::count(target.cards.begin() + 1, target.cards.end(), Face::Joker), 1);
    }
    target.log.clear();
    flash.JokerTimerTimer();
    EXPECT_EQ(flash.JokerSlot, 1);
    EXPECT_EQ(target.log, QStringList({"back 5", "joker 1"}));
    EXPECT_EQ(target.cards[5], Face::Back);
    EXPECT_TRUE(flash.JokerTimer.isActive());

    // A slot out of range starts over at card 1 instead of naming a card that does not exist.
    flash.JokerSlot = -7;
    target.log.clear();
    flash.JokerTimerTimer();
    EXPECT_EQ(target.log, QStringList({"back 5", "joker 1"}));
}

TEST_F(FlashTest, StopWhileWaitingCancelsTheWholeAnimation) {
    flash.StartIdleAnimation();
    flash.StopIdleAnimation();
    EXPECT_FALSE(AnyTimerRunning());
    EXPECT_FALSE(target.log.contains("hide hold marks"));
}

TEST_F(FlashTest, StopDuringThePictureHidesItAndLeavesTheCardsAlone) {
    flash.StartIdleAnimation();
    flash.IdleDelayTimerTimer();
    flash.FlashTimerTimer();
    flash.FlashTimerTimer();
    ASSERT_TRUE(target.flashVisible);

    flash.StopIdleAnimation();
    EXPECT_FALSE(target.flashVisible);
    EXPECT_FALSE(AnyTimerRunning());
    EXPECT_EQ(target.cards[1], Face::Hidden);
}

TEST_F(FlashTest, StopDuringTheJokerWalkKeepsTheJokerWhereItIs) {
    RunToJokerWalk();
    flash.JokerTimerTimer();
    flash.JokerTimerTimer();
    flash.StopIdleAnimation();
    EXPECT_FALSE(AnyTimerRunning());
    EXPECT_EQ(target.cards[2], Face::Joker);
    EXPECT_EQ(flash.JokerSlot, 2);

    // The next idle spell starts the walk at card 1 again.
    RunToJokerWalk();
    flash.JokerTimerTimer();
    EXPECT_EQ(flash.JokerSlot, 1);
}

TEST_F(FlashTest, DealDuringTheCardsSlideInKeepsTheWalkFromStarting) {
    flash.StartIdleAnimation();
    flash.IdleDelayTimerTimer();
    for (int tick = 0; tick < 6; ++tick) {
        flash.FlashTimerTimer();
    }
    target.onShowBack = [this](int slot) {
        if (slot == 2) {
            flash.StopIdleAnimation();
        }
    };
    flash.FlashTimerTimer();
    EXPECT_FALSE(AnyTimerRunning());
    EXPECT_FALSE(target.log.contains("back 3"));
}

TEST_F(FlashTest, IndicatorPicturesTakeTurnsWhileBlinking) {
    flash.SetIndicatorBlink(true);
    EXPECT_TRUE(flash.IndicatorTimer.isActive());
    flash.IndicatorTimerTimer();
    EXPECT_FALSE(target.indicatorUp);
    EXPECT_TRUE(target.indicatorDown);
    flash.IndicatorTimerTimer();
    EXPECT_TRUE(target.indicatorUp);
    EXPECT_FALSE(target.indicatorDown);
    flash.IndicatorTimerTimer();

    flash.SetIndicatorBlink(false);
    EXPECT_FALSE(flash.IndicatorTimer.isActive());
    EXPECT_FALSE(target.indicatorUp);
    EXPECT_TRUE(target.indicatorDown);
}

// An effects object of its own, for tests that compare two of them.
struct FlashRig {
    FlashRig()
        : sounds(std::make_unique<test::RecordingSoundBackend>(played)),
          flash(
              target, [] { return FlashSettings{}; }, sounds) {
        // Every step has something to do: a blinking banner, a blinking indicator, an
        // idle animation under way with the picture half sharp and the joker on card 2.
        flash.SetMessage(1, true);
        flash.SetIndicatorBlink(true);
        flash.StartIdleAnimation();
        flash.FlashLevel = 3;
        flash.JokerSlot = 2;
    }

    // Everything a step can change, as one text.
    QString Effects() const {
        return QStringLiteral(
                   "banner '%1' up %2 down %3 joker %4 level %5 timers %6%7%8%9%10 log %11")
            .arg(target.bannerText)
            .arg(target.indicatorUp)
            .arg(target.indicatorDown)
            .arg(flash.JokerSlot)
            .arg(flash.FlashLevel)
            .arg(flash.IdleDelayTimer.isActive())
            .arg(flash.JokerTimer.isActive())
            .arg(flash.FlashTimer.isActive())
            .arg(flash.BlinkTimer.isActive())
            .arg(flash.IndicatorTimer.isActive())
            .arg(target.log.join(QStringLiteral(", ")));
    }

    FakeFlashTarget target;
    QStringList played;
    SoundPlayer sounds;
    TFlash flash;
};

struct TimerAndStep {
    const char* name;
    QTimer TFlash::*timer;
    void (TFlash::*step)();
};

// A timer's firing runs exactly its own step: nothing else checks that each of the five
// is connected, and to the right handler.
// With motion reduced every message, indicator and idle card still shows, but none of them
// blinks or walks: no timer is left running to change them.
TEST_F(FlashTest, ReducedMotionShowsEverythingSteady) {
    settings.ReducedMotion = true;
    flash.SetMessage(1, true);
    flash.SetIndicatorBlink(true);
    flash.StartIdleAnimation();
    flash.IdleDelayTimerTimer();

    EXPECT_EQ(target.bannerText, "INSERT COIN !");
    EXPECT_EQ(target.bannerColor, settings.MessageFlashColor);
    EXPECT_TRUE(target.indicatorUp && target.indicatorDown);
    EXPECT_FALSE(target.flashVisible);
    EXPECT_EQ(std::count(target.cards.begin() + 1, target.cards.end(), Face::Back), 4);
    EXPECT_EQ(target.cards[3], Face::Joker);
    for (const QTimer* timer : {&flash.IdleDelayTimer, &flash.JokerTimer, &flash.FlashTimer,
                                &flash.BlinkTimer, &flash.IndicatorTimer}) {
        EXPECT_FALSE(timer->isActive()) << timer->interval();
    }
}

// The desktop's own switches: GTK's and KDE's settings files under the configuration folder.
TEST(DesktopMotion, FollowsTheGtkAndKdeAnimationSwitches) {
    const auto prefers = [](const QString& file, const QByteArray& text) {
        QTemporaryDir home;
        QDir(home.path()).mkpath(QFileInfo(file).path());
        QFile f(home.filePath(file));
        f.open(QIODevice::WriteOnly);
        f.write(text);
        f.close();
        return DesktopPrefersReducedMotion(home.path());
    };
    EXPECT_FALSE(prefers("unrelated", ""));
    EXPECT_TRUE(prefers("gtk-3.0/settings.ini", "[Settings]\ngtk-enable-animations=false\n"));
    EXPECT_TRUE(prefers("gtk-4.0/settings.ini", "[Settings]\ngtk-enable-animations=0\n"));
    EXPECT_FALSE(prefers("gtk-3.0/settings.ini", "[Settings]\ngtk-enable-animations=true\n"));
    EXPECT_TRUE(prefers("kdeglobals", "[KDE]\nAnimationDurationFactor=0\n"));
    EXPECT_FALSE(prefers("kdeglobals", "[KDE]\nAnimationDurationFactor=0.5\n"));
}

TEST(FlashTimers, EachTimerWhenItFiresRunsItsOwnStepAndNoOther) {
    const TimerAndStep timers[] = {
        {"IdleDelayTimer", &TFlash::IdleDelayTimer, &TFlash::IdleDelayTimerTimer},
        {"JokerTimer", &TFlash::JokerTimer, &TFlash::JokerTimerTimer},
        {"FlashTimer", &TFlash::FlashTimer, &TFlash::FlashTimerTimer},
        {"BlinkTimer", &TFlash::BlinkTimer, &TFlash::BlinkTimerTimer},
        {"IndicatorTimer", &TFlash::IndicatorTimer, &TFlash::IndicatorTimerTimer},
    };
    QStringList effects;
    for (const TimerAndStep& t : timers) {
        FlashRig fired;
        FlashRig stepped;
        const QString before = fired.Effects();
        // The timeout signal is what the timer emits when its interval is up.
        ASSERT_TRUE(
            QMetaObject::invokeMethod(&(fired.flash.*t.timer), "timeout", Qt::DirectConnection))
            << t.name;
        (stepped.flash.*t.step)();
        EXPECT_EQ(fired.Effects(), stepped.Effects()) << t.name;
        EXPECT_NE(fired.Effects(), before) << t.name << " changed nothing";
        effects << fired.Effects();
    }
    // The five steps are told apart by what they do, so a swap of two would show.
    effects.removeDuplicates();
    EXPECT_EQ(effects.size(), 5);
}

}  // namespace
}  // namespace orvane
