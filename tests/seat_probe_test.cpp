// The seat check before Qt starts, against whatever compositor the run gives
// it: IPPON_EXPECT_SEAT says whether that one has a seat (1), has none (0), or
// is not there at all (unset).
#include "SeatlessWayland.h"

#include <QByteArray>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

bool expectSeat() {
    return qgetenv("IPPON_EXPECT_SEAT") != "0";
}

class SeatProbeTest : public ::testing::Test {
protected:
    void SetUp() override {
        qunsetenv("QT_IM_MODULE");
        qunsetenv("QT_QPA_PLATFORM");
    }
};

} // namespace

TEST_F(SeatProbeTest, TheCompositorsSeatIsSeen) {
    EXPECT_EQ(waylandCompositorHasSeat(), expectSeat());
}

TEST_F(SeatProbeTest, TheComposeInputMethodOnlyWhereThereIsNoSeat) {
    chooseInputMethodWithoutSeat();
    EXPECT_EQ(qgetenv("QT_IM_MODULE"), expectSeat() ? QByteArray() : QByteArray("compose"));
}

TEST_F(SeatProbeTest, AnInputMethodTheUserChoseIsKept) {
    qputenv("QT_IM_MODULE", "ibus");
    chooseInputMethodWithoutSeat();
    EXPECT_EQ(qgetenv("QT_IM_MODULE"), QByteArray("ibus"));
}

TEST_F(SeatProbeTest, AnotherPlatformLeavesTheInputMethodAlone) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    chooseInputMethodWithoutSeat();
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_IM_MODULE"));
}
