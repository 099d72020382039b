#include "BevelPanel.h"
#include "CourseTable.h"
#include "GameMessageQueue.h"
#include "GameMessages.h"
#include "GameRecord.h"
#include "ImageList.h"
#include "AnimatedCourseView.h"
#include "MessageBox.h"

#include <QApplication>
#include <QPainter>
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

QImage SyntheticHeroineSheet() {
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
int FrameShown(const QImage& frame) {
    for (int i = 0; i < 5; ++i) {
        if (frame.pixel(ProbeX, ProbeY) == FrameColours[i]) {
            return i;
        }
    }
    return -1;
}

std::string Hex(QRgb rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", rgb & 0xFFFFFFu);
    return text;
}

::testing::AssertionResult PixelIs(const QImage& image, int x, int y, QRgb expected) {
    const QRgb actual = image.pixel(x, y);
    if (actual == expected) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << Hex(actual)
                                         << ", expected " << Hex(expected);
}

// Every pixel of `area` equal in both images, or the first one that differs.
::testing::AssertionResult SameArea(const QImage& a, const QImage& b, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                return ::testing::AssertionFailure()
                       << "first difference at (" << x << ", " << y << "): " << Hex(a.pixel(x, y))
                       << " vs " << Hex(b.pixel(x, y));
            }
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult SameImage(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return ::testing::AssertionFailure() << "sizes differ";
    }
    return SameArea(a, b, a.rect());
}

using Posted = std::tuple<int, int, int>;
const Posted Step{WM_GAME_STEP, +1, 0};
const Posted StepBack{WM_GAME_STEP, -1, 0};
const Posted End{WM_GAME_EVENT, AnimeEnd, 0};

class CourseViewTest : public ::testing::Test {
protected:
    CourseViewTest() {
        course.BuildCourse();
        heroines.LoadSheet(SyntheticHeroineSheet(), 5, ImageMask::BlackKey);
        FillDefaultRecord(record, &heroines);
        SetMessageBoxHook([this](const QString& text) { boxes.push_back(text); });
    }
    ~CourseViewTest() override { SetMessageBoxHook(nullptr); }

    GameRecord RecordOn(int square) const {
        GameRecord onSquare = record;
        onSquare.StartPosition = square;
        return onSquare;
    }

    // What a view shows at rest on `square` with heroine image `image`.
    QImage RestPicture(int square, std::int32_t image = 1) {
        AnimatedCourseView fresh(&window, queue, course, 247, 110);
        fresh.InitDisplay();
        fresh.SetMainDisplay(RecordOn(square));
        fresh.ShowPose(image);
        return fresh.BackBuffer().copy();
    }

    // The part of a field that holds whole cells, in the rows a view window can
    // reach: walks scroll only sideways, and a shift keeps just those rows.
    QRect GridArea() const {
        return QRect(view.GridLeft(), view.SourceRect().top(), view.FieldCols() * SquareWidth,
                     view.SourceRect().height());
    }

    QImage FreshField(int square) {
        AnimatedCourseView fresh(&window, queue, course, 247, 110);
        fresh.InitDisplay();
        fresh.SetMainDisplay(RecordOn(square));
        return fresh.FieldBitmap().copy();
    }

    std::vector<Posted> TakePosted() {
        std::vector<Posted> posted;
        for (const auto& m : queue.Pending()) {
            posted.emplace_back(m.Id, m.WParam, m.LParam);
        }
        queue.Clear();
        return posted;
    }

    // Runs `ticks` ticks and returns the frame shown after each.
    std::vector<int> FramesOver(int ticks) {
        std::vector<int> frames;
        for (int i = 0; i < ticks; ++i) {
            view.AnimeTick();
            frames.push_back(FrameShown(view.BackBuffer()));
        }
        return frames;
    }

    QWidget window;
    GameMessageQueue queue;
    CourseTable course;
    ImageList heroines{50, 70};
    GameRecord record;
    std::vector<QString> boxes;
    AnimatedCourseView view{&window, queue, course, 247, 110};
};

// --- the course view at rest ------------------------------------------------

TEST_F(CourseViewTest, GeometryFollowsTheViewSizeAndTheHeroinesSize) {
    EXPECT_EQ(view.DisplayState(), DisplayIdle);
    EXPECT_FALSE(view.InitDone());
    EXPECT_FALSE(view.SetDone());
    EXPECT_EQ(view.FieldWidth(), 248) << "before InitDisplay the field is one pixel over the view";
    EXPECT_EQ(view.FieldHeight(), 111);
    EXPECT_EQ(view.FrameIndex(), 1);

    view.InitDisplay();
    view.SetMainDisplay(RecordOn(1));
    EXPECT_TRUE(view.InitDone());
    EXPECT_TRUE(view.SetDone());
    EXPECT_EQ(view.FieldWidth(), 487);
    EXPECT_EQ(view.FieldHeight(), 270);
    EXPECT_EQ(view.SourceRect(), QRect(QPoint(120, 80), QPoint(366, 189)));
    EXPECT_EQ(view.GridLeft(), 10);
    EXPECT_EQ(view.GridTop(), 10);
    EXPECT_EQ(view.FieldCols(), 7);
    EXPECT_EQ(view.FirstCol(), -1);
    EXPECT_EQ(view.FirstRow(), -2);
    EXPECT_EQ(view.CharX(), 15);
    EXPECT_EQ(view.CharY(), 6);
    EXPECT_EQ(view.BackBuffer().size(), QSize(247, 110));
    EXPECT_EQ(view.BackBuffer().format(), QImage::Format_RGB32);
    EXPECT_EQ(view.FieldBitmap().format(), QImage::Format_RGB32);

    GameRecord small = RecordOn(1);
    small.CharWidth = 21;
    small.CharHeight = 31;
    view.SetMainDisplay(small);
    EXPECT_EQ(view.CharX(), 29) << "(60 - 21) / 2 + 10, truncated";
    EXPECT_EQ(view.CharY(), 45);
}

TEST_F(CourseViewTest, OnTheStartSquareSheStandsInTheStartBlocksRightColumn) {
    view.InitDisplay();
    view.SetMainDisplay(RecordOn(1));
    const QImage& back = view.BackBuffer();

    // Her square (view x 10..69): place 6, outlined on the right only.
    EXPECT_TRUE(PixelIs(back, 69, 70, BlockOuter));
    EXPECT_TRUE(PixelIs(back, 68, 70, BlockInner));
    EXPECT_TRUE(PixelIs(back, 10, 50, BlockInner)) << "no outline on the top or left";
    EXPECT_TRUE(PixelIs(back, 60, 89, BlockInner));
    // The row above (place 3): outlined on top and right.
    EXPECT_TRUE(PixelIs(back, 60, 10, BlockOuter));
    EXPECT_TRUE(PixelIs(back, 60, 11, BlockInner));
    EXPECT_TRUE(PixelIs(back, 69, 30, BlockOuter));
    // The row below (place 9): its bottom outline lies below the view.
    EXPECT_TRUE(PixelIs(back, 69, 100, BlockOuter));
    EXPECT_TRUE(PixelIs(back, 60, 109, BlockInner));
    // Square 0 shows its last ten pixels: places 2, 5, 8, no outline at their right.
    EXPECT_TRUE(PixelIs(back, 9, 70, BlockInner));
    EXPECT_TRUE(PixelIs(back, 0, 70, BlockInner));
    EXPECT_TRUE(PixelIs(back, 5, 10, BlockOuter));
    EXPECT_TRUE(PixelIs(back, 5, 100, BlockInner));
    // Row -1 above the table is background.
    EXPECT_TRUE(PixelIs(back, 5, 9, Background));
    EXPECT_TRUE(PixelIs(back, 60, 0, Background));
    // Square 2 is a remark square; its rows 0 and 2 are empty.
    EXPECT_TRUE(PixelIs(back, 70, 70, RemarkOuter));
    EXPECT_TRUE(PixelIs(back, 71, 51, RemarkOuter));
    EXPECT_TRUE(PixelIs(back, 72, 52, RemarkInner));
    EXPECT_TRUE(PixelIs(back, 127, 87, RemarkInner));
    EXPECT_TRUE(PixelIs(back, 128, 87, RemarkOuter));
    EXPECT_TRUE(PixelIs(back, 127, 88, RemarkOuter));
    EXPECT_TRUE(PixelIs(back, 100, 30, Background));
    EXPECT_TRUE(PixelIs(back, 100, 100, Background));
    // The view ends 57 pixels into square 4.
    EXPECT_TRUE(PixelIs(back, 246, 70, RemarkInner));
    // The heroine stands on her square in her rest image.
    EXPECT_EQ(FrameShown(back), 1);

    // The field: grid column 0 is square -1, grid rows 0 and 1 are rows -2 and
    // -1, grid rows 5 and 6 are rows 3 and 4: all background.
    const QImage& field = view.FieldBitmap();
    for (int y : {10, 100, 249, 265}) {
        EXPECT_TRUE(PixelIs(field, 10, y, Background));
        EXPECT_TRUE(PixelIs(field, 69, y, Background));
    }
    for (int x : {70, 200, 429}) {
        EXPECT_TRUE(PixelIs(field, x, 10, Background));
        EXPECT_TRUE(PixelIs(field, x, 89, Background));
        EXPECT_TRUE(PixelIs(field, x, 210, Background));
        EXPECT_TRUE(PixelIs(field, x, 269, Background));
    }
    // Square 1, row 2 (place 9, grid row 4): right and bottom outline.
    EXPECT_TRUE(PixelIs(field, 189, 209, BlockOuter));
    EXPECT_TRUE(PixelIs(field, 150, 209, BlockOuter));
    EXPECT_TRUE(PixelIs(field, 150, 208, BlockInner));
    EXPECT_TRUE(PixelIs(field, 188, 208, BlockInner));
    // Outside the grid the field keeps InitDisplay's white.
    EXPECT_TRUE(PixelIs(field, 5, 5, White));
}

TEST_F(CourseViewTest, EventSquaresShowTheirKindsColoursInATwoPixelFrame) {
    view.InitDisplay();
    view.SetMainDisplay(RecordOn(6)); // squares 5 back, 6 lucky, 7 stamina, 8 back, 9 forward
    const QImage& back = view.BackBuffer();

    // Her square, a lucky square, framed by exactly two pixels on every side;
    // the heroine covers the middle, so look beside her figure.
    EXPECT_TRUE(PixelIs(back, 10, 50, LuckyOuter));
    EXPECT_TRUE(PixelIs(back, 11, 51, LuckyOuter));
    EXPECT_TRUE(PixelIs(back, 12, 52, LuckyInner));
    EXPECT_TRUE(PixelIs(back, 67, 87, LuckyInner));
    EXPECT_TRUE(PixelIs(back, 68, 87, LuckyOuter));
    EXPECT_TRUE(PixelIs(back, 67, 88, LuckyOuter));
    EXPECT_TRUE(PixelIs(back, 69, 89, LuckyOuter));
    // The ten pixels of square 5 are the right end of a back cell: inner then frame.
    EXPECT_TRUE(PixelIs(back, 7, 70, BackInner));
    EXPECT_TRUE(PixelIs(back, 8, 70, BackOuter));
    EXPECT_TRUE(PixelIs(back, 9, 70, BackOuter));
    EXPECT_TRUE(PixelIs(back, 100, 70, StaminaInner));
    EXPECT_TRUE(PixelIs(back, 70, 70, StaminaOuter));
    EXPECT_TRUE(PixelIs(back, 160, 70, BackInner));
    EXPECT_TRUE(PixelIs(back, 220, 70, ForwardInner));
    EXPECT_TRUE(PixelIs(back, 190, 51, ForwardOuter));
    // Only the walking row is coloured between the blocks.
    for (int x : {5, 60, 100, 160, 220, 246}) {
        EXPECT_TRUE(PixelIs(back, x, 12, Background)) << "row 0 at x " << x;
        EXPECT_TRUE(PixelIs(back, x, 95, Background)) << "row 2 at x " << x;
    }
}

TEST_F(CourseViewTest, TheGoalBlockIsOutlinedOnItsLeftAndTheCourseEndsInBackground) {
    view.InitDisplay();
    view.SetMainDisplay(RecordOn(101));
    const QImage& back = view.BackBuffer();
    EXPECT_TRUE(PixelIs(back, 5, 70, BackInner)) << "square 100 goes back 9";
    EXPECT_TRUE(PixelIs(back, 10, 80, BlockOuter)) << "place 4: left outline";
    EXPECT_TRUE(PixelIs(back, 11, 80, BlockInner));
    EXPECT_TRUE(PixelIs(back, 69, 80, BlockInner)) << "no outline towards square 102";
    EXPECT_TRUE(PixelIs(back, 10, 30, BlockOuter)) << "place 1: left";
    EXPECT_TRUE(PixelIs(back, 60, 10, BlockOuter)) << "place 1: top";
    EXPECT_TRUE(PixelIs(back, 60, 11, BlockInner));
    EXPECT_TRUE(PixelIs(back, 100, 10, BlockOuter)) << "square 102, place 2: top";
    EXPECT_TRUE(PixelIs(back, 70, 30, BlockInner)) << "no outline between the block's columns";
    EXPECT_TRUE(PixelIs(back, 5, 30, Background)) << "row 0 of square 100 is empty";
    EXPECT_TRUE(PixelIs(back, 5, 9, Background));

    view.SetMainDisplay(RecordOn(105));
    EXPECT_TRUE(PixelIs(back, 129, 70, BlockInner)) << "square 106 has no right outline";
    EXPECT_TRUE(PixelIs(back, 129, 100, BlockInner));
    for (int y : {5, 30, 70, 100}) {
        EXPECT_TRUE(PixelIs(back, 130, y, Background)) << "square 107 is outside the course";
        EXPECT_TRUE(PixelIs(back, 246, y, Background));
    }
    const QImage& field = view.FieldBitmap();
    for (int y : {10, 130, 260}) {
        EXPECT_TRUE(PixelIs(field, 250, y, Background));
        EXPECT_TRUE(PixelIs(field, 429, y, Background));
    }
}

TEST_F(CourseViewTest, TheHeroineIsDrawnMaskedOverHerCell) {
    view.InitDisplay();
    view.SetMainDisplay(RecordOn(1));
    const QImage& back = view.BackBuffer();
    // Figure at (25, 16)..(54, 65); the rest of her 50 x 70 picture is transparent.
    EXPECT_TRUE(PixelIs(back, 25, 16, FrameColours[1]));
    EXPECT_TRUE(PixelIs(back, 54, 65, FrameColours[1]));
    EXPECT_TRUE(PixelIs(back, 24, 16, BlockInner)) << "left of the figure, inside her picture";
    EXPECT_TRUE(PixelIs(back, 55, 60, BlockInner));
    EXPECT_TRUE(PixelIs(back, 40, 66, BlockInner)) << "below the figure, at her feet";
    EXPECT_TRUE(PixelIs(back, 40, 8, Background)) << "above the figure, still inside her picture";
}

TEST_F(CourseViewTest, PosesDrawTheGivenImageAndNothingForImagesThatDoNotExist) {
    view.InitDisplay();
    view.SetMainDisplay(RecordOn(1));
    const QImage empty = RestPicture(1, -1);
    ASSERT_EQ(FrameShown(empty), -1);

    view.ShowPose(3);
    EXPECT_EQ(FrameShown(view.BackBuffer()), 3);
    for (std::int32_t missing : {5, 99, -1, std::numeric_limits<std::int32_t>::min()}) {
        view.ShowPose(missing);
        EXPECT_TRUE(SameImage(view.BackBuffer(), empty)) << "image " << missing;
    }

    GameRecord noImages = RecordOn(1);
    noImages.CharImages = nullptr;
    view.SetMainDisplay(noImages);
    EXPECT_TRUE(SameImage(view.BackBuffer(), empty));
    view.ShowPose(1);
    EXPECT_TRUE(SameImage(view.BackBuffer(), empty));
}

TEST_F(CourseViewTest, SetMainDisplayTwiceGivesTheSamePicture) {
    view.InitDisplay();
    view.SetMainDisplay(RecordOn(30));
    const QImage first = view.BackBuffer().copy();
    view.SetMainDisplay(RecordOn(30));
    EXPECT_TRUE(SameImage(view.BackBuffer(), first));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(CourseViewTest, SetMainDisplayBeforeInitDisplayIsRefusedAndChangesNothing) {
    view.SetDisplayState(StateGameOver);
    const QImage before = view.BackBuffer().copy();
    view.SetMainDisplay(RecordOn(1));
    EXPECT_EQ(boxes, std::vector<QString>{QStringLiteral(
                         "not Execute InitDisplay from CourseView::SetMainDisplay")});
    EXPECT_EQ(view.DisplayState(), DisplayIdle) << "the state is reset before the check";
    EXPECT_FALSE(view.SetDone());
    EXPECT_EQ(view.FirstCol(), 0);
    EXPECT_TRUE(SameImage(view.BackBuffer(), before));
}

TEST_F(CourseViewTest, DrawScrolledShowsTheFieldWindowMovedByTheOffset) {
    view.InitDisplay();
    view.SetMainDisplay(RecordOn(20));
    const QImage& field = view.FieldBitmap();
    const auto window = [&](int left) { return field.copy(left, 80, 247, 110); };

    view.DrawScrolled(Direction::Forward, 15);
    EXPECT_TRUE(SameImage(view.BackBuffer(), window(135)));
    view.DrawScrolled(Direction::Backward, 45);
    EXPECT_TRUE(SameImage(view.BackBuffer(), window(75)));
    // No window goes past the spare cells, whatever the offset.
    view.DrawScrolled(Direction::Forward, 100000);
    EXPECT_TRUE(SameImage(view.BackBuffer(), window(240)));
    view.DrawScrolled(Direction::Backward, std::numeric_limits<int>::max());
    EXPECT_TRUE(SameImage(view.BackBuffer(), window(0)));
    view.DrawScrolled(Direction::Forward, std::numeric_limits<int>::min());
    EXPECT_TRUE(SameImage(view.BackBuffer(), window(0)));
}

TEST_F(CourseViewTest, ShiftingSquareBySquareMatchesAFreshPictureAlongTheWholeCourse) {
    view.InitDisplay();
    view.SetMainDisplay(RecordOn(-1));
    for (int square = 0; square <= 108; ++square) {
        view.ShiftField(Direction::Forward);
        ASSERT_EQ(view.FirstCol(), square - 2);
        ASSERT_TRUE(SameArea(view.FieldBitmap(), FreshField(square), GridArea()))
            << "forward onto square " << square;
        view.ShowPose(1);
        ASSERT_TRUE(SameImage(view.BackBuffer(), RestPicture(square))) << "square " << square;
    }
    for (int square = 107; square >= -1; --square) {
        view.ShiftField(Direction::Backward);
        ASSERT_EQ(view.FirstCol(), square - 2);
        ASSERT_TRUE(SameArea(view.FieldBitmap(), FreshField(square), GridArea()))
            << "backward onto square " << square;
        view.ShowPose(4);
        ASSERT_TRUE(SameImage(view.BackBuffer(), RestPicture(square, 4))) << "square " << square;
    }
}

TEST_F(CourseViewTest, ShiftFieldLeavesTheRestPictureWithoutTheHeroineInTheBackBuffer) {
    view.InitDisplay();
    view.SetMainDisplay(RecordOn(40));
    view.ShiftField(Direction::Forward);
    EXPECT_TRUE(SameImage(view.BackBuffer(), view.FieldBitmap().copy(view.SourceRect())));
    EXPECT_EQ(FrameShown(view.BackBuffer()), -1);
}

TEST_F(CourseViewTest, ThePanelAndThePaintBoxSitWhereTheMainWindowExpectsThem) {
    BevelPanel* panel = view.DisplayPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->parentWidget(), &window);
    EXPECT_EQ(panel->size(), QSize(251, 114));
    EXPECT_EQ(panel->BevelOuter(), BevelPanel::Bevel::Lowered);
    EXPECT_EQ(panel->BevelInner(), BevelPanel::Bevel::None);
    EXPECT_EQ(panel->BevelWidth(), 2);
    EXPECT_FALSE(panel->isVisibleTo(&window));
    EXPECT_EQ(view.ViewBox()->parentWidget(), panel);
    EXPECT_EQ(view.ViewBox()->geometry(), QRect(2, 2, 247, 110));
    EXPECT_TRUE(view.ViewBox()->isVisibleTo(panel));

    view.ShowDisplay(0, 125);
    EXPECT_EQ(panel->pos(), QPoint(0, 125));
    EXPECT_TRUE(panel->isVisibleTo(&window));
    view.HideDisplay();
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
    view.ShowDisplay(0, 125);
    view.InitDisplay();
    QApplication::processEvents();
    PaintCounter counter;
    view.ViewBox()->installEventFilter(&counter);

    view.SetMainDisplay(RecordOn(12));
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 0) << "SetMainDisplay composes off-screen only";

    view.ShowPose(3);
    QApplication::processEvents();
    EXPECT_GE(counter.paints, 1);

    const QImage shown = view.ViewBox()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(SameImage(shown, view.BackBuffer()));
    view.ViewBox()->removeEventFilter(&counter);
}

TEST(CourseViewLifetimeTest, TheMainWindowMayGoBeforeOrAfterTheView) {
    CourseTable course;
    course.BuildCourse();
    GameMessageQueue queue;
    {
        auto window = std::make_unique<QWidget>();
        AnimatedCourseView view(window.get(), queue, course, 247, 110);
        window.reset();
        view.InitDisplay();
        view.PaintView();
        EXPECT_EQ(view.DisplayPanel(), nullptr);
    }
    QWidget window;
    { AnimatedCourseView view(&window, queue, course, 247, 110); }
    EXPECT_TRUE(window.findChildren<QWidget*>().isEmpty()) << "the view takes its panel along";
}

// --- the animations -----------------------------------------------------------

TEST_F(CourseViewTest, TheEntryDropsHerInInElevenTicksAndThenReportsItsEnd) {
    view.InitDisplay();
    view.SetMainDisplay(RecordOn(1));
    const QImage rest = view.BackBuffer().copy();
    view.StartEntry();
    EXPECT_EQ(view.DisplayState(), DisplayEntry);
    EXPECT_EQ(view.AnimeInterval(), 20);
    EXPECT_EQ(view.EntryX(), 0);
    EXPECT_EQ(view.EntryY(), -70);

    for (int tick = 1; tick <= 10; ++tick) {
        view.AnimeTick();
        ASSERT_EQ(view.EntryX(), tick) << "tick " << tick;
        ASSERT_EQ(view.EntryY(), -70 + 7 * tick);
        ASSERT_TRUE(TakePosted().empty());
        ASSERT_EQ(view.DisplayState(), DisplayEntry);
        // Her figure's bottom-left corner, in the moving image, cut off above the view.
        const int figureX = tick + FigureLeft, figureBottom = -70 + 7 * tick + FigureTop + 49;
        if (figureBottom >= 0) {
            EXPECT_TRUE(PixelIs(view.BackBuffer(), figureX, figureBottom, FrameColours[0]));
            EXPECT_FALSE(PixelIs(view.BackBuffer(), figureX - 1, figureBottom, FrameColours[0]));
            EXPECT_FALSE(PixelIs(view.BackBuffer(), figureX, figureBottom + 1, FrameColours[0]));
        }
    }
    view.AnimeTick();
    EXPECT_EQ(view.EntryX(), 15);
    EXPECT_EQ(view.EntryY(), 6);
    EXPECT_EQ(view.DisplayState(), DisplayIdle);
    EXPECT_EQ(view.AnimeInterval(), 0);
    EXPECT_EQ(TakePosted(), std::vector<Posted>{End});
    EXPECT_TRUE(SameImage(view.BackBuffer(), rest)) << "she stands in her rest image";

    view.AnimeTick();
    EXPECT_TRUE(TakePosted().empty()) << "a stray tick after the end does nothing";
}

TEST_F(CourseViewTest, AnAbsurdHeroineSizeStillLetsTheEntryEnd) {
    GameRecord broken = RecordOn(1);
    broken.CharWidth = std::numeric_limits<std::int32_t>::min();
    broken.CharHeight = std::numeric_limits<std::int32_t>::max();
    view.InitDisplay();
    view.SetMainDisplay(broken);
    view.StartEntry();
    int ticks = 0;
    while (view.DisplayState() == DisplayEntry && ticks < 100000) {
        view.AnimeTick();
        ++ticks;
    }
    EXPECT_EQ(view.DisplayState(), DisplayIdle) << "after " << ticks << " ticks";
    EXPECT_EQ(TakePosted(), std::vector<Posted>{End});
}

TEST_F(CourseViewTest, AWalkOfOneSquareTakesFourTicksAndReportsItsStepBeforeItsEnd) {
    // Counts below one walk one square too: the walk ends at the first square
    // that leaves at most one to go.
    for (std::int32_t squares : {1, 0, -7, std::numeric_limits<std::int32_t>::min()}) {
        SCOPED_TRACE(squares);
        view.InitDisplay();
        view.SetMainDisplay(RecordOn(10));
        const QImage field = view.FieldBitmap().copy();
        view.StartWalk(squares);
        EXPECT_EQ(view.DisplayState(), DisplayWalk);
        EXPECT_EQ(view.AnimeInterval(), 150);
        EXPECT_EQ(view.FrameIndex(), 0);
        EXPECT_EQ(view.SubStep(), 0);
        EXPECT_EQ(view.StepsLeft(), squares);

        for (int tick = 1; tick <= 3; ++tick) {
            view.AnimeTick();
            EXPECT_TRUE(TakePosted().empty());
            EXPECT_EQ(view.SubStep(), tick);
            // Below her feet the view shows the field moved on by a quarter square a tick.
            EXPECT_TRUE(SameImage(view.BackBuffer().copy(0, 80, 247, 30),
                                  field.copy(120 + 15 * tick, 160, 247, 30)))
                << "tick " << tick;
        }
        view.AnimeTick();
        EXPECT_EQ(TakePosted(), (std::vector<Posted>{Step, End}));
        EXPECT_EQ(view.DisplayState(), DisplayIdle);
        EXPECT_EQ(view.AnimeInterval(), 0);
        EXPECT_EQ(view.SubStep(), 0);
        EXPECT_EQ(view.FirstCol(), 9);
        EXPECT_TRUE(SameImage(view.BackBuffer(), RestPicture(11)))
            << "she ends at rest on the next square";
        EXPECT_TRUE(boxes.empty());
    }
}

TEST_F(CourseViewTest, LongWalksShowTheCourseTickByTickWhereverTheFieldsRingHasTurned) {
    // The field turns as a ring of columns, so windows soon run over its seam
    // and are copied in two pieces. Below her feet every frame must still show
    // the course as a fresh field does, a quarter square on per tick.
    view.InitDisplay();
    view.SetMainDisplay(RecordOn(2));
    view.StartWalk(20);
    int origins = 0;
    for (int square = 2; square < 22; ++square) {
        const QImage fresh = FreshField(square);
        for (int quarter = 1; quarter <= 4; ++quarter) {
            view.AnimeTick();
            const QImage expected = quarter < 4 ? fresh.copy(120 + 15 * quarter, 160, 247, 30)
                                                : FreshField(square + 1).copy(120, 160, 247, 30);
            ASSERT_TRUE(SameImage(view.BackBuffer().copy(0, 80, 247, 30), expected))
                << "forward from square " << square << ", quarter " << quarter << ", ring at "
                << view.FieldOrigin();
        }
        origins += view.FieldOrigin() != 0;
    }
    EXPECT_GT(origins, 0);
    TakePosted();

    view.SetMainDisplay(RecordOn(60));
    view.BackWalk(20);
    for (int square = 60; square > 40; --square) {
        const QImage fresh = FreshField(square);
        for (int quarter = 1; quarter <= 4; ++quarter) {
            view.AnimeTick();
            const QImage expected = quarter < 4 ? fresh.copy(120 - 15 * quarter, 160, 247, 30)
                                                : FreshField(square - 1).copy(120, 160, 247, 30);
            ASSERT_TRUE(SameImage(view.BackBuffer().copy(0, 80, 247, 30), expected))
                << "back from square " << square << ", quarter " << quarter << ", ring at "
                << view.FieldOrigin();
        }
    }
    EXPECT_EQ(view.FirstCol(), 40 - 2);
}

TEST_F(CourseViewTest, TheWalkCyclesItsFramesIndependentlyOfTheSquares) {
    view.InitDisplay();
    view.SetMainDisplay(RecordOn(10));
    view.StartWalk(2);
    EXPECT_EQ(FramesOver(8), (std::vector<int>{0, 1, 2, 1, 0, 1, 2, 1}));
    EXPECT_EQ(TakePosted(), (std::vector<Posted>{Step, Step, End}));
    EXPECT_EQ(view.StepsLeft(), 0);
}

TEST_F(CourseViewTest, TheWalkFurtherRunsItsEightFramesAtItsOwnInterval) {
    view.InitDisplay();
    view.SetMainDisplay(RecordOn(24));
    view.ForwardWalk(2);
    EXPECT_EQ(view.DisplayState(), DisplayForward);
    EXPECT_EQ(view.AnimeInterval(), 100);
    std::vector<int> frames;
    std::vector<Posted> posted;
    for (int tick = 1; tick <= 8; ++tick) {
        view.AnimeTick();
        frames.push_back(FrameShown(view.BackBuffer()));
        for (const Posted& p : TakePosted()) {
            posted.push_back(p);
            EXPECT_TRUE(tick == 4 || tick == 8) << "posted in tick " << tick;
        }
    }
    EXPECT_EQ(frames, (std::vector<int>{0, 0, 0, 1, 2, 2, 2, 1}));
    EXPECT_EQ(posted, (std::vector<Posted>{Step, Step, End}));
    EXPECT_EQ(view.FirstCol(), 24);
}

TEST_F(CourseViewTest, GoingBackThreeSquaresAlternatesItsTwoFramesAndStepsBackThrice) {
    view.InitDisplay();
    view.SetMainDisplay(RecordOn(14));
    const QImage field = view.FieldBitmap().copy();
    view.BackWalk(3);
    EXPECT_EQ(view.DisplayState(), DisplayBack);
    EXPECT_EQ(view.AnimeInterval(), 200);

    view.AnimeTick();
    EXPECT_TRUE(SameImage(view.BackBuffer().copy(0, 80, 247, 30), field.copy(105, 160, 247, 30)))
        << "the course moves right under her";
    EXPECT_EQ(FrameShown(view.BackBuffer()), 3);
    std::vector<int> frames = FramesOver(11);
    frames.insert(frames.begin(), 3);
    EXPECT_EQ(frames, (std::vector<int>{3, 4, 3, 4, 3, 4, 3, 4, 3, 4, 3, 4}));
    EXPECT_EQ(TakePosted(), (std::vector<Posted>{StepBack, StepBack, StepBack, End}));
    EXPECT_EQ(view.DisplayState(), DisplayIdle);
    EXPECT_EQ(view.FirstCol(), 9);
    EXPECT_TRUE(SameImage(view.BackBuffer(), RestPicture(11, 4)));
}

TEST_F(CourseViewTest, IntervalsComeFromTheRecordAndZeroDoesNotLeaveAWalkHanging) {
    GameRecord custom = RecordOn(10);
    custom.WalkAnimeInterval = 70;
    custom.ForwardAnimeInterval = 30;
    custom.BackAnimeInterval = 0;
    view.InitDisplay();
    const std::vector<std::pair<std::function<void()>, int>> starts = {
        {[&] { view.StartWalk(1); }, 70},
        {[&] { view.ForwardWalk(1); }, 30},
        {[&] { view.BackWalk(1); }, 1},
    };
    for (const auto& [start, interval] : starts) {
        view.SetMainDisplay(custom);
        start();
        EXPECT_EQ(view.AnimeInterval(), interval);
    }
}

TEST_F(CourseViewTest, OddFrameSequencesNeverReadOutsideTheRecord) {
    GameRecord odd = RecordOn(10);
    view.InitDisplay();

    odd.WalkAnimeFrames.Count = 0;
    odd.WalkAnimeFrames.Indices[0] = 2;
    view.SetMainDisplay(odd);
    view.StartWalk(1);
    EXPECT_EQ(FramesOver(4), (std::vector<int>{2, 2, 2, 2})) << "always the first entry";

    // Places beyond the twenty entries show image 0.
    odd.WalkAnimeFrames.Count = 22;
    odd.WalkAnimeFrames.Indices.fill(3);
    view.SetMainDisplay(odd);
    view.StartWalk(6);
    const std::vector<int> frames = FramesOver(24);
    EXPECT_EQ(frames[19], 3);
    EXPECT_EQ(frames[20], 0);
    EXPECT_EQ(frames[21], 0);
    EXPECT_EQ(frames[22], 3) << "then the sequence starts over";

    odd.WalkAnimeFrames.Count = std::numeric_limits<std::int32_t>::max();
    odd.WalkAnimeFrames.Indices.fill(99); // no such image: nothing is drawn
    view.SetMainDisplay(odd);
    view.StartWalk(1);
    EXPECT_EQ(FramesOver(4), (std::vector<int>{-1, -1, -1, -1}));
    EXPECT_EQ(view.FrameIndex(), 4);
    EXPECT_EQ(TakePosted(),
              (std::vector<Posted>{Step, End, Step, Step, Step, Step, Step, Step, End, Step, End}));
}

TEST_F(CourseViewTest, AHugeWalkKeepsCountingDownSquareBySquare) {
    view.InitDisplay();
    view.SetMainDisplay(RecordOn(10));
    view.StartWalk(std::numeric_limits<std::int32_t>::max());
    FramesOver(8);
    EXPECT_EQ(view.StepsLeft(), std::numeric_limits<std::int32_t>::max() - 2);
    EXPECT_EQ(view.DisplayState(), DisplayWalk);
    EXPECT_EQ(TakePosted(), (std::vector<Posted>{Step, Step}));
}

TEST_F(CourseViewTest, AWalkIsWithoutAHeroineWhenTheRecordHasNoImages) {
    GameRecord noImages = RecordOn(10);
    noImages.CharImages = nullptr;
    view.InitDisplay();
    view.SetMainDisplay(noImages);
    view.StartEntry();
    for (int tick = 0; tick < 11; ++tick) {
        view.AnimeTick();
    }
    view.StartWalk(1);
    EXPECT_EQ(FramesOver(4), (std::vector<int>{-1, -1, -1, -1}));
    EXPECT_EQ(TakePosted(), (std::vector<Posted>{End, Step, End}));
}

// The four starts with their two refusal texts.
struct StartCase {
    const char* name;
    std::function<void(AnimatedCourseView&)> start;
    const char* busyText;
    const char* noRecordText;
};

const std::vector<StartCase>& StartCases() {
    static const std::vector<StartCase> cases = {
        {"StartEntry", [](AnimatedCourseView& v) { v.StartEntry(); },
         "内部でエラーが発生しました。from EntryAnime",
         "Don't execute SetMainDisplay from MainDisplay::StartEntry"},
        {"StartWalk", [](AnimatedCourseView& v) { v.StartWalk(2); },
         "内部でエラーが発生しました。from WalkAnime",
         "Don't execute SetMainDisplay from StartWalk"},
        {"ForwardWalk", [](AnimatedCourseView& v) { v.ForwardWalk(2); },
         "内部でエラーが発生しました。from ForwardAnime",
         "Don't execute SetMainDisplay from ForwardWalk"},
        {"BackWalk", [](AnimatedCourseView& v) { v.BackWalk(2); },
         "内部でエラーが発生しました。from BackAnime",
         "Don't execute SetMainDisplay from BackWalk"},
    };
    return cases;
}

TEST_F(CourseViewTest, StartsBeforeAnySetMainDisplayAreRefusedAndStartNothing) {
    view.InitDisplay();
    for (const StartCase& c : StartCases()) {
        SCOPED_TRACE(c.name);
        boxes.clear();
        c.start(view);
        EXPECT_EQ(boxes, std::vector<QString>{QString::fromUtf8(c.noRecordText)});
        EXPECT_EQ(view.DisplayState(), DisplayIdle);
        EXPECT_EQ(view.AnimeInterval(), 0);
        view.AnimeTick();
        EXPECT_TRUE(TakePosted().empty());
    }
}

TEST_F(CourseViewTest, AStartWhileAWalkRunsIsRefusedAndTheWalkGoesOnUndisturbed) {
    view.InitDisplay();
    for (const StartCase& c : StartCases()) {
        SCOPED_TRACE(c.name);
        view.SetMainDisplay(RecordOn(10));
        view.StartWalk(2);
        view.AnimeTick();
        boxes.clear();
        c.start(view);
        EXPECT_EQ(boxes, std::vector<QString>{QString::fromUtf8(c.busyText)});
        EXPECT_EQ(view.DisplayState(), DisplayWalk);
        EXPECT_EQ(view.AnimeInterval(), 150);
        EXPECT_EQ(view.StepsLeft(), 2);
        EXPECT_EQ(view.SubStep(), 1);
        EXPECT_EQ(FramesOver(7), (std::vector<int>{1, 2, 1, 0, 1, 2, 1}));
        EXPECT_EQ(TakePosted(), (std::vector<Posted>{Step, Step, End}));
    }
}

TEST_F(CourseViewTest, AFrozenViewRefusesStartsUntilTheNextSetMainDisplay) {
    view.InitDisplay();
    view.SetMainDisplay(RecordOn(10));
    view.StartWalk(3);
    FramesOver(4);
    ASSERT_EQ(TakePosted(), std::vector<Posted>{Step});
    const QImage frozen = view.BackBuffer().copy();

    view.SetDisplayState(StateGameOver);
    EXPECT_EQ(view.AnimeInterval(), 0);
    EXPECT_EQ(view.DisplayState(), StateGameOver);
    view.AnimeTick();
    EXPECT_TRUE(TakePosted().empty()) << "the rest of the walk is not walked and not ended";
    EXPECT_TRUE(SameImage(view.BackBuffer(), frozen));

    for (const StartCase& c : StartCases()) {
        boxes.clear();
        c.start(view);
        EXPECT_EQ(boxes, std::vector<QString>{QString::fromUtf8(c.busyText)}) << c.name;
        EXPECT_EQ(view.DisplayState(), StateGameOver);
    }

    view.SetMainDisplay(RecordOn(11));
    boxes.clear();
    view.StartWalk(1);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(view.DisplayState(), DisplayWalk);
}

TEST_F(CourseViewTest, StopAnimeStopsTheTimerAndPostsNothing) {
    view.InitDisplay();
    view.SetMainDisplay(RecordOn(10));
    view.StartWalk(1);
    view.AnimeTick();
    view.StopAnime();
    EXPECT_EQ(view.AnimeInterval(), 0);
    EXPECT_TRUE(TakePosted().empty());

    view.InitDisplay();
    view.SetMainDisplay(RecordOn(1));
    view.StartEntry();
    EXPECT_TRUE(boxes.empty()) << "a new game starts afresh";
    EXPECT_EQ(view.AnimeInterval(), 20);
}

} // namespace
