// The window tests share one application object, created before any test and destroyed after.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // Offscreen unless told otherwise, also when the tests are only being listed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
