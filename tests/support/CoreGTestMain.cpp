#include <QCoreApplication>
#include <gtest/gtest.h>

// The rules run under a QCoreApplication, as they would without any window:
// the controller's queued reports need Qt's event queue.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
