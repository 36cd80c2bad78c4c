#pragma once

#include <QString>

#include "MainControls.h"

class QWidget;

namespace orvane {

// Names a screen reader gives the main window's controls where their face does not say
// what they do, and the keys that do the same, as their descriptions.
void NameTableControls(const MainControls& c);

// A widget's accessible name, changed (and so told to assistive technology) only when the
// words differ, so that a value drawn again unchanged is not read out again.
void SetSpokenName(QWidget* widget, const QString& words);

// Says words through a widget: its accessible name becomes them and assistive technology
// hears of it, even when the same words come again (the same banner in the next round).
void AnnounceOn(QWidget* widget, const QString& words);

}  // namespace orvane
