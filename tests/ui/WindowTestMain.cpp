#include <gtest/gtest.h>

#include <QLoggingCategory>

#include "app/TApplication.h"
#include "forms/FontSubstitutes.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    orvane::TApplication app(argc, argv);
    orvane::TApplication::setApplicationName(QStringLiteral("Orvane Cards"));
    orvane::InstallFontSubstitutes();
    // The tests take pictures, libraries and sounds away on purpose; their complaints are noise.
    QLoggingCategory::setFilterRules(QStringLiteral("orvane.*.warning=false"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
