#include "Artwork.h"
#include "DrumRandom.h"
#include "Fonts.h"
#include "GameMessageQueue.h"
#include "GameMessages.h"
#include "ImageList.h"
#include "SlotDrum.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <set>
#include <string>

namespace {

constexpr int H = SlotDrum::CellHeight;
constexpr int NumberLeft = SlotDrum::ArrowColumnWidth;

// True when `image` shows `frame` with its top-left at `at` (colours only).
bool Shows(const QImage& image, QPoint at, const QImage& frame) {
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            if ((image.pixel(at + QPoint(x, y)) ^ frame.pixel(x, y)) & RGB_MASK) {
                return false;
            }
        }
    }
    return true;
}

bool SameRows(const QImage& a, QRect from, const QImage& b, QPoint to) {
    return Shows(b, to, a.copy(from));
}

class SlotTest : public ::testing::Test {
protected:
    static constexpr std::uint32_t Seed = 20240607;

    SlotTest() {
        SeedRandom(Seed);
        window.setFont(GameFont(12));
        Artwork::LoadArrowImages(arrows);
        Artwork::LoadDigitImages(digits);
        FillDefaultRecord(record, nullptr);
    }

    // The drum as a game starts it, with `record` as the live record.
    void NewGame() {
        drum.ResetSlot();
        drum.SetSlot(record);
    }
    void Click() { drum.SlotButton()->click(); }
    // Ticks until the drum rests; returns how many ticks that took.
    int TicksToHalt() {
        int ticks = 0;
        while (drum.Spinning() && ticks < 1000) {
            drum.SpinTick();
            ++ticks;
        }
        return ticks;
    }
    // A whole spin: Start, one tick, Stop, and on to the halt.
    void Spin() {
        Click();
        drum.SpinTick();
        Click();
        TicksToHalt();
    }
    bool FaceIn(const QImage& image, QPoint at, std::int32_t number) {
        return Shows(image, at, digits.Frame(number - 1));
    }
    std::vector<GameMessageQueue::Message> Posted() {
        return {queue.Pending().begin(), queue.Pending().end()};
    }

    ::testing::ScopedTrace trace{__FILE__, __LINE__, "generator seed " + std::to_string(Seed)};
    QWidget window;
    ImageList arrows{22, 30};
    ImageList digits{28, 30};
    GameMessageQueue queue;
    GameRecord record;
    SlotDrum drum{&window, queue, arrows, digits};
};

} // namespace

bool operator==(const GameMessageQueue::Message& a, const GameMessageQueue::Message& b) {
    return a.Id == b.Id && a.WParam == b.WParam && a.LParam == b.LParam;
}
void PrintTo(const GameMessageQueue::Message& m, std::ostream* os) {
    *os << "(" << m.Id << ", " << m.WParam << ", " << m.LParam << ")";
}

namespace {

TEST_F(SlotTest, PanelsSitWhereTheMainWindowExpectsThem) {
    BevelPanel* outer = drum.OuterPanel();
    EXPECT_EQ(outer->parentWidget(), &window);
    EXPECT_EQ(outer->size(), QSize(125, 106));
    EXPECT_TRUE(outer->isHidden()) << "hidden until a game shows it";
    EXPECT_EQ(outer->BevelInner(), BevelPanel::Bevel::None);
    EXPECT_EQ(outer->BevelOuter(), BevelPanel::Bevel::Raised);
    EXPECT_EQ(outer->BevelWidth(), 1);
    BevelPanel* inner = drum.InnerPanel();
    EXPECT_EQ(inner->parentWidget(), outer);
    EXPECT_EQ(inner->geometry(), QRect(4, 4, 58, 98));
    EXPECT_EQ(inner->BevelInner(), BevelPanel::Bevel::Lowered);
    EXPECT_EQ(inner->BevelOuter(), BevelPanel::Bevel::Raised);
    EXPECT_EQ(inner->BevelWidth(), 2);
    EXPECT_EQ(drum.PaintBox()->parentWidget(), inner);
    EXPECT_EQ(drum.PaintBox()->geometry(), QRect(4, 4, 50, 90));
    EXPECT_EQ(drum.SlotButton()->parentWidget(), outer);
    EXPECT_EQ(drum.SlotButton()->geometry(), QRect(66, 28, 54, 50));
    EXPECT_EQ(drum.SlotButton()->font().family(), GameFontFamily);
    EXPECT_EQ(drum.SlotButton()->font().pixelSize(), 12);
    EXPECT_EQ(drum.SpinTimer().Interval(), 0);
    EXPECT_EQ(drum.NumberStrip().size(), QSize(50, 120));
    EXPECT_EQ(drum.ArrowStrip().size(), QSize(22, 120));

    drum.ShowSlot(120, 0);
    EXPECT_EQ(outer->pos(), QPoint(120, 0));
    EXPECT_FALSE(outer->isHidden());
    drum.HideSlot();
    EXPECT_TRUE(outer->isHidden());
}

TEST_F(SlotTest, EveryModeCodeSetsItsCaptionAndOthersChangeNothing) {
    const struct {
        std::int32_t code, mode;
        const char* caption;
    } modes[] = {{1, 10, "スタート"}, {10, 10, "スタート"}, {11, 11, "ストップ"},
                 {9, 9, ""},          {3, 3, "ＯＫ"},       {5, 5, "ラッキー"},
                 {6, 6, "体力上昇"},  {7, 7, "更に進む"},   {8, 8, "も、戻る"}};
    for (const auto& m : modes) {
        drum.SetButtonMode(m.code);
        EXPECT_EQ(drum.ButtonMode(), m.mode) << "code " << m.code;
        EXPECT_EQ(drum.SlotButton()->text(), QString::fromUtf8(m.caption)) << "code " << m.code;
    }
    drum.SetButtonMode(7);
    for (std::int32_t code : {0, 2, 4, 12, 14, -1, std::numeric_limits<std::int32_t>::max()}) {
        drum.SetButtonMode(code);
        EXPECT_EQ(drum.ButtonMode(), 7) << "code " << code;
        EXPECT_EQ(drum.SlotButton()->text(), QStringLiteral("更に進む")) << "code " << code;
    }
    drum.SetButtonIdle();
    EXPECT_EQ(drum.ButtonMode(), ButtonIdle);
}

TEST_F(SlotTest, SquareModesPostTheirKindOnceAndTheIdleButtonDoesNothing) {
    Click(); // before any mode is set
    drum.SetButtonIdle();
    Click();
    EXPECT_TRUE(queue.Empty());
    EXPECT_FALSE(drum.Spinning());
    for (std::int32_t kind : {3, 5, 6, 7, 8}) {
        drum.SetButtonMode(kind);
        Click();
        // A second click before the controller has the event posts nothing:
        // a double click must not take a stamina square or a walk twice.
        Click();
        EXPECT_EQ(drum.ButtonMode(), ButtonIdle);
        EXPECT_TRUE(drum.SlotButton()->text().isEmpty());
    }
    EXPECT_EQ(Posted(), (std::vector<GameMessageQueue::Message>{{WM_GAME_EVENT, 3, 0},
                                                                {WM_GAME_EVENT, 5, 0},
                                                                {WM_GAME_EVENT, 6, 0},
                                                                {WM_GAME_EVENT, 7, 0},
                                                                {WM_GAME_EVENT, 8, 0}}));
}

TEST_F(SlotTest, ADoubleClickOnAnEventCaptionHandsTheEventOverOnce) {
    drum.ShowSlot(120, 0);
    window.show();
    for (std::int32_t kind : {6, 7}) {
        queue.Clear();
        drum.SetButtonMode(kind);
        // What a double click delivers: press, release, double-click press, release.
        QPushButton* button = drum.SlotButton();
        QTest::mousePress(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton);
        QTest::mouseDClick(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton);
        EXPECT_EQ(Posted(), (std::vector<GameMessageQueue::Message>{{WM_GAME_EVENT, kind, 0}}));
    }
}

TEST_F(SlotTest, SpaceAndEnterPressTheFocusedButton) {
    NewGame();
    QTest::keyClick(drum.SlotButton(), Qt::Key_Space);
    EXPECT_TRUE(drum.Spinning());
    QTest::keyClick(drum.SlotButton(), Qt::Key_Return);
    EXPECT_TRUE(drum.StopRequest());
}

TEST_F(SlotTest, WithTheDefaultsTheFirstTickPassesNoBoundaryAndEveryLaterOneDoes) {
    NewGame();
    Click();
    EXPECT_EQ(drum.SpinTimer().Interval(), 10);
    EXPECT_EQ(drum.SlotButton()->text(), QStringLiteral("ストップ"));
    const auto before = drum.Numbers();
    drum.SpinTick();
    EXPECT_EQ(drum.ScrollOffset(), 0);
    EXPECT_EQ(drum.Numbers(), before);
    for (int tick = 0; tick < 3; ++tick) {
        const auto last = drum.Numbers();
        drum.SpinTick();
        EXPECT_EQ(drum.ScrollOffset(), 0);
        EXPECT_EQ((std::vector{drum.Numbers()[1], drum.Numbers()[2], drum.Numbers()[3]}),
                  (std::vector{last[0], last[1], last[2]}));
    }
    EXPECT_TRUE(queue.Empty());
}

TEST_F(SlotTest, AStopBeforeTheFirstTickHaltsOnTheSecondAndPostsTheArrowRow) {
    for (std::int32_t arrow : {0, 1, 2}) {
        record.ArrowPosition = arrow;
        NewGame();
        queue.Clear();
        Click();
        Click();
        EXPECT_EQ(drum.ButtonMode(), ButtonIdle);
        EXPECT_EQ(drum.SlotButton()->text(), QString());
        EXPECT_EQ(TicksToHalt(), 2) << "arrow " << arrow;
        EXPECT_EQ(drum.ScrollOffset(), 30);
        EXPECT_EQ(drum.SpinTimer().Interval(), 0);
        const std::int32_t result = drum.Numbers()[arrow + 1];
        EXPECT_EQ(Posted(),
                  (std::vector<GameMessageQueue::Message>{{WM_GAME_EVENT, SlotStop, result}}));
        // The picture agrees: the arrow and the reported digit share a row.
        EXPECT_TRUE(Shows(drum.DrumImage(), {0, arrow * H}, arrows.Frame(0)));
        EXPECT_TRUE(FaceIn(drum.DrumImage(), {NumberLeft, arrow * H}, result));
    }
}

TEST_F(SlotTest, WidthOneTurnsACellInThirtyTicksAndStopsOnlyAtTheBoundary) {
    record.RotationWidth = 1;
    record.TimerInterval = 1000;
    NewGame();
    Click();
    EXPECT_EQ(drum.SpinTimer().Interval(), 1000);
    const auto before = drum.Numbers();
    for (int tick = 1; tick <= 30; ++tick) {
        drum.SpinTick();
        EXPECT_EQ(drum.ScrollOffset(), 30 - tick);
    }
    EXPECT_EQ(drum.Numbers(), before);
    drum.SpinTick();
    EXPECT_EQ(drum.ScrollOffset(), 29);
    Click();
    EXPECT_EQ(TicksToHalt(), 30);
    EXPECT_EQ(queue.Size(), 1u);
}

TEST_F(SlotTest, EqualMinAndMaxPutThatNumberInEveryCell) {
    record.SlotMin = record.SlotMax = 4;
    drum.SetSlot(record);
    drum.ResetSlot();
    drum.SetSlot(record);
    Spin();
    for (int cell = 0; cell < 4; ++cell) {
        EXPECT_EQ(drum.Numbers()[cell], 4);
        EXPECT_TRUE(FaceIn(drum.NumberStrip(), {0, cell * H}, 4)) << "cell " << cell;
    }
    EXPECT_EQ(Posted().back().LParam, 4);
}

TEST_F(SlotTest, NewNumbersCoverTheRangeAndNothingElse) {
    record.SlotMin = 2;
    record.SlotMax = 5;
    NewGame();
    Click();
    std::set<std::int32_t> seen;
    for (int tick = 0; tick < 200; ++tick) {
        drum.SpinTick();
        seen.insert(drum.Numbers()[0]);
    }
    EXPECT_EQ(seen, (std::set<std::int32_t>{2, 3, 4, 5}));
}

TEST_F(SlotTest, ResetOrSetSlotDuringASpinHaltsSilentlyAndKeepsTheirMode) {
    NewGame();
    Click();
    drum.SpinTick();
    drum.ResetSlot();
    EXPECT_TRUE(drum.DiscardResult());
    TicksToHalt();
    EXPECT_TRUE(queue.Empty());
    EXPECT_FALSE(drum.DiscardResult());
    EXPECT_EQ(drum.ButtonMode(), ButtonIdle);

    record.RotationWidth = 10;
    drum.SetSlot(record);
    Click();
    drum.SpinTick();
    record.RotationWidth = 3; // read on every tick, also by an abandoned spin
    drum.SetSlot(record);
    drum.SpinTick();
    EXPECT_EQ(drum.ScrollOffset(), 17);
    TicksToHalt();
    EXPECT_TRUE(queue.Empty());
    EXPECT_EQ(drum.ButtonMode(), ButtonStart);

    Spin(); // the discard went with the silent halt
    EXPECT_EQ(queue.Size(), 1u);
}

TEST_F(SlotTest, StartingWhileAnAbandonedSpinRunsOnPostsTheNewResult) {
    NewGame();
    Click();
    drum.SpinTick();
    drum.SetSlot(record);
    Click();
    EXPECT_FALSE(drum.DiscardResult());
    EXPECT_FALSE(drum.StopRequest());
    for (int tick = 0; tick < 5; ++tick) {
        drum.SpinTick();
    }
    EXPECT_TRUE(drum.Spinning()) << "no stop was asked for this spin";
    Click();
    TicksToHalt();
    EXPECT_EQ(Posted(), (std::vector<GameMessageQueue::Message>{
                            {WM_GAME_EVENT, SlotStop, drum.Numbers()[1]}}));
}

TEST_F(SlotTest, StopSpinRestsAtOnceAndLeavesNothingBehind) {
    record.RotationWidth = 10;
    NewGame();
    Click();
    drum.SpinTick();
    drum.ResetSlot();
    drum.StopSpin();
    EXPECT_FALSE(drum.Spinning());
    EXPECT_FALSE(drum.StopRequest());
    EXPECT_FALSE(drum.DiscardResult());
    EXPECT_EQ(drum.ScrollOffset(), 30);
    EXPECT_TRUE(SameRows(drum.NumberStrip(), {0, H, 28, 3 * H}, drum.DrumImage(), {NumberLeft, 0}));
    drum.SpinTick(); // a late tick moves nothing at rest
    EXPECT_EQ(drum.ScrollOffset(), 30);
    drum.SetSlot(record);
    Spin();
    EXPECT_EQ(queue.Size(), 1u);
}

TEST_F(SlotTest, StripsHoldTheFacesOfTheNumbersAndTheArrowInItsRow) {
    for (int i = 0; i < digits.Count(); ++i) {
        for (int j = 0; j < i; ++j) {
            ASSERT_FALSE(Shows(digits.Frame(i), {0, 0}, digits.Frame(j))) << "faces must differ";
        }
    }
    for (std::int32_t arrow : {0, 1, 2}) {
        record.ArrowPosition = arrow;
        NewGame();
        for (int row = 0; row < 3; ++row) {
            const QImage& frame = arrows.Frame(row == arrow ? 0 : 1);
            EXPECT_TRUE(Shows(drum.ArrowStrip(), {0, row * H}, frame)) << arrow << "," << row;
            EXPECT_TRUE(Shows(drum.DrumImage(), {0, row * H}, frame)) << arrow << "," << row;
        }
        EXPECT_EQ(drum.DrumImage().pixel(0, arrow * H), arrows.Frame(0).pixel(0, 0));
    }
    for (int cell = 0; cell < 4; ++cell) {
        EXPECT_TRUE(FaceIn(drum.NumberStrip(), {0, cell * H}, drum.Numbers()[cell]));
    }
    for (int row = 0; row < 3; ++row) {
        EXPECT_TRUE(FaceIn(drum.DrumImage(), {NumberLeft, row * H}, drum.Numbers()[row + 1]));
    }
}

TEST_F(SlotTest, TicksShowTheStripAtTheOffsetAndMoveItDownWhole) {
    record.RotationWidth = 10;
    record.SlotMin = 1;
    record.SlotMax = 6;
    NewGame();
    Click();
    for (int tick = 0; tick < 12; ++tick) {
        drum.SpinTick();
        const int offset = drum.ScrollOffset();
        EXPECT_TRUE(
            SameRows(drum.NumberStrip(), {0, offset, 28, 3 * H}, drum.DrumImage(), {NumberLeft, 0}))
            << "tick " << tick;
        for (int cell = 0; cell < 4; ++cell) {
            EXPECT_TRUE(FaceIn(drum.NumberStrip(), {0, cell * H}, drum.Numbers()[cell]))
                << "tick " << tick << " cell " << cell;
        }
    }
}

TEST_F(SlotTest, AnExposeDuringASpinShowsTheRestPositionUntilTheNextTick) {
    record.RotationWidth = 10;
    window.resize(252, 304);
    window.show();
    NewGame();
    drum.ShowSlot(120, 0);
    QApplication::processEvents();
    Click();
    drum.SpinTick();
    QApplication::processEvents(); // our own repaint keeps the turned picture
    const QRect rest(0, H, 28, 3 * H);
    EXPECT_TRUE(
        SameRows(drum.NumberStrip(), {0, 20, 28, 3 * H}, drum.DrumImage(), {NumberLeft, 0}));
    const QImage exposed = drum.PaintBox()->grab().toImage();
    EXPECT_TRUE(SameRows(drum.NumberStrip(), rest, drum.DrumImage(), {NumberLeft, 0}));
    EXPECT_TRUE(SameRows(drum.NumberStrip(), rest, exposed, {NumberLeft, 0}));
    drum.SpinTick();
    EXPECT_TRUE(
        SameRows(drum.NumberStrip(), {0, 10, 28, 3 * H}, drum.DrumImage(), {NumberLeft, 0}));
}

TEST_F(SlotTest, OddRecordsKeepTheDrumTurningAndInsideItsPictures) {
    struct Case {
        std::int32_t width, interval, arrow, min, max;
    };
    const std::int32_t big = std::numeric_limits<std::int32_t>::max();
    for (const Case c : {Case{0, 0, 7, 7, 9}, Case{-5, -1, -3, 6, 1}, Case{1000, 10, 2, -big, big},
                         Case{big, big, big, 1, 6}, Case{-big - 1, 10, 0, -2, -2}}) {
        record.RotationWidth = c.width;
        record.TimerInterval = c.interval;
        record.ArrowPosition = c.arrow;
        record.SlotMin = c.min;
        record.SlotMax = c.max;
        drum.SetSlot(record);
        drum.ResetSlot();
        drum.SetSlot(record);
        queue.Clear();
        Click();
        EXPECT_TRUE(drum.Spinning()) << "width " << c.width;
        for (int tick = 0; tick < 40; ++tick) {
            drum.SpinTick();
            ASSERT_GE(drum.ScrollOffset(), 0);
            ASSERT_LE(drum.ScrollOffset(), 30);
        }
        Click();
        EXPECT_LE(TicksToHalt(), 30) << "width " << c.width;
        ASSERT_EQ(queue.Size(), 1u);
        const int row = std::clamp(c.arrow, 0, 2);
        EXPECT_EQ(queue.Pending().back().LParam, drum.Numbers()[row + 1]);
        EXPECT_TRUE(Shows(drum.DrumImage(), {0, row * H}, arrows.Frame(0)));
        for (std::int32_t n : drum.Numbers()) {
            EXPECT_GE(n, std::min(c.min, c.max));
            EXPECT_LE(n, std::max(c.min, c.max));
        }
    }
    // The last range has no faces at all: the number column is left blank.
    QImage blank(28, 3 * H, QImage::Format_RGB32);
    blank.fill(Qt::white);
    EXPECT_TRUE(Shows(drum.DrumImage(), {NumberLeft, 0}, blank));
}

} // namespace
