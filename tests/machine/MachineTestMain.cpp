#include <gtest/gtest.h>

#include <QCoreApplication>

// No display: the machine's policy runs on Qt Core alone.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
