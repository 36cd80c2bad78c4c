#include "view/TFlash.h"

#include <utility>

#include "view/FlashTarget.h"
#include "view/SoundPlayer.h"
#include "view/SpongeEffect.h"

namespace orvane {

namespace {
constexpr int HandCards = 5;
constexpr int MiddleCard = 3;
constexpr int LastFlashLevel = -1;
}  // namespace

TFlash::TFlash(FlashTarget& flashTarget, FlashSettingsSource settingsSource,
               SoundPlayer& soundPlayer, QObject* parent)
    : QObject(parent),
      target_(flashTarget),
      settings_(std::move(settingsSource)),
      sounds_(soundPlayer) {
    const std::pair<QTimer*, int> timers[] = {{&IdleDelayTimer, 3000},
                                              {&JokerTimer, 2000},
                                              {&FlashTimer, 1000},
                                              {&BlinkTimer, 500},
                                              {&IndicatorTimer, 300}};
    for (const auto& [timer, interval] : timers) {
        timer->setInterval(interval);
        timer->setSingleShot(false);
        timer->stop();
    }
    connect(&IdleDelayTimer, &QTimer::timeout, this, &TFlash::IdleDelayTimerTimer);
    connect(&JokerTimer, &QTimer::timeout, this, &TFlash::JokerTimerTimer);
    connect(&FlashTimer, &QTimer::timeout, this, &TFlash::FlashTimerTimer);
    connect(&BlinkTimer, &QTimer::timeout, this, &TFlash::BlinkTimerTimer);
    connect(&IndicatorTimer, &QTimer::timeout, this, &TFlash::IndicatorTimerTimer);

    Messages[1] = QStringLiteral("INSERT COIN !");
    Messages[2] = QStringLiteral("HOLD AND DRAW CARDS");
    Messages[3] = QStringLiteral("WINNER");
    Messages[4] = QStringLiteral("CREDIT FULL - CASH OUT FIRST");
    Messages[5] = QStringLiteral("PRESS ANY KEY TO COLLECT ALL");
    Messages[6] = QStringLiteral("OUT OF SERVICE");
    Messages[7] = QStringLiteral("TAKE HALF OR COLLECT FIRST");
    Messages[8] = QStringLiteral("CANNOT SAVE - CHECK THE DISK");
}

TFlash::~TFlash() = default;

void TFlash::SetMessage(int index, bool blink) {
    BlinkTimer.stop();
    // An index outside the table shows the empty text rather than reading past it.
    const bool known = index >= 0 && index < static_cast<int>(Messages.size());
    CurrentMessage = known ? Messages[static_cast<std::size_t>(index)] : QString();
    const FlashSettings now = Now();
    bannerBlinks_ = blink;
    target_.StyleBanner(blink ? now.MessageFlashColor : now.MessageColor, blink);
    target_.SetBannerText(CurrentMessage);
    target_.AnnounceBanner(CurrentMessage);
    if (blink && !now.ReducedMotion) {
        BlinkTimer.start();
    }
}

FlashSettings TFlash::Now() const {
    return settings_ ? settings_() : FlashSettings{};
}

void TFlash::RestyleBanner() {
    const bool blink = BlinkTimer.isActive() || (bannerBlinks_ && Now().ReducedMotion);
    const FlashSettings now = Now();
    target_.StyleBanner(blink ? now.MessageFlashColor : now.MessageColor, blink);
}

void TFlash::StartIdleAnimation() {
    ++idleRun_;
    JokerSlot = 0;
    IdleDelayTimer.start();
}

void TFlash::StopIdleAnimation() {
    ++idleRun_;
    IdleDelayTimer.stop();
    JokerTimer.stop();
    target_.SetFlashPictureVisible(false);
    FlashTimer.stop();
}

void TFlash::SetIndicatorBlink(bool on) {
    indicatorBlinks_ = on;
    if (on && Now().ReducedMotion) {
        IndicatorTimer.stop();
        target_.SetIndicatorsVisible(true, true);
    } else if (on) {
        IndicatorTimer.start();
    } else {
        IndicatorTimer.stop();
    }
}

void TFlash::FollowMotionSetting() {
    const bool reduced = Now().ReducedMotion;
    if (bannerBlinks_ && reduced) {
        BlinkTimer.stop();
        target_.SetBannerText(CurrentMessage);
    } else if (bannerBlinks_ && !BlinkTimer.isActive()) {
        BlinkTimer.start();
    }
    if (indicatorBlinks_ && (reduced || !IndicatorTimer.isActive())) {
        SetIndicatorBlink(true);
    }
    if (reduced && JokerTimer.isActive()) {
        JokerTimer.stop();
    }
}

void TFlash::PlaySoundEffect(const QString& name) {
    const FlashSettings now = Now();
    if (!now.SoundEnabled) {
        return;
    }
    sounds_.Play(now.SoundThemeFolder + name + QStringLiteral(".zqs"));
}

void TFlash::IdleDelayTimerTimer() {
    IdleDelayTimer.stop();
    target_.HideHoldMarks();
    target_.ShowPayTable();
    target_.ClearPayHighlightAndStars();
    if (Now().ReducedMotion) {
        LayIdleCards();
        return;
    }
    FlashLevel = SpongeMaxStrength;
    FlashTimer.start();
}

void TFlash::FlashTimerTimer() {
    if (FlashLevel == SpongeMaxStrength) {
        target_.SetHandCardsVisible(false);
        target_.SetFlashEffectStrength(SpongeMaxStrength);
        target_.SetFlashPictureVisible(true);
    }
    // Counting down to -1; anything below is treated as the end too.
    if (FlashLevel > LastFlashLevel) {
        target_.SetFlashEffectStrength(FlashLevel);
        --FlashLevel;
        return;
    }
    target_.SetFlashPictureVisible(false);
    FlashTimer.stop();
    LayIdleCards();
}

void TFlash::LayIdleCards() {
    // The cards slide in one after another and events are processed during a slide: a deal
    // arriving meanwhile stops or restarts the animation, and then this walk must not start.
    const unsigned run = idleRun_;
    for (int slot = 1; slot <= HandCards; ++slot) {
        target_.ShowHandCardBack(slot);
        if (run != idleRun_) {
            return;
        }
    }
    if (Now().ReducedMotion) {
        target_.ShowHandCardJoker(MiddleCard);
        return;
    }
    JokerTimer.start();
}

void TFlash::JokerTimerTimer() {
    ++JokerSlot;
    if (JokerSlot > HandCards || JokerSlot < 1) {
        JokerSlot = 1;
    }
    target_.ShowHandCardBack(JokerSlot == 1 ? HandCards : JokerSlot - 1);
    target_.ShowHandCardJoker(JokerSlot);
}

void TFlash::BlinkTimerTimer() {
    target_.SetBannerText(target_.BannerText() == CurrentMessage ? QString() : CurrentMessage);
}

void TFlash::IndicatorTimerTimer() {
    const bool upShown = target_.IndicatorUpVisible();
    target_.SetIndicatorsVisible(!upShown, upShown);
}

}  // namespace orvane
