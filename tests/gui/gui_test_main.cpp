#include <gtest/gtest.h>

#include <QApplication>

// The window tests need a QApplication alive for the whole run. Without a
// platform chosen by the caller they run off-screen, so no display is needed.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
