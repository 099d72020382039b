// The course view and its animations on real widgets offscreen. Everything is
// read through the widget: the picture its paint box paints, its reports
// (squareWalked, animationFinished), its animation timer found by name, and
// the message boxes it would show.
#include "AnimatedCourseView.h"
#include "BevelPanel.h"
#include "CourseTable.h"
#include "support/CourseViewTimer.h"
#include "GameRecord.h"
#include "ImageList.h"
#include "MessageBox.h"

#include <QPainter>
#include <QPointer>
#include <QtTest>
#include <limits>
#include <memory>
#include <utility>

namespace {

constexpr int ViewWidth = 247, ViewHeight = 110;
// The field holds two squares more on either side than the view shows; a
// window of it displaced this far forward or back is as far as it goes.
constexpr int SpareWidth = 2 * SquareWidth;
// The view shows the field from this column at rest.
constexpr int RestLeft = SpareWidth;
// The field's grid starts this far from its left edge; left of it, the field
// stays white.
constexpr int GridLeft = 10;
// The grid has seven whole columns; the field's last 57 pixels are an eighth
// column cut off, which only setUp draws.
constexpr int GridRight = GridLeft + 7 * SquareWidth;
// The rows below the heroine's feet, where a walk's frames show only the course.
constexpr int BelowFeet = 80;
constexpr int Quarter = SquareWidth / 4;

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
constexpr int StandingImage = 1;

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

QString colourName(QRgb rgb) {
    static const QList<std::pair<QRgb, const char*>> names = {
        {White, "White"},
        {Background, "Background"},
        {BlockOuter, "BlockOuter"},
        {BlockInner, "BlockInner"},
        {RemarkOuter, "RemarkOuter"},
        {RemarkInner, "RemarkInner"},
        {LuckyOuter, "LuckyOuter"},
        {LuckyInner, "LuckyInner"},
        {StaminaOuter, "StaminaOuter"},
        {StaminaInner, "StaminaInner"},
        {ForwardOuter, "ForwardOuter"},
        {ForwardInner, "ForwardInner"},
        {BackOuter, "BackOuter"},
        {BackInner, "BackInner"},
    };
    for (const auto& [colour, name] : names) {
        if ((rgb & RGB_MASK) == (colour & RGB_MASK)) {
            return QLatin1String(name);
        }
    }
    for (int i = 0; i < 5; ++i) {
        if ((rgb & RGB_MASK) == (FrameColours[i] & RGB_MASK)) {
            return QStringLiteral("heroine frame %1").arg(i);
        }
    }
    return QStringLiteral("#%1").arg(rgb & RGB_MASK, 6, 16, QLatin1Char('0'));
}

// "(x, y) Colour", for comparing one pixel with a failure that says where.
QString pixel(const QImage& image, int x, int y) {
    return QStringLiteral("(%1, %2) %3").arg(x).arg(y).arg(colourName(image.pixel(x, y)));
}
QString pixel(int x, int y, QRgb colour) {
    return QStringLiteral("(%1, %2) %3").arg(x).arg(y).arg(colourName(colour));
}

// Empty when both images are the same, else `context` and where they first differ.
QString firstDifference(const QImage& a, const QImage& b, const QString& context = {}) {
    const QString where = context.isEmpty() ? QString() : context + QStringLiteral(": ");
    if (a.size() != b.size()) {
        return where + QStringLiteral("sizes differ");
    }
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if ((a.pixel(x, y) & RGB_MASK) != (b.pixel(x, y) & RGB_MASK)) {
                return where + QStringLiteral("first difference at %1 vs %2")
                                   .arg(pixel(a, x, y), colourName(b.pixel(x, y)));
            }
        }
    }
    return {};
}

// What the view's paint box paints, pixel for pixel.
QImage shown(const CourseView& view) {
    QImage picture(view.viewBox()->size(), QImage::Format_RGB32);
    view.viewBox()->render(&picture);
    return picture;
}

QImage belowHerFeet(const QImage& picture) {
    return picture.copy(0, BelowFeet, ViewWidth, ViewHeight - BelowFeet);
}

// The rows below her feet of a field window starting at column `left`.
QImage belowHerFeet(const QImage& field, int left) {
    return field.copy(left, BelowFeet, ViewWidth, ViewHeight - BelowFeet);
}

// The four starts of an animation, named by the animation they start.
void start(AnimatedCourseView& view, CourseAnimation animation, int squares = 2) {
    switch (animation) {
    case CourseAnimation::Entry:
        view.startEntry();
        break;
    case CourseAnimation::Walk:
        view.startWalk(squares);
        break;
    case CourseAnimation::Forward:
        view.forwardWalk(squares);
        break;
    case CourseAnimation::Back:
        view.backWalk(squares);
        break;
    default:
        QFAIL("not a start");
    }
}

// What the view reported, in order.
const QString Step = QStringLiteral("square +1");
const QString StepBack = QStringLiteral("square -1");
const QString End = QStringLiteral("end");

} // namespace

// Names an animation in a failed comparison (found by QCOMPARE through ADL).
static char* toString(CourseAnimation animation) {
    switch (animation) {
    case CourseAnimation::Idle:
        return qstrdup("Idle");
    case CourseAnimation::Entry:
        return qstrdup("Entry");
    case CourseAnimation::Walk:
        return qstrdup("Walk");
    case CourseAnimation::Forward:
        return qstrdup("Forward");
    case CourseAnimation::Back:
        return qstrdup("Back");
    case CourseAnimation::GameOver:
        return qstrdup("GameOver");
    case CourseAnimation::Goal:
        return qstrdup("Goal");
    }
    return qstrdup("?");
}

class CourseViewTest : public QObject {
    Q_OBJECT

    CourseTable course;
    ImageList heroines{50, 70};
    GameRecord record;

    std::unique_ptr<QWidget> window;
    AnimatedCourseView* view = nullptr;
    QStringList boxes;
    QStringList posted;

    GameRecord recordOn(int square) const {
        GameRecord onSquare = record;
        onSquare.currentSquare = square;
        return onSquare;
    }

    QTimer& timer() const { return courseAnimationTimer(*view); }

    // The animation timer's interval while it runs, 0 while it stands.
    int animationInterval() const { return timer().isActive() ? timer().interval() : 0; }

    // What a view shows at rest on `square` with heroine image `image`.
    QImage restPicture(int square, int image = StandingImage) const {
        AnimatedCourseView fresh(course, ViewWidth, ViewHeight, window.get());
        fresh.initialise();
        fresh.setUp(recordOn(square));
        fresh.showPose(image);
        return shown(fresh);
    }

    // The field of a view set up on `square`, in the rows a window of it shows,
    // from the field's left edge: the view at rest shows its columns from
    // RestLeft. A view two SpareWidths wider set up two squares back, without the
    // heroine, shows these columns; left of the grid the field stays white.
    QImage fieldAround(int square) const {
        AnimatedCourseView wide(course, ViewWidth + 2 * SpareWidth, ViewHeight, window.get());
        GameRecord bare = recordOn(square - 2);
        bare.heroineImages = nullptr;
        wide.initialise();
        wide.setUp(bare);
        QImage field = shown(wide);
        QPainter(&field).fillRect(0, 0, GridLeft, ViewHeight, QColor(White));
        return field;
    }

    QStringList takePosted() { return std::exchange(posted, {}); }

    // Runs `ticks` ticks and returns the frame shown after each.
    QList<int> framesOver(int ticks) {
        QList<int> frames;
        for (int i = 0; i < ticks; ++i) {
            view->animationTick();
            frames.push_back(frameShown(shown(*view)));
        }
        return frames;
    }

    // The rows of a start: the animation it starts and its two refusals.
    static void startRows() {
        QTest::addColumn<CourseAnimation>("animation");
        QTest::addColumn<QString>("busyText");
        QTest::addColumn<QString>("noRecordText");
        QTest::newRow("startEntry")
            << CourseAnimation::Entry
            << QStringLiteral("内部でエラーが発生しました。from EntryAnime")
            << QStringLiteral("Don't execute SetMainDisplay from MainDisplay::StartEntry");
        QTest::newRow("startWalk")
            << CourseAnimation::Walk << QStringLiteral("内部でエラーが発生しました。from WalkAnime")
            << QStringLiteral("Don't execute SetMainDisplay from StartWalk");
        QTest::newRow("forwardWalk")
            << CourseAnimation::Forward
            << QStringLiteral("内部でエラーが発生しました。from ForwardAnime")
            << QStringLiteral("Don't execute SetMainDisplay from ForwardWalk");
        QTest::newRow("backWalk") << CourseAnimation::Back
                                  << QStringLiteral("内部でエラーが発生しました。from BackAnime")
                                  << QStringLiteral("Don't execute SetMainDisplay from BackWalk");
    }

private slots:
    void initTestCase() {
        course.buildCourse();
        heroines.loadSheet(syntheticHeroineSheet(), 5, ImageMask::BlackKey);
        fillDefaultRecord(record, &heroines);
    }

    void init() {
        window = std::make_unique<QWidget>();
        view = new AnimatedCourseView(course, ViewWidth, ViewHeight, window.get());
        boxes.clear();
        posted.clear();
        setMessageBoxHook([this](const QString& text) { boxes.push_back(text); });
        connect(view, &AnimatedCourseView::squareWalked, this,
                [this](int step) { posted.push_back(step > 0 ? Step : StepBack); });
        connect(view, &AnimatedCourseView::animationFinished, this,
                [this] { posted.push_back(End); });
    }

    void cleanup() {
        setMessageBoxHook(nullptr);
        window.reset();
        view = nullptr;
    }

    // --- the course view at rest --------------------------------------------

    // One pixel of the view set up on `square`, at rest or with its window
    // scrolled by `scroll` (then without the heroine).
    void theCourseShowsEachSquareInItsColours_data() {
        QTest::addColumn<int>("square");
        QTest::addColumn<int>("scroll");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QRgb>("colour");
        const auto row = [](const char* name, int square, int scroll, int x, int y, QRgb colour) {
            QTest::newRow(name) << square << scroll << x << y << colour;
        };
        // On the start square she stands in the start block's right column.
        // Her square (view x 10..69): place 6, outlined on the right only.
        row("start: her square's right outline", 1, 0, 69, 70, BlockOuter);
        row("start: inside the outline", 1, 0, 68, 70, BlockInner);
        row("start: no outline on the top or left", 1, 0, 10, 50, BlockInner);
        row("start: her square's bottom", 1, 0, 60, 89, BlockInner);
        // The row above (place 3): outlined on top and right.
        row("start: place 3, top", 1, 0, 60, 10, BlockOuter);
        row("start: place 3, below its top", 1, 0, 60, 11, BlockInner);
        row("start: place 3, right", 1, 0, 69, 30, BlockOuter);
        // The row below (place 9): its bottom outline lies below the view.
        row("start: place 9, right", 1, 0, 69, 100, BlockOuter);
        row("start: place 9, bottom of the view", 1, 0, 60, 109, BlockInner);
        // Square 0 shows its last ten pixels: places 2, 5, 8, no outline at their right.
        row("start: square 0, right edge", 1, 0, 9, 70, BlockInner);
        row("start: square 0, left of the view", 1, 0, 0, 70, BlockInner);
        row("start: square 0, top", 1, 0, 5, 10, BlockOuter);
        row("start: square 0, place 8", 1, 0, 5, 100, BlockInner);
        // Row -1 above the table is background.
        row("start: above the table", 1, 0, 5, 9, Background);
        row("start: above the table, top of the view", 1, 0, 60, 0, Background);
        // Square 2 is a remark square; its rows 0 and 2 are empty.
        row("start: remark, left frame", 1, 0, 70, 70, RemarkOuter);
        row("start: remark, frame's inner pixel", 1, 0, 71, 51, RemarkOuter);
        row("start: remark, inside", 1, 0, 72, 52, RemarkInner);
        row("start: remark, last inner pixel", 1, 0, 127, 87, RemarkInner);
        row("start: remark, right frame", 1, 0, 128, 87, RemarkOuter);
        row("start: remark, bottom frame", 1, 0, 127, 88, RemarkOuter);
        row("start: square 2, row 0", 1, 0, 100, 30, Background);
        row("start: square 2, row 2", 1, 0, 100, 100, Background);
        // The view ends 57 pixels into square 4.
        row("start: square 4 at the view's end", 1, 0, 246, 70, RemarkInner);
        // The field around: square -1 and the rows around the table are background.
        row("start: square -1", 1, -SpareWidth, 10, 20, Background);
        row("start: square -1, its right edge", 1, -SpareWidth, 69, 20, Background);
        row("start: row -1 over square 0", 1, -SpareWidth, 70, 9, Background);
        row("start: row -1 over square 2", 1, -SpareWidth, 200, 9, Background);
        row("start: row -1 over square 5", 1, SpareWidth, 189, 9, Background);
        row("start: left of the grid", 1, -SpareWidth, 5, 20, White);

        // Square 6, lucky, framed by exactly two pixels on every side; the
        // heroine covers the middle, so look beside her figure. Squares 5 back,
        // 7 stamina, 8 back, 9 forward.
        row("lucky: frame's corner", 6, 0, 10, 50, LuckyOuter);
        row("lucky: frame's inner corner", 6, 0, 11, 51, LuckyOuter);
        row("lucky: inside", 6, 0, 12, 52, LuckyInner);
        row("lucky: last inner pixel", 6, 0, 67, 87, LuckyInner);
        row("lucky: right frame", 6, 0, 68, 87, LuckyOuter);
        row("lucky: bottom frame", 6, 0, 67, 88, LuckyOuter);
        row("lucky: far corner", 6, 0, 69, 89, LuckyOuter);
        // The ten pixels of square 5 are the right end of a back cell: inner then frame.
        row("lucky: square 5 inside", 6, 0, 7, 70, BackInner);
        row("lucky: square 5 frame", 6, 0, 8, 70, BackOuter);
        row("lucky: square 5 edge", 6, 0, 9, 70, BackOuter);
        row("lucky: square 7", 6, 0, 100, 70, StaminaInner);
        row("lucky: square 7 frame", 6, 0, 70, 70, StaminaOuter);
        row("lucky: square 8", 6, 0, 160, 70, BackInner);
        row("lucky: square 9", 6, 0, 220, 70, ForwardInner);
        row("lucky: square 9 frame", 6, 0, 190, 51, ForwardOuter);
        // Only the walking row is coloured between the blocks.
        for (int x : {5, 60, 100, 160, 220, 246}) {
            QTest::addRow("lucky: row 0 at x %d", x) << 6 << 0 << x << 12 << Background;
            QTest::addRow("lucky: row 2 at x %d", x) << 6 << 0 << x << 95 << Background;
        }

        // The goal block is outlined on its left, and the course ends in background.
        row("goal: square 100 goes back 9", 101, 0, 5, 70, BackInner);
        row("goal: place 4, left outline", 101, 0, 10, 80, BlockOuter);
        row("goal: place 4, inside", 101, 0, 11, 80, BlockInner);
        row("goal: no outline towards square 102", 101, 0, 69, 80, BlockInner);
        row("goal: place 1, left", 101, 0, 10, 30, BlockOuter);
        row("goal: place 1, top", 101, 0, 60, 10, BlockOuter);
        row("goal: place 1, inside", 101, 0, 60, 11, BlockInner);
        row("goal: square 102, place 2, top", 101, 0, 100, 10, BlockOuter);
        row("goal: no outline between the block's columns", 101, 0, 70, 30, BlockInner);
        row("goal: row 0 of square 100 is empty", 101, 0, 5, 30, Background);
        row("goal: above the table", 101, 0, 5, 9, Background);
        row("goal: square 106 has no right outline", 105, 0, 129, 70, BlockInner);
        row("goal: square 106, place 9", 105, 0, 129, 100, BlockInner);
        for (int y : {5, 30, 70, 100}) {
            QTest::addRow("goal: square 107 is outside the course, y %d", y)
                << 105 << 0 << 130 << y << Background;
            QTest::addRow("goal: the view's end outside the course, y %d", y)
                << 105 << 0 << 246 << y << Background;
        }
        row("goal: square 107 in the field", 105, SpareWidth, 10, 50, Background);
        row("goal: square 109 in the field", 105, SpareWidth, 189, 50, Background);

        // The heroine is drawn masked over her cell: her figure at
        // (25, 16)..(54, 65); the rest of her 50 x 70 picture is transparent.
        row("heroine: figure's top left", 1, 0, 25, 16, FrameColours[1]);
        row("heroine: figure's bottom right", 1, 0, 54, 65, FrameColours[1]);
        row("heroine: left of the figure, inside her picture", 1, 0, 24, 16, BlockInner);
        row("heroine: above the figure's corner", 1, 0, 25, 15, BlockInner);
        row("heroine: right of the figure", 1, 0, 55, 60, BlockInner);
        row("heroine: below the figure, at her feet", 1, 0, 40, 66, BlockInner);
        row("heroine: above the figure, still inside her picture", 1, 0, 40, 8, Background);
    }
    void theCourseShowsEachSquareInItsColours() {
        QFETCH(int, square);
        QFETCH(int, scroll);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QRgb, colour);
        view->initialise();
        view->setUp(recordOn(square));
        if (scroll != 0) {
            view->drawScrolled(scroll > 0 ? Direction::Forward : Direction::Backward,
                               std::abs(scroll));
        }
        QCOMPARE(pixel(shown(*view), x, y), pixel(x, y, colour));
    }

    void theHeroineStandsCentredOnHerSquareByHerSize() {
        view->initialise();
        view->setUp(recordOn(1));
        QCOMPARE(frameShown(shown(*view)), StandingImage);

        // Her picture's place follows the record's size: (60 - 21) / 2 + 10,
        // truncated, across; her feet two thirds down her square.
        GameRecord small = recordOn(1);
        small.heroineWidth = 21;
        small.heroineHeight = 31;
        view->setUp(small);
        const QImage picture = shown(*view);
        const int left = 29 + FigureLeft, top = 45 + FigureTop;
        QCOMPARE(pixel(picture, left, top), pixel(left, top, FrameColours[1]));
        QCOMPARE(pixel(picture, left - 1, top), pixel(left - 1, top, BlockInner));
        QCOMPARE(pixel(picture, left, top - 1), pixel(left, top - 1, BlockInner));
        const int right = left + FigureWidth - 1, bottom = top + FigureHeight - 1;
        QCOMPARE(pixel(picture, right, bottom), pixel(right, bottom, FrameColours[1]));
        QCOMPARE(pixel(picture, right + 1, bottom), pixel(right + 1, bottom, BlockOuter));
    }

    void posesDrawTheGivenImageAndNothingForImagesThatDoNotExist() {
        view->initialise();
        view->setUp(recordOn(1));
        const QImage empty = restPicture(1, -1);
        QCOMPARE(frameShown(empty), -1);

        view->showPose(3);
        QCOMPARE(frameShown(shown(*view)), 3);
        for (std::int32_t missing : {5, 99, -1, std::numeric_limits<std::int32_t>::min()}) {
            view->showPose(missing);
            QCOMPARE(firstDifference(shown(*view), empty, QStringLiteral("image %1").arg(missing)),
                     QString());
        }

        GameRecord noImages = recordOn(1);
        noImages.heroineImages = nullptr;
        view->setUp(noImages);
        QCOMPARE(firstDifference(shown(*view), empty), QString());
        view->showPose(StandingImage);
        QCOMPARE(firstDifference(shown(*view), empty), QString());
    }

    void settingUpTwiceGivesTheSamePicture() {
        view->initialise();
        view->setUp(recordOn(30));
        const QImage first = shown(*view);
        view->setUp(recordOn(30));
        QCOMPARE(firstDifference(shown(*view), first), QString());
        QVERIFY(boxes.isEmpty());
    }

    void beforeInitialiseTheViewStaysWhiteAndRefusesASetUp() {
        QImage white(ViewWidth, ViewHeight, QImage::Format_RGB32);
        white.fill(White);
        QCOMPARE(view->animation(), CourseAnimation::Idle);
        QCOMPARE(firstDifference(shown(*view), white), QString());
        // Nothing drawn before the geometry exists reads outside the bitmaps.
        view->showPose(StandingImage);
        view->drawScrolled(Direction::Forward, Quarter);
        view->shiftField(Direction::Forward);
        view->shiftField(Direction::Backward);
        QCOMPARE(firstDifference(shown(*view), white), QString());

        view->freezeAtGameOver();
        view->setUp(recordOn(1));
        QCOMPARE(boxes, QStringList{QStringLiteral(
                            "not Execute InitDisplay from CourseView::SetMainDisplay")});
        QVERIFY2(view->animation() == CourseAnimation::Idle, "the state is reset before the check");
        QCOMPARE(firstDifference(shown(*view), white), QString());
        // The refused record is not kept: a walk still has none.
        boxes.clear();
        view->startWalk(1);
        QCOMPARE(boxes, QStringList{QStringLiteral("Don't execute SetMainDisplay from StartWalk")});
        QVERIFY(!timer().isActive());
    }

    void drawScrolledShowsTheFieldWindowMovedByTheOffset() {
        view->initialise();
        view->setUp(recordOn(20));
        const QImage field = fieldAround(20);
        const auto window = [&](int left) { return field.copy(left, 0, ViewWidth, ViewHeight); };

        view->drawScrolled(Direction::Forward, Quarter);
        QCOMPARE(firstDifference(shown(*view), window(RestLeft + Quarter)), QString());
        view->drawScrolled(Direction::Backward, 3 * Quarter);
        QCOMPARE(firstDifference(shown(*view), window(RestLeft - 3 * Quarter)), QString());
        // No window goes past the spare cells, whatever the offset.
        view->drawScrolled(Direction::Forward, 100000);
        QCOMPARE(firstDifference(shown(*view), window(2 * SpareWidth)), QString());
        view->drawScrolled(Direction::Backward, std::numeric_limits<int>::max());
        QCOMPARE(firstDifference(shown(*view), window(0)), QString());
        view->drawScrolled(Direction::Forward, std::numeric_limits<int>::min());
        QCOMPARE(firstDifference(shown(*view), window(0)), QString());
    }

    void shiftingSquareBySquareMatchesAFreshPictureAlongTheWholeCourse() {
        // After each shift the whole grid of the field must be what a fresh
        // set-up draws: the windows scrolled as far as they go either way show
        // all of it, left of the grid's start and right of its end aside.
        const QRect leftPart(GridLeft, 0, ViewWidth - GridLeft, ViewHeight);
        const QRect rightPart(0, 0, GridRight - 2 * SpareWidth, ViewHeight);
        const auto matchesFresh = [&](int square, int image, const QString& way) {
            const QImage field = fieldAround(square);
            const QString where = way + QStringLiteral(" onto square %1").arg(square);
            view->drawScrolled(Direction::Backward, SpareWidth);
            QString difference = firstDifference(shown(*view).copy(leftPart), field.copy(leftPart),
                                                 where + QStringLiteral(", field's left"));
            if (difference.isEmpty()) {
                view->drawScrolled(Direction::Forward, SpareWidth);
                difference = firstDifference(shown(*view).copy(rightPart),
                                             field.copy(rightPart.translated(2 * SpareWidth, 0)),
                                             where + QStringLiteral(", field's right"));
            }
            if (difference.isEmpty()) {
                view->showPose(image);
                difference = firstDifference(shown(*view), restPicture(square, image),
                                             where + QStringLiteral(", at rest"));
            }
            return difference;
        };
        view->initialise();
        view->setUp(recordOn(-1));
        for (int square = 0; square <= 108; ++square) {
            view->shiftField(Direction::Forward);
            QCOMPARE(matchesFresh(square, StandingImage, QStringLiteral("forward")), QString());
        }
        for (int square = 107; square >= -1; --square) {
            view->shiftField(Direction::Backward);
            QCOMPARE(matchesFresh(square, 4, QStringLiteral("backward")), QString());
        }
    }

    void shiftFieldLeavesTheRestPictureWithoutTheHeroine() {
        view->initialise();
        view->setUp(recordOn(40));
        view->shiftField(Direction::Forward);
        const QImage picture = shown(*view);
        QCOMPARE(firstDifference(picture, fieldAround(41).copy(RestLeft, 0, ViewWidth, ViewHeight)),
                 QString());
        QCOMPARE(frameShown(picture), -1);
    }

    void thePanelAndThePaintBoxSitWhereTheMainWindowExpectsThem() {
        BevelPanel* panel = view;
        QCOMPARE(panel->parentWidget(), window.get());
        QCOMPARE(panel->size(), QSize(251, 114));
        QCOMPARE(panel->bevelOuter(), BevelPanel::Bevel::Lowered);
        QCOMPARE(panel->bevelInner(), BevelPanel::Bevel::None);
        QCOMPARE(panel->bevelWidth(), 2);
        QVERIFY(!panel->isVisibleTo(window.get()));
        QCOMPARE(view->viewBox()->parentWidget(), panel);
        QCOMPARE(view->viewBox()->geometry(), QRect(2, 2, ViewWidth, ViewHeight));
        QVERIFY(view->viewBox()->isVisibleTo(panel));

        view->move(0, 125);
        view->show();
        QCOMPARE(panel->pos(), QPoint(0, 125));
        QVERIFY(panel->isVisibleTo(window.get()));
        view->hide();
        QVERIFY(!panel->isVisibleTo(window.get()));
    }

    void onlyPosesAndFramesReachTheScreenAndARepaintShowsTheLastFrame() {
        // Counts the paint events that reach the paint box.
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
        window->resize(260, 320);
        window->show();
        view->move(0, 125);
        view->show();
        view->initialise();
        QApplication::processEvents();
        PaintCounter counter;
        view->viewBox()->installEventFilter(&counter);

        view->setUp(recordOn(12));
        QApplication::processEvents();
        QVERIFY2(counter.paints == 0, "setUp composes off-screen only");

        view->showPose(3);
        QApplication::processEvents();
        QVERIFY(counter.paints >= 1);

        const QImage onScreen =
            view->viewBox()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(firstDifference(onScreen, restPicture(12, 3)), QString());
        view->viewBox()->removeEventFilter(&counter);
    }

    void theViewGoesWithItsWindowAndTakesItsPaintBoxAlong() {
        auto owner = std::make_unique<QWidget>();
        QPointer<AnimatedCourseView> owned =
            new AnimatedCourseView(course, ViewWidth, ViewHeight, owner.get());
        owned->initialise();
        owner.reset();
        QVERIFY(owned.isNull());

        QWidget other;
        { AnimatedCourseView local(course, ViewWidth, ViewHeight, &other); }
        QVERIFY2(other.findChildren<QWidget*>().isEmpty(), "the view takes its paint box along");
    }

    // --- the animations -------------------------------------------------------

    void theEntryDropsHerInInElevenTicksAndThenReportsItsEnd() {
        view->initialise();
        view->setUp(recordOn(1));
        const QImage rest = shown(*view);
        const QImage bare = fieldAround(1).copy(RestLeft, 0, ViewWidth, ViewHeight);
        view->startEntry();
        QCOMPARE(view->animation(), CourseAnimation::Entry);
        QCOMPARE(animationInterval(), 20);

        // She starts with her picture just above the view, at its left edge,
        // and moves (1, 7) a tick in her moving image.
        for (int tick = 1; tick <= 10; ++tick) {
            view->animationTick();
            QCOMPARE(takePosted(), QStringList());
            QCOMPARE(view->animation(), CourseAnimation::Entry);
            const QImage picture = shown(*view);
            // Her figure's bottom-left corner, cut off above the view.
            const int figureX = tick + FigureLeft, figureBottom = -70 + 7 * tick + FigureTop + 49;
            if (figureBottom < 0) {
                QCOMPARE(firstDifference(picture, bare, QStringLiteral("tick %1").arg(tick)),
                         QString());
                continue;
            }
            QCOMPARE(pixel(picture, figureX, figureBottom),
                     pixel(figureX, figureBottom, FrameColours[0]));
            QVERIFY2(picture.pixel(figureX - 1, figureBottom) != FrameColours[0],
                     qPrintable(QStringLiteral("tick %1: left of her corner").arg(tick)));
            QVERIFY2(picture.pixel(figureX, figureBottom + 1) != FrameColours[0],
                     qPrintable(QStringLiteral("tick %1: below her corner").arg(tick)));
        }
        view->animationTick();
        QCOMPARE(view->animation(), CourseAnimation::Idle);
        QCOMPARE(animationInterval(), 0);
        QCOMPARE(takePosted(), QStringList{End});
        QCOMPARE(
            firstDifference(shown(*view), rest, QStringLiteral("she stands in her rest image")),
            QString());

        view->animationTick();
        QVERIFY2(takePosted().isEmpty(), "a stray tick after the end does nothing");
    }

    void anAbsurdHeroineSizeStillLetsTheEntryEnd() {
        GameRecord broken = recordOn(1);
        broken.heroineWidth = std::numeric_limits<std::int32_t>::min();
        broken.heroineHeight = std::numeric_limits<std::int32_t>::max();
        view->initialise();
        view->setUp(broken);
        view->startEntry();
        int ticks = 0;
        while (view->animation() == CourseAnimation::Entry && ticks < 100000) {
            view->animationTick();
            ++ticks;
        }
        QVERIFY2(view->animation() == CourseAnimation::Idle,
                 qPrintable(QStringLiteral("still entering after %1 ticks").arg(ticks)));
        QCOMPARE(takePosted(), QStringList{End});
    }

    // Counts below one walk one square too: the walk ends at the first square
    // that leaves at most one to go.
    void aWalkOfOneSquareTakesFourTicksAndReportsItsStepBeforeItsEnd_data() {
        QTest::addColumn<int>("squares");
        QTest::newRow("one") << 1;
        QTest::newRow("none") << 0;
        QTest::newRow("negative") << -7;
        QTest::newRow("least int") << std::numeric_limits<std::int32_t>::min();
    }
    void aWalkOfOneSquareTakesFourTicksAndReportsItsStepBeforeItsEnd() {
        QFETCH(int, squares);
        view->initialise();
        view->setUp(recordOn(10));
        const QImage field = fieldAround(10);
        view->startWalk(squares);
        QCOMPARE(view->animation(), CourseAnimation::Walk);
        QCOMPARE(animationInterval(), 150);

        for (int tick = 1; tick <= 3; ++tick) {
            view->animationTick();
            QCOMPARE(takePosted(), QStringList());
            // Below her feet the view shows the field moved on by a quarter square a tick.
            QCOMPARE(firstDifference(belowHerFeet(shown(*view)),
                                     belowHerFeet(field, RestLeft + Quarter * tick),
                                     QStringLiteral("tick %1").arg(tick)),
                     QString());
        }
        view->animationTick();
        QCOMPARE(takePosted(), (QStringList{Step, End}));
        QCOMPARE(view->animation(), CourseAnimation::Idle);
        QCOMPARE(animationInterval(), 0);
        QCOMPARE(firstDifference(shown(*view), restPicture(11),
                                 QStringLiteral("she ends at rest on the next square")),
                 QString());
        QVERIFY(boxes.isEmpty());
    }

    void longWalksShowTheCourseTickByTickWhereverTheFieldsRingHasTurned() {
        // The field turns as a ring of columns, so windows soon run over its
        // seam and are copied in two pieces; twenty squares turn it more than
        // twice round. Below her feet every frame must still show the course
        // as a fresh field does, a quarter square on per tick.
        view->initialise();
        view->setUp(recordOn(2));
        view->startWalk(20);
        for (int square = 2; square < 22; ++square) {
            const QImage fresh = fieldAround(square);
            for (int quarter = 1; quarter <= 4; ++quarter) {
                view->animationTick();
                const QImage expected = quarter < 4
                                            ? belowHerFeet(fresh, RestLeft + Quarter * quarter)
                                            : belowHerFeet(fieldAround(square + 1), RestLeft);
                QCOMPARE(firstDifference(belowHerFeet(shown(*view)), expected,
                                         QStringLiteral("forward from square %1, quarter %2")
                                             .arg(square)
                                             .arg(quarter)),
                         QString());
            }
        }
        QCOMPARE(takePosted().count(), 21);

        view->setUp(recordOn(60));
        view->backWalk(20);
        for (int square = 60; square > 40; --square) {
            const QImage fresh = fieldAround(square);
            for (int quarter = 1; quarter <= 4; ++quarter) {
                view->animationTick();
                const QImage expected = quarter < 4
                                            ? belowHerFeet(fresh, RestLeft - Quarter * quarter)
                                            : belowHerFeet(fieldAround(square - 1), RestLeft);
                QCOMPARE(
                    firstDifference(
                        belowHerFeet(shown(*view)), expected,
                        QStringLiteral("back from square %1, quarter %2").arg(square).arg(quarter)),
                    QString());
            }
        }
        QCOMPARE(firstDifference(shown(*view), restPicture(40, 4)), QString());
    }

    void theWalkCyclesItsFramesIndependentlyOfTheSquares() {
        view->initialise();
        view->setUp(recordOn(10));
        view->startWalk(2);
        QCOMPARE(framesOver(8), (QList<int>{0, 1, 2, 1, 0, 1, 2, 1}));
        QCOMPARE(takePosted(), (QStringList{Step, Step, End}));
        QCOMPARE(firstDifference(shown(*view), restPicture(12)), QString());
    }

    void theWalkFurtherRunsItsEightFramesAtItsOwnInterval() {
        view->initialise();
        view->setUp(recordOn(24));
        view->forwardWalk(2);
        QCOMPARE(view->animation(), CourseAnimation::Forward);
        QCOMPARE(animationInterval(), 100);
        QList<int> frames;
        QStringList reports;
        for (int tick = 1; tick <= 8; ++tick) {
            view->animationTick();
            frames.push_back(frameShown(shown(*view)));
            const QStringList now = takePosted();
            QVERIFY2(now.isEmpty() || tick == 4 || tick == 8,
                     qPrintable(QStringLiteral("reported in tick %1").arg(tick)));
            reports += now;
        }
        QCOMPARE(frames, (QList<int>{0, 0, 0, 1, 2, 2, 2, 1}));
        QCOMPARE(reports, (QStringList{Step, Step, End}));
        QCOMPARE(firstDifference(shown(*view), restPicture(26)), QString());
    }

    void goingBackThreeSquaresAlternatesItsTwoFramesAndStepsBackThrice() {
        view->initialise();
        view->setUp(recordOn(14));
        const QImage field = fieldAround(14);
        view->backWalk(3);
        QCOMPARE(view->animation(), CourseAnimation::Back);
        QCOMPARE(animationInterval(), 200);

        view->animationTick();
        QCOMPARE(firstDifference(belowHerFeet(shown(*view)),
                                 belowHerFeet(field, RestLeft - Quarter),
                                 QStringLiteral("the course moves right under her")),
                 QString());
        QCOMPARE(frameShown(shown(*view)), 3);
        QList<int> frames = framesOver(11);
        frames.prepend(3);
        QCOMPARE(frames, (QList<int>{3, 4, 3, 4, 3, 4, 3, 4, 3, 4, 3, 4}));
        QCOMPARE(takePosted(), (QStringList{StepBack, StepBack, StepBack, End}));
        QCOMPARE(view->animation(), CourseAnimation::Idle);
        QCOMPARE(firstDifference(shown(*view), restPicture(11, 4)), QString());
    }

    void intervalsComeFromTheRecordAndZeroDoesNotLeaveAWalkHanging_data() {
        QTest::addColumn<CourseAnimation>("animation");
        QTest::addColumn<int>("interval");
        QTest::newRow("walk") << CourseAnimation::Walk << 70;
        QTest::newRow("walk further") << CourseAnimation::Forward << 30;
        QTest::newRow("walk back, asked for 0") << CourseAnimation::Back << 1;
    }
    void intervalsComeFromTheRecordAndZeroDoesNotLeaveAWalkHanging() {
        QFETCH(CourseAnimation, animation);
        QFETCH(int, interval);
        GameRecord custom = recordOn(10);
        custom.walkInterval = 70;
        custom.forwardInterval = 30;
        custom.backInterval = 0;
        view->initialise();
        view->setUp(custom);
        start(*view, animation, 1);
        QCOMPARE(view->animation(), animation);
        QCOMPARE(animationInterval(), interval);
    }

    void oddFrameSequencesNeverReadOutsideTheRecord() {
        GameRecord odd = recordOn(10);
        view->initialise();

        odd.walkFrames.count = 0;
        odd.walkFrames.frames[0] = 2;
        view->setUp(odd);
        view->startWalk(1);
        QCOMPARE(framesOver(4), (QList<int>{2, 2, 2, 2})); // always the first entry

        // Places beyond the twenty entries show image 0, then the sequence starts over.
        odd.walkFrames.count = 22;
        odd.walkFrames.frames.fill(3);
        view->setUp(odd);
        view->startWalk(6);
        const QList<int> frames = framesOver(24);
        QCOMPARE(frames.mid(19, 4), (QList<int>{3, 0, 0, 3}));

        // The longest count steps through the entries one by one.
        odd.walkFrames.count = std::numeric_limits<std::int32_t>::max();
        odd.walkFrames.frames = {3, 2, 4, 0};
        view->setUp(odd);
        view->startWalk(1);
        QCOMPARE(framesOver(4), (QList<int>{3, 2, 4, 0}));

        odd.walkFrames.frames.fill(99); // no such image: nothing is drawn
        view->setUp(odd);
        view->startWalk(1);
        QCOMPARE(framesOver(4), (QList<int>{-1, -1, -1, -1}));
        QCOMPARE(takePosted(), (QStringList{Step, End, Step, Step, Step, Step, Step, Step, End,
                                            Step, End, Step, End}));
    }

    void aHugeWalkKeepsCountingDownSquareBySquare() {
        view->initialise();
        view->setUp(recordOn(10));
        view->startWalk(std::numeric_limits<std::int32_t>::max());
        framesOver(8);
        QCOMPARE(view->animation(), CourseAnimation::Walk);
        QVERIFY(timer().isActive());
        QCOMPARE(takePosted(), (QStringList{Step, Step}));
    }

    void aWalkIsWithoutAHeroineWhenTheRecordHasNoImages() {
        GameRecord noImages = recordOn(10);
        noImages.heroineImages = nullptr;
        view->initialise();
        view->setUp(noImages);
        view->startEntry();
        for (int tick = 0; tick < 11; ++tick) {
            view->animationTick();
        }
        view->startWalk(1);
        QCOMPARE(framesOver(4), (QList<int>{-1, -1, -1, -1}));
        QCOMPARE(takePosted(), (QStringList{End, Step, End}));
    }

    void startsBeforeAnySetUpAreRefusedAndStartNothing_data() { startRows(); }
    void startsBeforeAnySetUpAreRefusedAndStartNothing() {
        QFETCH(CourseAnimation, animation);
        QFETCH(QString, noRecordText);
        view->initialise();
        start(*view, animation);
        QCOMPARE(boxes, QStringList{noRecordText});
        QCOMPARE(view->animation(), CourseAnimation::Idle);
        QCOMPARE(animationInterval(), 0);
        view->animationTick();
        QCOMPARE(takePosted(), QStringList());
    }

    void aStartWhileAWalkRunsIsRefusedAndTheWalkGoesOnUndisturbed_data() { startRows(); }
    void aStartWhileAWalkRunsIsRefusedAndTheWalkGoesOnUndisturbed() {
        QFETCH(CourseAnimation, animation);
        QFETCH(QString, busyText);
        view->initialise();
        view->setUp(recordOn(10));
        const QImage field = fieldAround(10);
        view->startWalk(2);
        view->animationTick();
        const QImage walking = shown(*view);
        start(*view, animation);
        QCOMPARE(boxes, QStringList{busyText});
        QCOMPARE(view->animation(), CourseAnimation::Walk);
        QCOMPARE(animationInterval(), 150);
        QCOMPARE(firstDifference(shown(*view), walking), QString());
        // The walk goes on from its second quarter, frame and square.
        view->animationTick();
        QCOMPARE(firstDifference(belowHerFeet(shown(*view)),
                                 belowHerFeet(field, RestLeft + 2 * Quarter)),
                 QString());
        QCOMPARE(frameShown(shown(*view)), 1);
        QCOMPARE(framesOver(6), (QList<int>{2, 1, 0, 1, 2, 1}));
        QCOMPARE(takePosted(), (QStringList{Step, Step, End}));
    }

    void aFrozenViewRefusesStartsUntilTheNextSetUp_data() { startRows(); }
    void aFrozenViewRefusesStartsUntilTheNextSetUp() {
        QFETCH(CourseAnimation, animation);
        QFETCH(QString, busyText);
        view->initialise();
        view->setUp(recordOn(10));
        view->startWalk(3);
        framesOver(4);
        QCOMPARE(takePosted(), QStringList{Step});
        const QImage frozen = shown(*view);

        view->freezeAtGameOver();
        QCOMPARE(animationInterval(), 0);
        QCOMPARE(view->animation(), CourseAnimation::GameOver);
        view->animationTick();
        QVERIFY2(takePosted().isEmpty(), "the rest of the walk is not walked and not ended");
        QCOMPARE(firstDifference(shown(*view), frozen), QString());

        start(*view, animation);
        QCOMPARE(boxes, QStringList{busyText});
        QCOMPARE(view->animation(), CourseAnimation::GameOver);

        view->setUp(recordOn(11));
        boxes.clear();
        view->startWalk(1);
        QVERIFY(boxes.isEmpty());
        QCOMPARE(view->animation(), CourseAnimation::Walk);
    }

    void stopAnimationStopsTheTimerAndReportsNothing() {
        view->initialise();
        view->setUp(recordOn(10));
        view->startWalk(1);
        view->animationTick();
        view->stopAnimation();
        QCOMPARE(animationInterval(), 0);
        QCOMPARE(takePosted(), QStringList());

        view->initialise();
        view->setUp(recordOn(1));
        view->startEntry();
        QVERIFY2(boxes.isEmpty(), "a new game starts afresh");
        QCOMPARE(animationInterval(), 20);
    }
};

QTEST_MAIN(CourseViewTest)
#include "course_view_test.moc"
