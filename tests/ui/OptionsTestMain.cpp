#include <gtest/gtest.h>

#include <QApplication>
#include <QLoggingCategory>

#include "forms/FatalError.h"
#include "forms/FontSubstitutes.h"

// The options dialog on the offscreen platform. An error box would wait for a click that
// never comes, so an error that a test does not expect fails the test instead.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane Cards"));
    orvane::InstallFontSubstitutes();
    QLoggingCategory::setFilterRules(QStringLiteral("orvane.*.warning=false"));
    orvane::SetFatalErrorReporter(
        [](const QString& text) { ADD_FAILURE() << "unexpected error: " << text.toStdString(); });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
