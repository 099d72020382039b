#include "Artwork.h"
#include "DrumRandom.h"
#include "Fonts.h"
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
bool shows(const QImage& image, QPoint at, const QImage& frame) {
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            if ((image.pixel(at + QPoint(x, y)) ^ frame.pixel(x, y)) & RGB_MASK) {
                return false;
            }
        }
    }
    return true;
}

bool sameRows(const QImage& a, QRect from, const QImage& b, QPoint to) {
    return shows(b, to, a.copy(from));
}

// What the drum reported through its signals, in order.
struct Report {
    enum class Kind { Stopped, Confirmed };
    Kind kind;
    int value; // the number, or the confirmed square kind
    bool operator==(const Report&) const = default;
};
void PrintTo(const Report& r, std::ostream* os) {
    *os << (r.kind == Report::Kind::Stopped ? "stopped " : "confirmed ") << r.value;
}
Report stoppedOn(int number) {
    return {Report::Kind::Stopped, number};
}
Report confirmed(SquareKind kind) {
    return {Report::Kind::Confirmed, static_cast<int>(kind)};
}

// The reports a drum has made and nobody has taken yet.
class ReportList : public QObject {
public:
    explicit ReportList(SlotDrum& drum) {
        connect(&drum, &SlotDrum::stopped, this,
                [this](int n) { m_reports.push_back(stoppedOn(n)); });
        connect(&drum, &SlotDrum::eventConfirmed, this,
                [this](SquareKind kind) { m_reports.push_back(confirmed(kind)); });
    }
    bool empty() const { return m_reports.empty(); }
    std::size_t size() const { return m_reports.size(); }
    const std::vector<Report>& pending() const { return m_reports; }
    void clear() { m_reports.clear(); }

private:
    std::vector<Report> m_reports;
};

// The spin timer's interval while the drum turns, 0 at rest.
int spinInterval(const SlotDrum& drum) {
    return drum.spinTimer().isActive() ? drum.spinTimer().interval() : 0;
}

class SlotTest : public ::testing::Test {
protected:
    static constexpr std::uint32_t seed = 20240607;

    SlotTest() {
        seedRandom(seed);
        window.setFont(gameFont(12));
        Artwork::loadArrowImages(arrows);
        Artwork::loadDigitImages(digits);
        fillDefaultRecord(record, nullptr);
    }

    // The drum as a game starts it, with `record` as the live record.
    void newGame() {
        drum.reset();
        drum.setUp(record);
    }
    void click() { drum.slotButton()->click(); }
    // Ticks until the drum rests; returns how many ticks that took.
    int ticksToHalt() {
        int ticks = 0;
        while (drum.spinning() && ticks < 1000) {
            drum.spinTick();
            ++ticks;
        }
        return ticks;
    }
    // A whole spin: Start, one tick, Stop, and on to the halt.
    void spin() {
        click();
        drum.spinTick();
        click();
        ticksToHalt();
    }
    bool faceIn(const QImage& image, QPoint at, std::int32_t number) {
        return shows(image, at, digits.frame(number - 1));
    }
    std::vector<Report> Posted() { return queue.pending(); }

    ::testing::ScopedTrace trace{__FILE__, __LINE__, "generator seed " + std::to_string(seed)};
    QWidget window;
    ImageList arrows{22, 30};
    ImageList digits{28, 30};
    GameRecord record;
    SlotDrum drum{arrows, digits, &window};
    ReportList queue{drum};
};

} // namespace

namespace {

TEST_F(SlotTest, PanelsSitWhereTheMainWindowExpectsThem) {
    BevelPanel* outer = &drum;
    EXPECT_EQ(outer->parentWidget(), &window);
    EXPECT_EQ(outer->size(), QSize(125, 106));
    EXPECT_TRUE(outer->isHidden()) << "hidden until a game shows it";
    EXPECT_EQ(outer->bevelInner(), BevelPanel::Bevel::None);
    EXPECT_EQ(outer->bevelOuter(), BevelPanel::Bevel::Raised);
    EXPECT_EQ(outer->bevelWidth(), 1);
    BevelPanel* inner = drum.innerPanel();
    EXPECT_EQ(inner->parentWidget(), outer);
    EXPECT_EQ(inner->geometry(), QRect(4, 4, 58, 98));
    EXPECT_EQ(inner->bevelInner(), BevelPanel::Bevel::Lowered);
    EXPECT_EQ(inner->bevelOuter(), BevelPanel::Bevel::Raised);
    EXPECT_EQ(inner->bevelWidth(), 2);
    EXPECT_EQ(drum.paintBox()->parentWidget(), inner);
    EXPECT_EQ(drum.paintBox()->geometry(), QRect(4, 4, 50, 90));
    EXPECT_EQ(drum.slotButton()->parentWidget(), outer);
    EXPECT_EQ(drum.slotButton()->geometry(), QRect(66, 28, 54, 50));
    EXPECT_EQ(drum.slotButton()->font().family(), GameFontFamily);
    EXPECT_EQ(drum.slotButton()->font().pixelSize(), 12);
    EXPECT_EQ(spinInterval(drum), 0);
    EXPECT_EQ(drum.numberStrip().size(), QSize(50, 120));
    EXPECT_EQ(drum.arrowStrip().size(), QSize(22, 120));

    EXPECT_EQ(drum.buttonMode(), DrumButtonMode::Idle);
    EXPECT_TRUE(drum.slotButton()->text().isEmpty());
}

TEST_F(SlotTest, EveryOfferSetsItsCaptionAndKindsWithoutAnEventChangeNothing) {
    const struct {
        SquareKind kind;
        DrumButtonMode mode;
        const char* caption;
    } offers[] = {{SquareKind::Start, DrumButtonMode::Start, "スタート"},
                  {SquareKind::Remark, DrumButtonMode::ConfirmRemark, "ＯＫ"},
                  {SquareKind::Lucky, DrumButtonMode::ConfirmLucky, "ラッキー"},
                  {SquareKind::StaminaUp, DrumButtonMode::ConfirmStaminaUp, "体力上昇"},
                  {SquareKind::Forward, DrumButtonMode::ConfirmForward, "更に進む"},
                  {SquareKind::Back, DrumButtonMode::ConfirmBack, "も、戻る"}};
    for (const auto& offer : offers) {
        drum.offerEvent(offer.kind);
        EXPECT_EQ(drum.buttonMode(), offer.mode) << offer.caption;
        EXPECT_EQ(drum.slotButton()->text(), QString::fromUtf8(offer.caption));
    }
    drum.setButtonMode(DrumButtonMode::Stop);
    EXPECT_EQ(drum.slotButton()->text(), QStringLiteral("ストップ"));
    drum.offerEvent(SquareKind::Forward);
    for (SquareKind kind : {SquareKind::Empty, SquareKind::Goal}) {
        drum.offerEvent(kind);
        EXPECT_EQ(drum.buttonMode(), DrumButtonMode::ConfirmForward);
        EXPECT_EQ(drum.slotButton()->text(), QStringLiteral("更に進む"));
    }
    drum.setIdle();
    EXPECT_EQ(drum.buttonMode(), DrumButtonMode::Idle);
    EXPECT_TRUE(drum.slotButton()->text().isEmpty());
}

TEST_F(SlotTest, SquareModesPostTheirKindOnceAndTheIdleButtonDoesNothing) {
    click(); // before any mode is set
    drum.setIdle();
    click();
    EXPECT_TRUE(queue.empty());
    EXPECT_FALSE(drum.spinning());
    const SquareKind kinds[] = {SquareKind::Remark, SquareKind::Lucky, SquareKind::StaminaUp,
                                SquareKind::Forward, SquareKind::Back};
    for (SquareKind kind : kinds) {
        drum.offerEvent(kind);
        click();
        // A second click before the controller has the event posts nothing:
        // a double click must not take a stamina square or a walk twice.
        click();
        EXPECT_EQ(drum.buttonMode(), DrumButtonMode::Idle);
        EXPECT_TRUE(drum.slotButton()->text().isEmpty());
    }
    EXPECT_EQ(Posted(),
              (std::vector<Report>{confirmed(SquareKind::Remark), confirmed(SquareKind::Lucky),
                                   confirmed(SquareKind::StaminaUp), confirmed(SquareKind::Forward),
                                   confirmed(SquareKind::Back)}));
}

TEST_F(SlotTest, ADoubleClickOnAnEventCaptionHandsTheEventOverOnce) {
    drum.move(120, 0);
    drum.show();
    window.show();
    for (SquareKind kind : {SquareKind::StaminaUp, SquareKind::Forward}) {
        queue.clear();
        drum.offerEvent(kind);
        // What a double click delivers: press, release, double-click press, release.
        QPushButton* button = drum.slotButton();
        QTest::mousePress(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton);
        QTest::mouseDClick(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton);
        EXPECT_EQ(Posted(), (std::vector<Report>{confirmed(kind)}));
    }
}

TEST_F(SlotTest, SpaceAndEnterPressTheFocusedButton) {
    newGame();
    QTest::keyClick(drum.slotButton(), Qt::Key_Space);
    EXPECT_TRUE(drum.spinning());
    QTest::keyClick(drum.slotButton(), Qt::Key_Return);
    EXPECT_TRUE(drum.stopRequest());
}

TEST_F(SlotTest, WithTheDefaultsTheFirstTickPassesNoBoundaryAndEveryLaterOneDoes) {
    newGame();
    click();
    EXPECT_EQ(spinInterval(drum), 10);
    EXPECT_EQ(drum.slotButton()->text(), QStringLiteral("ストップ"));
    const auto before = drum.numbers();
    drum.spinTick();
    EXPECT_EQ(drum.scrollOffset(), 0);
    EXPECT_EQ(drum.numbers(), before);
    for (int tick = 0; tick < 3; ++tick) {
        const auto last = drum.numbers();
        drum.spinTick();
        EXPECT_EQ(drum.scrollOffset(), 0);
        EXPECT_EQ((std::vector{drum.numbers()[1], drum.numbers()[2], drum.numbers()[3]}),
                  (std::vector{last[0], last[1], last[2]}));
    }
    EXPECT_TRUE(queue.empty());
}

TEST_F(SlotTest, AStopBeforeTheFirstTickHaltsOnTheSecondAndPostsTheArrowRow) {
    for (std::int32_t arrow : {0, 1, 2}) {
        record.arrowRow = arrow;
        newGame();
        queue.clear();
        click();
        click();
        EXPECT_EQ(drum.buttonMode(), DrumButtonMode::Idle);
        EXPECT_EQ(drum.slotButton()->text(), QString());
        EXPECT_EQ(ticksToHalt(), 2) << "arrow " << arrow;
        EXPECT_EQ(drum.scrollOffset(), 30);
        EXPECT_EQ(spinInterval(drum), 0);
        const std::int32_t result = drum.numbers()[arrow + 1];
        EXPECT_EQ(Posted(), (std::vector<Report>{stoppedOn(result)}));
        // The picture agrees: the arrow and the reported digit share a row.
        EXPECT_TRUE(shows(drum.drumImage(), {0, arrow * H}, arrows.frame(0)));
        EXPECT_TRUE(faceIn(drum.drumImage(), {NumberLeft, arrow * H}, result));
    }
}

TEST_F(SlotTest, WidthOneTurnsACellInThirtyTicksAndStopsOnlyAtTheBoundary) {
    record.rotationWidth = 1;
    record.spinInterval = 1000;
    newGame();
    click();
    EXPECT_EQ(spinInterval(drum), 1000);
    const auto before = drum.numbers();
    for (int tick = 1; tick <= 30; ++tick) {
        drum.spinTick();
        EXPECT_EQ(drum.scrollOffset(), 30 - tick);
    }
    EXPECT_EQ(drum.numbers(), before);
    drum.spinTick();
    EXPECT_EQ(drum.scrollOffset(), 29);
    click();
    EXPECT_EQ(ticksToHalt(), 30);
    EXPECT_EQ(queue.size(), 1u);
}

TEST_F(SlotTest, EqualMinAndMaxPutThatNumberInEveryCell) {
    record.drumMin = record.drumMax = 4;
    drum.setUp(record);
    drum.reset();
    drum.setUp(record);
    spin();
    for (int cell = 0; cell < 4; ++cell) {
        EXPECT_EQ(drum.numbers()[cell], 4);
        EXPECT_TRUE(faceIn(drum.numberStrip(), {0, cell * H}, 4)) << "cell " << cell;
    }
    EXPECT_EQ(Posted().back().value, 4);
}

TEST_F(SlotTest, NewNumbersCoverTheRangeAndNothingElse) {
    record.drumMin = 2;
    record.drumMax = 5;
    newGame();
    click();
    std::set<std::int32_t> seen;
    for (int tick = 0; tick < 200; ++tick) {
        drum.spinTick();
        seen.insert(drum.numbers()[0]);
    }
    EXPECT_EQ(seen, (std::set<std::int32_t>{2, 3, 4, 5}));
}

TEST_F(SlotTest, ResetOrSetSlotDuringASpinHaltsSilentlyAndKeepsTheirMode) {
    newGame();
    click();
    drum.spinTick();
    drum.reset();
    EXPECT_TRUE(drum.discardResult());
    ticksToHalt();
    EXPECT_TRUE(queue.empty());
    EXPECT_FALSE(drum.discardResult());
    EXPECT_EQ(drum.buttonMode(), DrumButtonMode::Idle);

    record.rotationWidth = 10;
    drum.setUp(record);
    click();
    drum.spinTick();
    record.rotationWidth = 3; // read on every tick, also by an abandoned spin
    drum.setUp(record);
    drum.spinTick();
    EXPECT_EQ(drum.scrollOffset(), 17);
    ticksToHalt();
    EXPECT_TRUE(queue.empty());
    EXPECT_EQ(drum.buttonMode(), DrumButtonMode::Start);

    spin(); // the discard went with the silent halt
    EXPECT_EQ(queue.size(), 1u);
}

TEST_F(SlotTest, StartingWhileAnAbandonedSpinRunsOnPostsTheNewResult) {
    newGame();
    click();
    drum.spinTick();
    drum.setUp(record);
    click();
    EXPECT_FALSE(drum.discardResult());
    EXPECT_FALSE(drum.stopRequest());
    for (int tick = 0; tick < 5; ++tick) {
        drum.spinTick();
    }
    EXPECT_TRUE(drum.spinning()) << "no stop was asked for this spin";
    click();
    ticksToHalt();
    EXPECT_EQ(Posted(), (std::vector<Report>{stoppedOn(drum.numbers()[1])}));
}

TEST_F(SlotTest, StopSpinRestsAtOnceAndLeavesNothingBehind) {
    record.rotationWidth = 10;
    newGame();
    click();
    drum.spinTick();
    drum.reset();
    drum.stopSpin();
    EXPECT_FALSE(drum.spinning());
    EXPECT_FALSE(drum.stopRequest());
    EXPECT_FALSE(drum.discardResult());
    EXPECT_EQ(drum.scrollOffset(), 30);
    EXPECT_TRUE(sameRows(drum.numberStrip(), {0, H, 28, 3 * H}, drum.drumImage(), {NumberLeft, 0}));
    drum.spinTick(); // a late tick moves nothing at rest
    EXPECT_EQ(drum.scrollOffset(), 30);
    drum.setUp(record);
    spin();
    EXPECT_EQ(queue.size(), 1u);
}

TEST_F(SlotTest, StripsHoldTheFacesOfTheNumbersAndTheArrowInItsRow) {
    for (int i = 0; i < digits.count(); ++i) {
        for (int j = 0; j < i; ++j) {
            ASSERT_FALSE(shows(digits.frame(i), {0, 0}, digits.frame(j))) << "faces must differ";
        }
    }
    for (std::int32_t arrow : {0, 1, 2}) {
        record.arrowRow = arrow;
        newGame();
        for (int row = 0; row < 3; ++row) {
            const QImage& frame = arrows.frame(row == arrow ? 0 : 1);
            EXPECT_TRUE(shows(drum.arrowStrip(), {0, row * H}, frame)) << arrow << "," << row;
            EXPECT_TRUE(shows(drum.drumImage(), {0, row * H}, frame)) << arrow << "," << row;
        }
        EXPECT_EQ(drum.drumImage().pixel(0, arrow * H), arrows.frame(0).pixel(0, 0));
    }
    for (int cell = 0; cell < 4; ++cell) {
        EXPECT_TRUE(faceIn(drum.numberStrip(), {0, cell * H}, drum.numbers()[cell]));
    }
    for (int row = 0; row < 3; ++row) {
        EXPECT_TRUE(faceIn(drum.drumImage(), {NumberLeft, row * H}, drum.numbers()[row + 1]));
    }
}

TEST_F(SlotTest, TicksShowTheStripAtTheOffsetAndMoveItDownWhole) {
    record.rotationWidth = 10;
    record.drumMin = 1;
    record.drumMax = 6;
    newGame();
    click();
    for (int tick = 0; tick < 12; ++tick) {
        drum.spinTick();
        const int offset = drum.scrollOffset();
        EXPECT_TRUE(
            sameRows(drum.numberStrip(), {0, offset, 28, 3 * H}, drum.drumImage(), {NumberLeft, 0}))
            << "tick " << tick;
        for (int cell = 0; cell < 4; ++cell) {
            EXPECT_TRUE(faceIn(drum.numberStrip(), {0, cell * H}, drum.numbers()[cell]))
                << "tick " << tick << " cell " << cell;
        }
    }
}

TEST_F(SlotTest, AnExposeDuringASpinShowsTheRestPositionUntilTheNextTick) {
    record.rotationWidth = 10;
    window.resize(252, 304);
    window.show();
    newGame();
    drum.move(120, 0);
    drum.show();
    QApplication::processEvents();
    click();
    drum.spinTick();
    QApplication::processEvents(); // our own repaint keeps the turned picture
    const QRect rest(0, H, 28, 3 * H);
    EXPECT_TRUE(
        sameRows(drum.numberStrip(), {0, 20, 28, 3 * H}, drum.drumImage(), {NumberLeft, 0}));
    const QImage exposed = drum.paintBox()->grab().toImage();
    EXPECT_TRUE(sameRows(drum.numberStrip(), rest, drum.drumImage(), {NumberLeft, 0}));
    EXPECT_TRUE(sameRows(drum.numberStrip(), rest, exposed, {NumberLeft, 0}));
    drum.spinTick();
    EXPECT_TRUE(
        sameRows(drum.numberStrip(), {0, 10, 28, 3 * H}, drum.drumImage(), {NumberLeft, 0}));
}

TEST_F(SlotTest, OddRecordsKeepTheDrumTurningAndInsideItsPictures) {
    struct Case {
        std::int32_t width, interval, arrow, min, max;
    };
    const std::int32_t big = std::numeric_limits<std::int32_t>::max();
    for (const Case c : {Case{0, 0, 7, 7, 9}, Case{-5, -1, -3, 6, 1}, Case{1000, 10, 2, -big, big},
                         Case{big, big, big, 1, 6}, Case{-big - 1, 10, 0, -2, -2}}) {
        record.rotationWidth = c.width;
        record.spinInterval = c.interval;
        record.arrowRow = c.arrow;
        record.drumMin = c.min;
        record.drumMax = c.max;
        drum.setUp(record);
        drum.reset();
        drum.setUp(record);
        queue.clear();
        click();
        EXPECT_TRUE(drum.spinning()) << "width " << c.width;
        for (int tick = 0; tick < 40; ++tick) {
            drum.spinTick();
            ASSERT_GE(drum.scrollOffset(), 0);
            ASSERT_LE(drum.scrollOffset(), 30);
        }
        click();
        EXPECT_LE(ticksToHalt(), 30) << "width " << c.width;
        ASSERT_EQ(queue.size(), 1u);
        const int row = std::clamp(c.arrow, 0, 2);
        EXPECT_EQ(queue.pending().back().value, drum.numbers()[row + 1]);
        EXPECT_TRUE(shows(drum.drumImage(), {0, row * H}, arrows.frame(0)));
        for (std::int32_t n : drum.numbers()) {
            EXPECT_GE(n, std::min(c.min, c.max));
            EXPECT_LE(n, std::max(c.min, c.max));
        }
    }
    // The last range has no faces at all: the number column is left blank.
    QImage blank(28, 3 * H, QImage::Format_RGB32);
    blank.fill(Qt::white);
    EXPECT_TRUE(shows(drum.drumImage(), {NumberLeft, 0}, blank));
}

} // namespace
