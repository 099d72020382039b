#include "AnimatedCourseView.h"
#include "BevelPanel.h"
#include "CourseTable.h"
#include "GameRecord.h"
#include "ImageList.h"
#include "MessageBox.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// The colours of the cells, written out here as the game's look defines them.
constexpr QRgb White = qRgb(0xFF, 0xFF, 0xFF);
constexpr QRgb Background = qRgb(0xFF, 0xEE, 0xEE);
constexpr QRgb BlockOuter = qRgb(0x00, 0x99, 0x99);
constexpr QRgb BlockInner = qRgb(0x2F, 0xFF, 0xFF);
constexpr QRgb RemarkOuter = qRgb(0xA7, 0xAA, 0x00), RemarkInner = qRgb(0xFF, 0xFF, 0x2F);
constexpr QRgb LuckyOuter = qRgb(0xFB, 0x68, 0x00), LuckyInner = qRgb(0xFF, 0x98, 0x6A);
constexpr QRgb StaminaOuter = qRgb(0xA0, 0x00, 0x00), StaminaInner = qRgb(0xFF, 0x40, 0x40);
constexpr QRgb ForwardOuter = qRgb(0x00, 0x00, 0xC9), ForwardInner = qRgb(0x7A, 0x7F, 0xFF);
constexpr QRgb BackOuter = qRgb(0x00, 0xBB, 0x00), BackInner = qRgb(0x1C, 0xFF, 0x1C);

// Heroine frames whose colours say which frame is drawn: frame i is a solid
// 30 x 50 figure at (10, 10) of its 50 x 70 cell, on the transparent black.
const QRgb FrameColours[] = {qRgb(0xFF, 0x00, 0xFF), qRgb(0x80, 0x00, 0x80), qRgb(0x00, 0xFF, 0x80),
                             qRgb(0x80, 0x40, 0x00), qRgb(0x40, 0x40, 0x80)};
constexpr int FigureLeft = 10, FigureTop = 10, FigureWidth = 30, FigureHeight = 50;

QImage syntheticHeroineSheet() {
    QImage sheet(200, 210, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    QPainter painter(&sheet);
    for (int i = 0; i < 5; ++i) {
        painter.fillRect((i % 4) * 50 + FigureLeft, (i / 4) * 70 + FigureTop, FigureWidth,
                         FigureHeight, QColor(FrameColours[i]));
    }
    return sheet;
}

// At rest the heroine stands at (15, 6); this pixel lies inside her figure.
constexpr int ProbeX = 15 + FigureLeft + 15, ProbeY = 6 + FigureTop + 25;

// Which heroine frame covers the probe; -1 when none does.
int frameShown(const QImage& frame) {
    for (int i = 0; i < 5; ++i) {
        if (frame.pixel(ProbeX, ProbeY) == FrameColours[i]) {
            return i;
        }
    }
    return -1;
}

std::string hex(QRgb rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", rgb & 0xFFFFFFu);
    return text;
}

::testing::AssertionResult pixelIs(const QImage& image, int x, int y, QRgb expected) {
    const QRgb actual = image.pixel(x, y);
    if (actual == expected) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << hex(actual)
                                         << ", expected " << hex(expected);
}

// Every pixel of `area` equal in both images, or the first one that differs.
::testing::AssertionResult sameArea(const QImage& a, const QImage& b, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                return ::testing::AssertionFailure()
                       << "first difference at (" << x << ", " << y << "): " << hex(a.pixel(x, y))
                       << " vs " << hex(b.pixel(x, y));
            }
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult sameImage(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return ::testing::AssertionFailure() << "sizes differ";
    }
    return sameArea(a, b, a.rect());
}

// What the view reported, in order: a square walked (with its step) or the end.
enum class Report { Square, End };
using Posted = std::pair<Report, int>;
const Posted step{Report::Square, +1};
const Posted StepBack{Report::Square, -1};
const Posted End{Report::End, 0};

// The animation timer's interval while it runs, 0 while it stands.
int animationInterval(const AnimatedCourseView& view) {
    return view.animationTimer().isActive() ? view.animationTimer().interval() : 0;
}

class CourseViewTest : public ::testing::Test {
protected:
    CourseViewTest() {
        course.buildCourse();
        heroines.loadSheet(syntheticHeroineSheet(), 5, ImageMask::BlackKey);
        fillDefaultRecord(record, &heroines);
        setMessageBoxHook([this](const QString& text) { boxes.push_back(text); });
        QObject::connect(&view, &AnimatedCourseView::squareWalked,
                         [this](int step) { posted.emplace_back(Report::Square, step); });
        QObject::connect(&view, &AnimatedCourseView::animationFinished,
                         [this] { posted.emplace_back(Report::End, 0); });
    }
    ~CourseViewTest() override { setMessageBoxHook(nullptr); }

    GameRecord recordOn(int square) const {
        GameRecord onSquare = record;
        onSquare.currentSquare = square;
        return onSquare;
    }

    // What a view shows at rest on `square` with heroine image `image`.
    QImage restPicture(int square, std::int32_t image = 1) {
        AnimatedCourseView fresh(course, 247, 110, &window);
        fresh.initialise();
        fresh.setUp(recordOn(square));
        fresh.showPose(image);
        return fresh.backBuffer().copy();
    }

    // The part of a field that holds whole cells, in the rows a view window can
    // reach: walks scroll only sideways, and a shift keeps just those rows.
    QRect gridArea() const {
        return QRect(view.gridLeft(), view.sourceRect().top(), view.fieldCols() * SquareWidth,
                     view.sourceRect().height());
    }

    QImage freshField(int square) {
        AnimatedCourseView fresh(course, 247, 110, &window);
        fresh.initialise();
        fresh.setUp(recordOn(square));
        return fresh.fieldBitmap().copy();
    }

    std::vector<Posted> takePosted() { return std::exchange(posted, {}); }

    // Runs `ticks` ticks and returns the frame shown after each.
    std::vector<int> framesOver(int ticks) {
        std::vector<int> frames;
        for (int i = 0; i < ticks; ++i) {
            view.animationTick();
            frames.push_back(frameShown(view.backBuffer()));
        }
        return frames;
    }

    QWidget window;
    CourseTable course;
    ImageList heroines{50, 70};
    GameRecord record;
    std::vector<QString> boxes;
    std::vector<Posted> posted;
    AnimatedCourseView view{course, 247, 110, &window};
};

// --- the course view at rest ------------------------------------------------

TEST_F(CourseViewTest, GeometryFollowsTheViewSizeAndTheHeroinesSize) {
    EXPECT_EQ(view.animation(), CourseAnimation::Idle);
    EXPECT_FALSE(view.isInitialised());
    EXPECT_FALSE(view.hasRecord());
    EXPECT_EQ(view.fieldWidth(), 248) << "before InitDisplay the field is one pixel over the view";
    EXPECT_EQ(view.fieldHeight(), 111);
    EXPECT_EQ(view.frameIndex(), 1);

    view.initialise();
    view.setUp(recordOn(1));
    EXPECT_TRUE(view.isInitialised());
    EXPECT_TRUE(view.hasRecord());
    EXPECT_EQ(view.fieldWidth(), 487);
    EXPECT_EQ(view.fieldHeight(), 270);
    EXPECT_EQ(view.sourceRect(), QRect(QPoint(120, 80), QPoint(366, 189)));
    EXPECT_EQ(view.gridLeft(), 10);
    EXPECT_EQ(view.gridTop(), 10);
    EXPECT_EQ(view.fieldCols(), 7);
    EXPECT_EQ(view.firstCol(), -1);
    EXPECT_EQ(view.firstRow(), -2);
    EXPECT_EQ(view.heroineX(), 15);
    EXPECT_EQ(view.heroineY(), 6);
    EXPECT_EQ(view.backBuffer().size(), QSize(247, 110));
    EXPECT_EQ(view.backBuffer().format(), QImage::Format_RGB32);
    EXPECT_EQ(view.fieldBitmap().format(), QImage::Format_RGB32);

    GameRecord small = recordOn(1);
    small.heroineWidth = 21;
    small.heroineHeight = 31;
    view.setUp(small);
    EXPECT_EQ(view.heroineX(), 29) << "(60 - 21) / 2 + 10, truncated";
    EXPECT_EQ(view.heroineY(), 45);
}

TEST_F(CourseViewTest, OnTheStartSquareSheStandsInTheStartBlocksRightColumn) {
    view.initialise();
    view.setUp(recordOn(1));
    const QImage& back = view.backBuffer();

    // Her square (view x 10..69): place 6, outlined on the right only.
    EXPECT_TRUE(pixelIs(back, 69, 70, BlockOuter));
    EXPECT_TRUE(pixelIs(back, 68, 70, BlockInner));
    EXPECT_TRUE(pixelIs(back, 10, 50, BlockInner)) << "no outline on the top or left";
    EXPECT_TRUE(pixelIs(back, 60, 89, BlockInner));
    // The row above (place 3): outlined on top and right.
    EXPECT_TRUE(pixelIs(back, 60, 10, BlockOuter));
    EXPECT_TRUE(pixelIs(back, 60, 11, BlockInner));
    EXPECT_TRUE(pixelIs(back, 69, 30, BlockOuter));
    // The row below (place 9): its bottom outline lies below the view.
    EXPECT_TRUE(pixelIs(back, 69, 100, BlockOuter));
    EXPECT_TRUE(pixelIs(back, 60, 109, BlockInner));
    // Square 0 shows its last ten pixels: places 2, 5, 8, no outline at their right.
    EXPECT_TRUE(pixelIs(back, 9, 70, BlockInner));
    EXPECT_TRUE(pixelIs(back, 0, 70, BlockInner));
    EXPECT_TRUE(pixelIs(back, 5, 10, BlockOuter));
    EXPECT_TRUE(pixelIs(back, 5, 100, BlockInner));
    // Row -1 above the table is background.
    EXPECT_TRUE(pixelIs(back, 5, 9, Background));
    EXPECT_TRUE(pixelIs(back, 60, 0, Background));
    // Square 2 is a remark square; its rows 0 and 2 are empty.
    EXPECT_TRUE(pixelIs(back, 70, 70, RemarkOuter));
    EXPECT_TRUE(pixelIs(back, 71, 51, RemarkOuter));
    EXPECT_TRUE(pixelIs(back, 72, 52, RemarkInner));
    EXPECT_TRUE(pixelIs(back, 127, 87, RemarkInner));
    EXPECT_TRUE(pixelIs(back, 128, 87, RemarkOuter));
    EXPECT_TRUE(pixelIs(back, 127, 88, RemarkOuter));
    EXPECT_TRUE(pixelIs(back, 100, 30, Background));
    EXPECT_TRUE(pixelIs(back, 100, 100, Background));
    // The view ends 57 pixels into square 4.
    EXPECT_TRUE(pixelIs(back, 246, 70, RemarkInner));
    // The heroine stands on her square in her rest image.
    EXPECT_EQ(frameShown(back), 1);

    // The field: grid column 0 is square -1, grid rows 0 and 1 are rows -2 and
    // -1, grid rows 5 and 6 are rows 3 and 4: all background.
    const QImage& field = view.fieldBitmap();
    for (int y : {10, 100, 249, 265}) {
        EXPECT_TRUE(pixelIs(field, 10, y, Background));
        EXPECT_TRUE(pixelIs(field, 69, y, Background));
    }
    for (int x : {70, 200, 429}) {
        EXPECT_TRUE(pixelIs(field, x, 10, Background));
        EXPECT_TRUE(pixelIs(field, x, 89, Background));
        EXPECT_TRUE(pixelIs(field, x, 210, Background));
        EXPECT_TRUE(pixelIs(field, x, 269, Background));
    }
    // Square 1, row 2 (place 9, grid row 4): right and bottom outline.
    EXPECT_TRUE(pixelIs(field, 189, 209, BlockOuter));
    EXPECT_TRUE(pixelIs(field, 150, 209, BlockOuter));
    EXPECT_TRUE(pixelIs(field, 150, 208, BlockInner));
    EXPECT_TRUE(pixelIs(field, 188, 208, BlockInner));
    // Outside the grid the field keeps initialise's white.
    EXPECT_TRUE(pixelIs(field, 5, 5, White));
}

TEST_F(CourseViewTest, EventSquaresShowTheirKindsColoursInATwoPixelFrame) {
    view.initialise();
    view.setUp(recordOn(6)); // squares 5 back, 6 lucky, 7 stamina, 8 back, 9 forward
    const QImage& back = view.backBuffer();

    // Her square, a lucky square, framed by exactly two pixels on every side;
    // the heroine covers the middle, so look beside her figure.
    EXPECT_TRUE(pixelIs(back, 10, 50, LuckyOuter));
    EXPECT_TRUE(pixelIs(back, 11, 51, LuckyOuter));
    EXPECT_TRUE(pixelIs(back, 12, 52, LuckyInner));
    EXPECT_TRUE(pixelIs(back, 67, 87, LuckyInner));
    EXPECT_TRUE(pixelIs(back, 68, 87, LuckyOuter));
    EXPECT_TRUE(pixelIs(back, 67, 88, LuckyOuter));
    EXPECT_TRUE(pixelIs(back, 69, 89, LuckyOuter));
    // The ten pixels of square 5 are the right end of a back cell: inner then frame.
    EXPECT_TRUE(pixelIs(back, 7, 70, BackInner));
    EXPECT_TRUE(pixelIs(back, 8, 70, BackOuter));
    EXPECT_TRUE(pixelIs(back, 9, 70, BackOuter));
    EXPECT_TRUE(pixelIs(back, 100, 70, StaminaInner));
    EXPECT_TRUE(pixelIs(back, 70, 70, StaminaOuter));
    EXPECT_TRUE(pixelIs(back, 160, 70, BackInner));
    EXPECT_TRUE(pixelIs(back, 220, 70, ForwardInner));
    EXPECT_TRUE(pixelIs(back, 190, 51, ForwardOuter));
    // Only the walking row is coloured between the blocks.
    for (int x : {5, 60, 100, 160, 220, 246}) {
        EXPECT_TRUE(pixelIs(back, x, 12, Background)) << "row 0 at x " << x;
        EXPECT_TRUE(pixelIs(back, x, 95, Background)) << "row 2 at x " << x;
    }
}

TEST_F(CourseViewTest, TheGoalBlockIsOutlinedOnItsLeftAndTheCourseEndsInBackground) {
    view.initialise();
    view.setUp(recordOn(101));
    const QImage& back = view.backBuffer();
    EXPECT_TRUE(pixelIs(back, 5, 70, BackInner)) << "square 100 goes back 9";
    EXPECT_TRUE(pixelIs(back, 10, 80, BlockOuter)) << "place 4: left outline";
    EXPECT_TRUE(pixelIs(back, 11, 80, BlockInner));
    EXPECT_TRUE(pixelIs(back, 69, 80, BlockInner)) << "no outline towards square 102";
    EXPECT_TRUE(pixelIs(back, 10, 30, BlockOuter)) << "place 1: left";
    EXPECT_TRUE(pixelIs(back, 60, 10, BlockOuter)) << "place 1: top";
    EXPECT_TRUE(pixelIs(back, 60, 11, BlockInner));
    EXPECT_TRUE(pixelIs(back, 100, 10, BlockOuter)) << "square 102, place 2: top";
    EXPECT_TRUE(pixelIs(back, 70, 30, BlockInner)) << "no outline between the block's columns";
    EXPECT_TRUE(pixelIs(back, 5, 30, Background)) << "row 0 of square 100 is empty";
    EXPECT_TRUE(pixelIs(back, 5, 9, Background));

    view.setUp(recordOn(105));
    EXPECT_TRUE(pixelIs(back, 129, 70, BlockInner)) << "square 106 has no right outline";
    EXPECT_TRUE(pixelIs(back, 129, 100, BlockInner));
    for (int y : {5, 30, 70, 100}) {
        EXPECT_TRUE(pixelIs(back, 130, y, Background)) << "square 107 is outside the course";
        EXPECT_TRUE(pixelIs(back, 246, y, Background));
    }
    const QImage& field = view.fieldBitmap();
    for (int y : {10, 130, 260}) {
        EXPECT_TRUE(pixelIs(field, 250, y, Background));
        EXPECT_TRUE(pixelIs(field, 429, y, Background));
    }
}

TEST_F(CourseViewTest, TheHeroineIsDrawnMaskedOverHerCell) {
    view.initialise();
    view.setUp(recordOn(1));
    const QImage& back = view.backBuffer();
    // Figure at (25, 16)..(54, 65); the rest of her 50 x 70 picture is transparent.
    EXPECT_TRUE(pixelIs(back, 25, 16, FrameColours[1]));
    EXPECT_TRUE(pixelIs(back, 54, 65, FrameColours[1]));
    EXPECT_TRUE(pixelIs(back, 24, 16, BlockInner)) << "left of the figure, inside her picture";
    EXPECT_TRUE(pixelIs(back, 55, 60, BlockInner));
    EXPECT_TRUE(pixelIs(back, 40, 66, BlockInner)) << "below the figure, at her feet";
    EXPECT_TRUE(pixelIs(back, 40, 8, Background)) << "above the figure, still inside her picture";
}

TEST_F(CourseViewTest, PosesDrawTheGivenImageAndNothingForImagesThatDoNotExist) {
    view.initialise();
    view.setUp(recordOn(1));
    const QImage empty = restPicture(1, -1);
    ASSERT_EQ(frameShown(empty), -1);

    view.showPose(3);
    EXPECT_EQ(frameShown(view.backBuffer()), 3);
    for (std::int32_t missing : {5, 99, -1, std::numeric_limits<std::int32_t>::min()}) {
        view.showPose(missing);
        EXPECT_TRUE(sameImage(view.backBuffer(), empty)) << "image " << missing;
    }

    GameRecord noImages = recordOn(1);
    noImages.heroineImages = nullptr;
    view.setUp(noImages);
    EXPECT_TRUE(sameImage(view.backBuffer(), empty));
    view.showPose(1);
    EXPECT_TRUE(sameImage(view.backBuffer(), empty));
}

TEST_F(CourseViewTest, SetMainDisplayTwiceGivesTheSamePicture) {
    view.initialise();
    view.setUp(recordOn(30));
    const QImage first = view.backBuffer().copy();
    view.setUp(recordOn(30));
    EXPECT_TRUE(sameImage(view.backBuffer(), first));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(CourseViewTest, SetMainDisplayBeforeInitDisplayIsRefusedAndChangesNothing) {
    view.freezeAtGameOver();
    const QImage before = view.backBuffer().copy();
    view.setUp(recordOn(1));
    EXPECT_EQ(boxes, std::vector<QString>{QStringLiteral(
                         "not Execute InitDisplay from CourseView::SetMainDisplay")});
    EXPECT_EQ(view.animation(), CourseAnimation::Idle) << "the state is reset before the check";
    EXPECT_FALSE(view.hasRecord());
    EXPECT_EQ(view.firstCol(), 0);
    EXPECT_TRUE(sameImage(view.backBuffer(), before));
}

TEST_F(CourseViewTest, DrawScrolledShowsTheFieldWindowMovedByTheOffset) {
    view.initialise();
    view.setUp(recordOn(20));
    const QImage& field = view.fieldBitmap();
    const auto window = [&](int left) { return field.copy(left, 80, 247, 110); };

    view.drawScrolled(Direction::Forward, 15);
    EXPECT_TRUE(sameImage(view.backBuffer(), window(135)));
    view.drawScrolled(Direction::Backward, 45);
    EXPECT_TRUE(sameImage(view.backBuffer(), window(75)));
    // No window goes past the spare cells, whatever the offset.
    view.drawScrolled(Direction::Forward, 100000);
    EXPECT_TRUE(sameImage(view.backBuffer(), window(240)));
    view.drawScrolled(Direction::Backward, std::numeric_limits<int>::max());
    EXPECT_TRUE(sameImage(view.backBuffer(), window(0)));
    view.drawScrolled(Direction::Forward, std::numeric_limits<int>::min());
    EXPECT_TRUE(sameImage(view.backBuffer(), window(0)));
}

TEST_F(CourseViewTest, ShiftingSquareBySquareMatchesAFreshPictureAlongTheWholeCourse) {
    view.initialise();
    view.setUp(recordOn(-1));
    for (int square = 0; square <= 108; ++square) {
        view.shiftField(Direction::Forward);
        ASSERT_EQ(view.firstCol(), square - 2);
        ASSERT_TRUE(sameArea(view.fieldBitmap(), freshField(square), gridArea()))
            << "forward onto square " << square;
        view.showPose(1);
        ASSERT_TRUE(sameImage(view.backBuffer(), restPicture(square))) << "square " << square;
    }
    for (int square = 107; square >= -1; --square) {
        view.shiftField(Direction::Backward);
        ASSERT_EQ(view.firstCol(), square - 2);
        ASSERT_TRUE(sameArea(view.fieldBitmap(), freshField(square), gridArea()))
            << "backward onto square " << square;
        view.showPose(4);
        ASSERT_TRUE(sameImage(view.backBuffer(), restPicture(square, 4))) << "square " << square;
    }
}

TEST_F(CourseViewTest, ShiftFieldLeavesTheRestPictureWithoutTheHeroineInTheBackBuffer) {
    view.initialise();
    view.setUp(recordOn(40));
    view.shiftField(Direction::Forward);
    EXPECT_TRUE(sameImage(view.backBuffer(), view.fieldBitmap().copy(view.sourceRect())));
    EXPECT_EQ(frameShown(view.backBuffer()), -1);
}

TEST_F(CourseViewTest, ThePanelAndThePaintBoxSitWhereTheMainWindowExpectsThem) {
    BevelPanel* panel = &view;
    EXPECT_EQ(panel->parentWidget(), &window);
    EXPECT_EQ(panel->size(), QSize(251, 114));
    EXPECT_EQ(panel->bevelOuter(), BevelPanel::Bevel::Lowered);
    EXPECT_EQ(panel->bevelInner(), BevelPanel::Bevel::None);
    EXPECT_EQ(panel->bevelWidth(), 2);
    EXPECT_FALSE(panel->isVisibleTo(&window));
    EXPECT_EQ(view.viewBox()->parentWidget(), panel);
    EXPECT_EQ(view.viewBox()->geometry(), QRect(2, 2, 247, 110));
    EXPECT_TRUE(view.viewBox()->isVisibleTo(panel));

    view.move(0, 125);
    view.show();
    EXPECT_EQ(panel->pos(), QPoint(0, 125));
    EXPECT_TRUE(panel->isVisibleTo(&window));
    view.hide();
    EXPECT_FALSE(panel->isVisibleTo(&window));
}

// Counts the paint events that reach one widget.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
    int paints = 0;
};

TEST_F(CourseViewTest, OnlyPosesAndFramesReachTheScreenAndARepaintShowsTheLastFrame) {
    window.resize(260, 320);
    window.show();
    view.move(0, 125);
    view.show();
    view.initialise();
    QApplication::processEvents();
    PaintCounter counter;
    view.viewBox()->installEventFilter(&counter);

    view.setUp(recordOn(12));
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 0) << "SetMainDisplay composes off-screen only";

    view.showPose(3);
    QApplication::processEvents();
    EXPECT_GE(counter.paints, 1);

    const QImage shown = view.viewBox()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(sameImage(shown, view.backBuffer()));
    view.viewBox()->removeEventFilter(&counter);
}

TEST(CourseViewLifetimeTest, TheViewGoesWithItsWindowAndTakesItsPaintBoxAlong) {
    CourseTable course;
    course.buildCourse();
    auto window = std::make_unique<QWidget>();
    QPointer<AnimatedCourseView> view = new AnimatedCourseView(course, 247, 110, window.get());
    view->initialise();
    window.reset();
    EXPECT_TRUE(view.isNull());

    QWidget other;
    { AnimatedCourseView local(course, 247, 110, &other); }
    EXPECT_TRUE(other.findChildren<QWidget*>().isEmpty()) << "the view takes its paint box along";
}

// --- the animations -----------------------------------------------------------

TEST_F(CourseViewTest, TheEntryDropsHerInInElevenTicksAndThenReportsItsEnd) {
    view.initialise();
    view.setUp(recordOn(1));
    const QImage rest = view.backBuffer().copy();
    view.startEntry();
    EXPECT_EQ(view.animation(), CourseAnimation::Entry);
    EXPECT_EQ(animationInterval(view), 20);
    EXPECT_EQ(view.entryX(), 0);
    EXPECT_EQ(view.entryY(), -70);

    for (int tick = 1; tick <= 10; ++tick) {
        view.animationTick();
        ASSERT_EQ(view.entryX(), tick) << "tick " << tick;
        ASSERT_EQ(view.entryY(), -70 + 7 * tick);
        ASSERT_TRUE(takePosted().empty());
        ASSERT_EQ(view.animation(), CourseAnimation::Entry);
        // Her figure's bottom-left corner, in the moving image, cut off above the view.
        const int figureX = tick + FigureLeft, figureBottom = -70 + 7 * tick + FigureTop + 49;
        if (figureBottom >= 0) {
            EXPECT_TRUE(pixelIs(view.backBuffer(), figureX, figureBottom, FrameColours[0]));
            EXPECT_FALSE(pixelIs(view.backBuffer(), figureX - 1, figureBottom, FrameColours[0]));
            EXPECT_FALSE(pixelIs(view.backBuffer(), figureX, figureBottom + 1, FrameColours[0]));
        }
    }
    view.animationTick();
    EXPECT_EQ(view.entryX(), 15);
    EXPECT_EQ(view.entryY(), 6);
    EXPECT_EQ(view.animation(), CourseAnimation::Idle);
    EXPECT_EQ(animationInterval(view), 0);
    EXPECT_EQ(takePosted(), std::vector<Posted>{End});
    EXPECT_TRUE(sameImage(view.backBuffer(), rest)) << "she stands in her rest image";

    view.animationTick();
    EXPECT_TRUE(takePosted().empty()) << "a stray tick after the end does nothing";
}

TEST_F(CourseViewTest, AnAbsurdHeroineSizeStillLetsTheEntryEnd) {
    GameRecord broken = recordOn(1);
    broken.heroineWidth = std::numeric_limits<std::int32_t>::min();
    broken.heroineHeight = std::numeric_limits<std::int32_t>::max();
    view.initialise();
    view.setUp(broken);
    view.startEntry();
    int ticks = 0;
    while (view.animation() == CourseAnimation::Entry && ticks < 100000) {
        view.animationTick();
        ++ticks;
    }
    EXPECT_EQ(view.animation(), CourseAnimation::Idle) << "after " << ticks << " ticks";
    EXPECT_EQ(takePosted(), std::vector<Posted>{End});
}

TEST_F(CourseViewTest, AWalkOfOneSquareTakesFourTicksAndReportsItsStepBeforeItsEnd) {
    // Counts below one walk one square too: the walk ends at the first square
    // that leaves at most one to go.
    for (std::int32_t squares : {1, 0, -7, std::numeric_limits<std::int32_t>::min()}) {
        SCOPED_TRACE(squares);
        view.initialise();
        view.setUp(recordOn(10));
        const QImage field = view.fieldBitmap().copy();
        view.startWalk(squares);
        EXPECT_EQ(view.animation(), CourseAnimation::Walk);
        EXPECT_EQ(animationInterval(view), 150);
        EXPECT_EQ(view.frameIndex(), 0);
        EXPECT_EQ(view.subStep(), 0);
        EXPECT_EQ(view.stepsLeft(), squares);

        for (int tick = 1; tick <= 3; ++tick) {
            view.animationTick();
            EXPECT_TRUE(takePosted().empty());
            EXPECT_EQ(view.subStep(), tick);
            // Below her feet the view shows the field moved on by a quarter square a tick.
            EXPECT_TRUE(sameImage(view.backBuffer().copy(0, 80, 247, 30),
                                  field.copy(120 + 15 * tick, 160, 247, 30)))
                << "tick " << tick;
        }
        view.animationTick();
        EXPECT_EQ(takePosted(), (std::vector<Posted>{step, End}));
        EXPECT_EQ(view.animation(), CourseAnimation::Idle);
        EXPECT_EQ(animationInterval(view), 0);
        EXPECT_EQ(view.subStep(), 0);
        EXPECT_EQ(view.firstCol(), 9);
        EXPECT_TRUE(sameImage(view.backBuffer(), restPicture(11)))
            << "she ends at rest on the next square";
        EXPECT_TRUE(boxes.empty());
    }
}

TEST_F(CourseViewTest, LongWalksShowTheCourseTickByTickWhereverTheFieldsRingHasTurned) {
    // The field turns as a ring of columns, so windows soon run over its seam
    // and are copied in two pieces. Below her feet every frame must still show
    // the course as a fresh field does, a quarter square on per tick.
    view.initialise();
    view.setUp(recordOn(2));
    view.startWalk(20);
    int origins = 0;
    for (int square = 2; square < 22; ++square) {
        const QImage fresh = freshField(square);
        for (int quarter = 1; quarter <= 4; ++quarter) {
            view.animationTick();
            const QImage expected = quarter < 4 ? fresh.copy(120 + 15 * quarter, 160, 247, 30)
                                                : freshField(square + 1).copy(120, 160, 247, 30);
            ASSERT_TRUE(sameImage(view.backBuffer().copy(0, 80, 247, 30), expected))
                << "forward from square " << square << ", quarter " << quarter << ", ring at "
                << view.fieldOrigin();
        }
        origins += view.fieldOrigin() != 0;
    }
    EXPECT_GT(origins, 0);
    takePosted();

    view.setUp(recordOn(60));
    view.backWalk(20);
    for (int square = 60; square > 40; --square) {
        const QImage fresh = freshField(square);
        for (int quarter = 1; quarter <= 4; ++quarter) {
            view.animationTick();
            const QImage expected = quarter < 4 ? fresh.copy(120 - 15 * quarter, 160, 247, 30)
                                                : freshField(square - 1).copy(120, 160, 247, 30);
            ASSERT_TRUE(sameImage(view.backBuffer().copy(0, 80, 247, 30), expected))
                << "back from square " << square << ", quarter " << quarter << ", ring at "
                << view.fieldOrigin();
        }
    }
    EXPECT_EQ(view.firstCol(), 40 - 2);
}

TEST_F(CourseViewTest, TheWalkCyclesItsFramesIndependentlyOfTheSquares) {
    view.initialise();
    view.setUp(recordOn(10));
    view.startWalk(2);
    EXPECT_EQ(framesOver(8), (std::vector<int>{0, 1, 2, 1, 0, 1, 2, 1}));
    EXPECT_EQ(takePosted(), (std::vector<Posted>{step, step, End}));
    EXPECT_EQ(view.stepsLeft(), 0);
}

TEST_F(CourseViewTest, TheWalkFurtherRunsItsEightFramesAtItsOwnInterval) {
    view.initialise();
    view.setUp(recordOn(24));
    view.forwardWalk(2);
    EXPECT_EQ(view.animation(), CourseAnimation::Forward);
    EXPECT_EQ(animationInterval(view), 100);
    std::vector<int> frames;
    std::vector<Posted> posted;
    for (int tick = 1; tick <= 8; ++tick) {
        view.animationTick();
        frames.push_back(frameShown(view.backBuffer()));
        for (const Posted& p : takePosted()) {
            posted.push_back(p);
            EXPECT_TRUE(tick == 4 || tick == 8) << "posted in tick " << tick;
        }
    }
    EXPECT_EQ(frames, (std::vector<int>{0, 0, 0, 1, 2, 2, 2, 1}));
    EXPECT_EQ(posted, (std::vector<Posted>{step, step, End}));
    EXPECT_EQ(view.firstCol(), 24);
}

TEST_F(CourseViewTest, GoingBackThreeSquaresAlternatesItsTwoFramesAndStepsBackThrice) {
    view.initialise();
    view.setUp(recordOn(14));
    const QImage field = view.fieldBitmap().copy();
    view.backWalk(3);
    EXPECT_EQ(view.animation(), CourseAnimation::Back);
    EXPECT_EQ(animationInterval(view), 200);

    view.animationTick();
    EXPECT_TRUE(sameImage(view.backBuffer().copy(0, 80, 247, 30), field.copy(105, 160, 247, 30)))
        << "the course moves right under her";
    EXPECT_EQ(frameShown(view.backBuffer()), 3);
    std::vector<int> frames = framesOver(11);
    frames.insert(frames.begin(), 3);
    EXPECT_EQ(frames, (std::vector<int>{3, 4, 3, 4, 3, 4, 3, 4, 3, 4, 3, 4}));
    EXPECT_EQ(takePosted(), (std::vector<Posted>{StepBack, StepBack, StepBack, End}));
    EXPECT_EQ(view.animation(), CourseAnimation::Idle);
    EXPECT_EQ(view.firstCol(), 9);
    EXPECT_TRUE(sameImage(view.backBuffer(), restPicture(11, 4)));
}

TEST_F(CourseViewTest, IntervalsComeFromTheRecordAndZeroDoesNotLeaveAWalkHanging) {
    GameRecord custom = recordOn(10);
    custom.walkInterval = 70;
    custom.forwardInterval = 30;
    custom.backInterval = 0;
    view.initialise();
    const std::vector<std::pair<std::function<void()>, int>> starts = {
        {[&] { view.startWalk(1); }, 70},
        {[&] { view.forwardWalk(1); }, 30},
        {[&] { view.backWalk(1); }, 1},
    };
    for (const auto& [start, interval] : starts) {
        view.setUp(custom);
        start();
        EXPECT_EQ(animationInterval(view), interval);
    }
}

TEST_F(CourseViewTest, OddFrameSequencesNeverReadOutsideTheRecord) {
    GameRecord odd = recordOn(10);
    view.initialise();

    odd.walkFrames.count = 0;
    odd.walkFrames.frames[0] = 2;
    view.setUp(odd);
    view.startWalk(1);
    EXPECT_EQ(framesOver(4), (std::vector<int>{2, 2, 2, 2})) << "always the first entry";

    // Places beyond the twenty entries show image 0.
    odd.walkFrames.count = 22;
    odd.walkFrames.frames.fill(3);
    view.setUp(odd);
    view.startWalk(6);
    const std::vector<int> frames = framesOver(24);
    EXPECT_EQ(frames[19], 3);
    EXPECT_EQ(frames[20], 0);
    EXPECT_EQ(frames[21], 0);
    EXPECT_EQ(frames[22], 3) << "then the sequence starts over";

    odd.walkFrames.count = std::numeric_limits<std::int32_t>::max();
    odd.walkFrames.frames.fill(99); // no such image: nothing is drawn
    view.setUp(odd);
    view.startWalk(1);
    EXPECT_EQ(framesOver(4), (std::vector<int>{-1, -1, -1, -1}));
    EXPECT_EQ(view.frameIndex(), 4);
    EXPECT_EQ(takePosted(),
              (std::vector<Posted>{step, End, step, step, step, step, step, step, End, step, End}));
}

TEST_F(CourseViewTest, AHugeWalkKeepsCountingDownSquareBySquare) {
    view.initialise();
    view.setUp(recordOn(10));
    view.startWalk(std::numeric_limits<std::int32_t>::max());
    framesOver(8);
    EXPECT_EQ(view.stepsLeft(), std::numeric_limits<std::int32_t>::max() - 2);
    EXPECT_EQ(view.animation(), CourseAnimation::Walk);
    EXPECT_EQ(takePosted(), (std::vector<Posted>{step, step}));
}

TEST_F(CourseViewTest, AWalkIsWithoutAHeroineWhenTheRecordHasNoImages) {
    GameRecord noImages = recordOn(10);
    noImages.heroineImages = nullptr;
    view.initialise();
    view.setUp(noImages);
    view.startEntry();
    for (int tick = 0; tick < 11; ++tick) {
        view.animationTick();
    }
    view.startWalk(1);
    EXPECT_EQ(framesOver(4), (std::vector<int>{-1, -1, -1, -1}));
    EXPECT_EQ(takePosted(), (std::vector<Posted>{End, step, End}));
}

// The four starts with their two refusal texts.
struct StartCase {
    const char* name;
    std::function<void(AnimatedCourseView&)> start;
    const char* busyText;
    const char* noRecordText;
};

const std::vector<StartCase>& startCases() {
    static const std::vector<StartCase> cases = {
        {"startEntry", [](AnimatedCourseView& v) { v.startEntry(); },
         "内部でエラーが発生しました。from EntryAnime",
         "Don't execute SetMainDisplay from MainDisplay::StartEntry"},
        {"startWalk", [](AnimatedCourseView& v) { v.startWalk(2); },
         "内部でエラーが発生しました。from WalkAnime",
         "Don't execute SetMainDisplay from StartWalk"},
        {"forwardWalk", [](AnimatedCourseView& v) { v.forwardWalk(2); },
         "内部でエラーが発生しました。from ForwardAnime",
         "Don't execute SetMainDisplay from ForwardWalk"},
        {"backWalk", [](AnimatedCourseView& v) { v.backWalk(2); },
         "内部でエラーが発生しました。from BackAnime",
         "Don't execute SetMainDisplay from BackWalk"},
    };
    return cases;
}

TEST_F(CourseViewTest, StartsBeforeAnySetMainDisplayAreRefusedAndStartNothing) {
    view.initialise();
    for (const StartCase& c : startCases()) {
        SCOPED_TRACE(c.name);
        boxes.clear();
        c.start(view);
        EXPECT_EQ(boxes, std::vector<QString>{QString::fromUtf8(c.noRecordText)});
        EXPECT_EQ(view.animation(), CourseAnimation::Idle);
        EXPECT_EQ(animationInterval(view), 0);
        view.animationTick();
        EXPECT_TRUE(takePosted().empty());
    }
}

TEST_F(CourseViewTest, AStartWhileAWalkRunsIsRefusedAndTheWalkGoesOnUndisturbed) {
    view.initialise();
    for (const StartCase& c : startCases()) {
        SCOPED_TRACE(c.name);
        view.setUp(recordOn(10));
        view.startWalk(2);
        view.animationTick();
        boxes.clear();
        c.start(view);
        EXPECT_EQ(boxes, std::vector<QString>{QString::fromUtf8(c.busyText)});
        EXPECT_EQ(view.animation(), CourseAnimation::Walk);
        EXPECT_EQ(animationInterval(view), 150);
        EXPECT_EQ(view.stepsLeft(), 2);
        EXPECT_EQ(view.subStep(), 1);
        EXPECT_EQ(framesOver(7), (std::vector<int>{1, 2, 1, 0, 1, 2, 1}));
        EXPECT_EQ(takePosted(), (std::vector<Posted>{step, step, End}));
    }
}

TEST_F(CourseViewTest, AFrozenViewRefusesStartsUntilTheNextSetMainDisplay) {
    view.initialise();
    view.setUp(recordOn(10));
    view.startWalk(3);
    framesOver(4);
    ASSERT_EQ(takePosted(), std::vector<Posted>{step});
    const QImage frozen = view.backBuffer().copy();

    view.freezeAtGameOver();
    EXPECT_EQ(animationInterval(view), 0);
    EXPECT_EQ(view.animation(), CourseAnimation::GameOver);
    view.animationTick();
    EXPECT_TRUE(takePosted().empty()) << "the rest of the walk is not walked and not ended";
    EXPECT_TRUE(sameImage(view.backBuffer(), frozen));

    for (const StartCase& c : startCases()) {
        boxes.clear();
        c.start(view);
        EXPECT_EQ(boxes, std::vector<QString>{QString::fromUtf8(c.busyText)}) << c.name;
        EXPECT_EQ(view.animation(), CourseAnimation::GameOver);
    }

    view.setUp(recordOn(11));
    boxes.clear();
    view.startWalk(1);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(view.animation(), CourseAnimation::Walk);
}

TEST_F(CourseViewTest, StopAnimeStopsTheTimerAndPostsNothing) {
    view.initialise();
    view.setUp(recordOn(10));
    view.startWalk(1);
    view.animationTick();
    view.stopAnimation();
    EXPECT_EQ(animationInterval(view), 0);
    EXPECT_TRUE(takePosted().empty());

    view.initialise();
    view.setUp(recordOn(1));
    view.startEntry();
    EXPECT_TRUE(boxes.empty()) << "a new game starts afresh";
    EXPECT_EQ(animationInterval(view), 20);
}

} // namespace
