#pragma once

#include <QString>

namespace orvane {

// Whether the desktop asks programs to keep motion down. Qt 6.4 has no hint for it (neither
// QStyleHints nor the platform theme carries one on Linux), so the desktops' own settings
// files are read: GTK's "gtk-enable-animations" in gtk-3.0/ and gtk-4.0/settings.ini, and
// KDE's "AnimationDurationFactor" of 0 in kdeglobals, all under `configHome`
// ($XDG_CONFIG_HOME, else ~/.config). GNOME keeps its switch in dconf, which is not read.
bool DesktopPrefersReducedMotion(const QString& configHome);
// The same for the user's own configuration folder.
bool DesktopPrefersReducedMotion();

}  // namespace orvane
