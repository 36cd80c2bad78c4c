#include "view/DesktopMotion.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace orvane {
namespace {

bool IsOff(const QString& value) {
    const QString v = value.trimmed().toLower();
    return v == QLatin1String("false") || v == QLatin1String("0") || v == QLatin1String("no");
}

bool GtkAnimationsOff(const QString& file) {
    if (!QFileInfo::exists(file)) {
        return false;
    }
    const QSettings ini(file, QSettings::IniFormat);
    const QVariant value = ini.value(QStringLiteral("Settings/gtk-enable-animations"));
    return value.isValid() && IsOff(value.toString());
}

bool KdeAnimationsOff(const QString& file) {
    if (!QFileInfo::exists(file)) {
        return false;
    }
    const QSettings ini(file, QSettings::IniFormat);
    bool number = false;
    const double factor =
        ini.value(QStringLiteral("KDE/AnimationDurationFactor")).toString().toDouble(&number);
    return number && factor <= 0.0;
}

}  // namespace

bool DesktopPrefersReducedMotion(const QString& configHome) {
    const QDir home(configHome);
    return GtkAnimationsOff(home.filePath(QStringLiteral("gtk-3.0/settings.ini"))) ||
           GtkAnimationsOff(home.filePath(QStringLiteral("gtk-4.0/settings.ini"))) ||
           KdeAnimationsOff(home.filePath(QStringLiteral("kdeglobals")));
}

bool DesktopPrefersReducedMotion() {
    return DesktopPrefersReducedMotion(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

}  // namespace orvane
