#include <gtest/gtest.h>

#include <QLoggingCategory>
#include <QTemporaryDir>

#include "app/TApplication.h"
#include "forms/FontSubstitutes.h"

// The one-copy lock and the stop signals, on the offscreen platform. The user's folders
// are pointed at a scratch folder first, so that nothing here can reach the player's own
// settings or lock.
int main(int argc, char** argv) {
    QTemporaryDir home;
    if (!home.isValid()) {
        return 1;
    }
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    orvane::TApplication app(argc, argv);
    orvane::TApplication::setApplicationName(QStringLiteral("Orvane Cards"));
    orvane::TApplication::setOrganizationName(QStringLiteral("Tessaly Software"));
    orvane::InstallFontSubstitutes();
    QLoggingCategory::setFilterRules(
        QStringLiteral("orvane.*.warning=false\norvane.*.debug=false"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
