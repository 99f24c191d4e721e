#include <gtest/gtest.h>
#include <QApplication>

// Test programs that drive real widgets: one QApplication for all their tests, on the
// offscreen platform unless another one was chosen.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
