#pragma once

#include <QColor>
#include <QString>
#include <functional>

namespace orvane {

// The few settings the effects object reads, taken afresh at every use so a theme or sound
// change applies at once. The application fills it from TSettings.
struct FlashSettings {
    QColor MessageFlashColor{Qt::yellow};
    QColor MessageColor{Qt::yellow};
    bool SoundEnabled = true;
    // Folder of the current sound theme, ending in a separator ("Data/zqs1/").
    QString SoundThemeFolder;
    // Nothing blinks or walks: a blinking message stands steady in its blinking colours,
    // the indicators stand both lit, and the idle animation shows its cards without moving.
    bool ReducedMotion = false;
};

using FlashSettingsSource = std::function<FlashSettings()>;

}  // namespace orvane
