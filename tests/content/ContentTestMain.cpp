#include <gtest/gtest.h>

#include <QGuiApplication>

// Image decoders are plugins; a GUI application object makes Qt load them as the game does.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
