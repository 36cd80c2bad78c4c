#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <array>

#include "view/FlashSettings.h"

namespace orvane {

class FlashTarget;
class SoundPlayer;

// The effects object of the main window: the message banner, the idle animation (a wait, the
// banner picture going from blotched to sharp, then a joker walking across face-down cards),
// the double-up indicator blinking and sound playing. It makes no game decisions.
//
// The timer handlers are public so a test can step the animation without waiting.
class TFlash : public QObject {
    Q_OBJECT

  public:
    // target and sounds must outlive the object.
    TFlash(FlashTarget& target, FlashSettingsSource settings, SoundPlayer& sounds,
           QObject* parent = nullptr);
    ~TFlash() override;

    QTimer IdleDelayTimer;  // 3000 ms
    QTimer JokerTimer;      // 2000 ms
    QTimer FlashTimer;      // 1000 ms
    QTimer BlinkTimer;      // 500 ms
    QTimer IndicatorTimer;  // 300 ms
    int JokerSlot = 0;
    int FlashLevel = 0;
    std::array<QString, 10> Messages;
    QString CurrentMessage;

    // index 0..8: "", "INSERT COIN !", "HOLD AND DRAW CARDS", "WINNER", the two the
    // collection of a win needs (the credit is full, how to collect all at once),
    // "OUT OF SERVICE", the win that doubled would not fit, and the records cannot be saved.
    void SetMessage(int index, bool blink);
    // The banner as it stands (text, blinking) in the colours of the theme now in force.
    void RestyleBanner();
    void StartIdleAnimation();
    void StopIdleAnimation();
    void SetIndicatorBlink(bool on);
    // Brings what blinks or walks now in line with the reduced-motion setting, after the
    // player changed it: stops it and shows it steady, or lets it move again.
    void FollowMotionSetting();
    // Plays SoundThemeFolder + name + ".zqs" when sound is on.
    void PlaySoundEffect(const QString& name);

    void IdleDelayTimerTimer();
    void FlashTimerTimer();
    void JokerTimerTimer();
    void BlinkTimerTimer();
    void IndicatorTimerTimer();

  private:
    FlashSettings Now() const;
    // The end of the idle animation's picture: the hand shows its backs, and the joker walks
    // across them (or, with motion reduced, stands on the middle card).
    void LayIdleCards();

    FlashTarget& target_;
    FlashSettingsSource settings_;
    SoundPlayer& sounds_;
    // Counts starts and stops, so a handler that processed events can tell it was overtaken.
    unsigned idleRun_ = 0;
    // What the table asked to blink, whether or not it does.
    bool bannerBlinks_ = false;
    bool indicatorBlinks_ = false;
};

}  // namespace orvane
