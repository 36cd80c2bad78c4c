#include <gtest/gtest.h>

#include <QApplication>

#include "forms/FontSubstitutes.h"

// The dialogs on the offscreen platform, with the same stand-in faces the program uses,
// so that texts measure as they do on screen.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    orvane::InstallFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
