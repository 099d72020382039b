#include "DrumRandom.h"
#include "GameMessageEvent.h"
#include "GameMessages.h"
#include "ImageList.h"
#include "IntervalTimer.h"
#include "TimeOfDay.h"

#include <QApplication>
#include <QPainter>
#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(PlatformTest, GameMessageNumbersAreReservedForUs) {
    EXPECT_TRUE(ReserveGameMessageTypes());
    EXPECT_NE(QEvent::registerEventType(), WM_GAME_EVENT);
}

// Records the game messages a window receives.
class Receiver : public QObject {
public:
    bool event(QEvent* e) override {
        if (int(e->type()) >= WM_GAME_EVENT && int(e->type()) <= WM_GAME_NEXT) {
            auto* m = static_cast<GameMessageEvent*>(e);
            got.push_back({int(e->type()), m->WParam, m->LParam});
            return true;
        }
        return QObject::event(e);
    }
    std::vector<std::vector<int>> got;
};

TEST(PlatformTest, PostedMessagesArriveLaterAndInOrder) {
    Receiver receiver;
    QtMessagePoster poster(&receiver);
    poster.PostGameMessage(WM_GAME_STEP, -1, 0);
    poster.PostGameMessage(WM_GAME_EVENT, AnimeEnd, 0);
    poster.PostGameMessage(WM_GAME_NEXT, 0, 0);
    EXPECT_TRUE(receiver.got.empty()) << "posted, never sent";
    QCoreApplication::sendPostedEvents(&receiver);
    EXPECT_EQ(receiver.got,
              (std::vector<std::vector<int>>{
                  {WM_GAME_STEP, -1, 0}, {WM_GAME_EVENT, 14, 0}, {WM_GAME_NEXT, 0, 0}}));
}

TEST(PlatformTest, IntervalZeroMeansStopped) {
    int ticks = 0;
    IntervalTimer timer([&] { ++ticks; });
    EXPECT_FALSE(timer.Running());
    timer.SetInterval(20);
    EXPECT_TRUE(timer.Running());
    EXPECT_EQ(timer.Interval(), 20);
    timer.SetInterval(0);
    EXPECT_FALSE(timer.Running());
    timer.SetInterval(-5);
    EXPECT_FALSE(timer.Running());
    EXPECT_EQ(ticks, 0);
}

TEST(PlatformTest, TimesOfDayAreWrittenHmmss) {
    EXPECT_EQ(FormatTimeOfDay(0.0), "0:00:00");
    EXPECT_EQ(FormatTimeOfDay((12 * 60 + 5) / 86400.0), "0:12:05");
    EXPECT_EQ(FormatTimeOfDay((13 * 3600 + 4 * 60 + 9) / 86400.0), "13:04:09");
    EXPECT_EQ(FormatTimeOfDay(-60 / 86400.0), "23:59:00") << "a game across midnight";
    EXPECT_EQ(FormatTimeOfDay(1.0 / 0.0), "0:00:00");
    const double now = LocalTimeOfDay().Now();
    EXPECT_GE(now, 0.0);
    EXPECT_LT(now, 1.0);
}

TEST(PlatformTest, SeededRandomIsRepeatable) {
    SeedRandom(7);
    const auto a = NextRandom();
    const auto b = NextRandom();
    SeedRandom(7);
    EXPECT_EQ(NextRandom(), a);
    EXPECT_EQ(NextRandom(), b);
    SeedRandomFromClockOnce(); // already seeded: keeps the sequence
    SeedRandom(7);
    EXPECT_EQ(NextRandom(), a);
}

TEST(PlatformTest, ImageListCutsFramesFourWideAndKeysOnBlack) {
    QImage sheet(40, 20, QImage::Format_RGB32);
    sheet.fill(qRgb(0, 0, 0));
    for (int i = 0; i < 5; ++i) {
        const int x = (i % 4) * 10, y = (i / 4) * 10;
        sheet.setPixel(x + 1, y + 1, qRgb(10 * (i + 1), 1, 1));
    }
    ImageList keyed(10, 10);
    keyed.LoadSheet(sheet, 5, ImageMask::BlackKey);
    ASSERT_EQ(keyed.Count(), 5);
    EXPECT_EQ(qRed(keyed.Frame(4).pixel(1, 1)), 50);
    const QImage mask = keyed.Mask(4);
    EXPECT_EQ(mask.pixelIndex(0, 0), 1) << "black is transparent";
    EXPECT_EQ(mask.pixelIndex(1, 1), 0);

    QImage target(10, 10, QImage::Format_RGB32);
    target.fill(qRgb(200, 100, 50));
    {
        QPainter painter(&target);
        keyed.Draw(painter, 0, 0, 0);
        keyed.Draw(painter, 0, 0, 99); // outside the list: nothing
    }
    EXPECT_EQ(target.pixel(0, 0), qRgb(200, 100, 50));
    EXPECT_EQ(target.pixel(1, 1), qRgb(10, 1, 1));

    ImageList opaque(10, 10);
    opaque.LoadSheet(sheet, 2, ImageMask::None);
    const QImage opaqueMask = opaque.Mask(0);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(opaqueMask.pixelIndex(x, y), 0);
}

} // namespace
