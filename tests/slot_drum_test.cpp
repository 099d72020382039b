#include "Artwork.h"
#include "DrumRandom.h"
#include "Fonts.h"
#include "ImageList.h"
#include "SlotDrum.h"

#include <QApplication>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <limits>
#include <memory>
#include <optional>
#include <set>

// The slot drum on its real widgets offscreen, read as the player sees it: the
// picture it paints, its button's caption, the signals it sends and what a
// screen reader is told.
namespace {

constexpr int H = SlotDrum::CellHeight;
constexpr int NumberLeft = SlotDrum::ArrowColumnWidth;
constexpr int DigitWidth = SlotDrum::DigitWidth;
constexpr int RestOffset = SlotDrum::RestOffset;
constexpr int Cells = SlotDrum::StripCells;
constexpr QRgb Blank = qRgb(255, 255, 255);

// The face a cell of the strip shows: a drum number that has one, NoFace for
// any number without one (a blank cell), or Unknown where the test has not
// seen the cell yet.
constexpr int NoFace = 0;
constexpr int Unknown = -1;
using Strip = std::array<int, Cells>;

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

// Whether the cells in view at rest are known.
bool restKnown(const Strip& strip) {
    return std::none_of(strip.begin() + 1, strip.end(), [](int face) { return face == Unknown; });
}

QString stripText(const Strip& strip) {
    QStringList cells;
    for (int face : strip) {
        cells << (face == Unknown ? QStringLiteral("?") : QString::number(face));
    }
    return cells.join(u' ');
}

} // namespace

class SlotDrumTest : public QObject {
    Q_OBJECT

private:
    static constexpr std::uint32_t Seed = 20240607;

    ImageList arrows{22, 30};
    ImageList digits{28, 30};
    GameRecord record;
    std::unique_ptr<QWidget> window;
    SlotDrum* drum = nullptr;
    std::unique_ptr<QSignalSpy> stops;
    std::unique_ptr<QSignalSpy> confirms;

    // The drum as a game starts it, with `record` as the live record.
    void newGame() {
        drum->reset();
        drum->setUp(record);
    }
    void click() { drum->slotButton()->click(); }
    QString caption() const { return drum->slotButton()->text(); }
    QTimer* spinTimer() const { return drum->findChild<QTimer*>(QStringLiteral("spinTimer")); }
    bool spinning() const { return spinTimer()->isActive(); }
    const QImage& picture() const { return drum->paintBox()->Picture(); }
    // Ticks until the drum rests; returns how many ticks that took.
    int ticksToHalt() {
        int ticks = 0;
        while (spinning() && ticks < 1000) {
            drum->spinTick();
            ++ticks;
        }
        return ticks;
    }
    // A whole spin: Start, one tick, Stop, and on to the halt.
    void spin() {
        click();
        drum->spinTick();
        click();
        ticksToHalt();
    }
    QList<int> stoppedOn() const {
        QList<int> numbers;
        for (const QList<QVariant>& report : *stops) {
            numbers << report.at(0).toInt();
        }
        return numbers;
    }
    QList<SquareKind> confirmed() const {
        QList<SquareKind> kinds;
        for (const QList<QVariant>& report : *confirms) {
            kinds << report.at(0).value<SquareKind>();
        }
        return kinds;
    }

    // The face of drum number `number`.
    int faceOf(std::int64_t number) const {
        return number >= 1 && number <= digits.count() ? static_cast<int>(number) : NoFace;
    }
    // Every face, and the blank cell.
    QList<int> allFaces() const {
        QList<int> faces{NoFace};
        for (int n = 1; n <= digits.count(); ++n) {
            faces << n;
        }
        return faces;
    }
    // The faces the record's range can put on the drum.
    QList<int> facesInRange() const {
        const std::int64_t low = std::min(record.drumMin, record.drumMax);
        const std::int64_t high = std::max(record.drumMin, record.drumMax);
        QList<int> faces;
        for (int n = 1; n <= digits.count(); ++n) {
            if (n >= low && n <= high) {
                faces << n;
            }
        }
        if (low < 1 || high > digits.count()) {
            faces << NoFace;
        }
        return faces;
    }
    // Whether the number column of `image` shows `face` where cell `cell` of
    // the strip seen from `offset` falls; true when that cell is out of view.
    bool cellShows(const QImage& image, int cell, int offset, int face) const {
        const QRect inView =
            QRect(0, cell * H, DigitWidth, H) & QRect(0, offset, DigitWidth, VisibleRows);
        for (int y = inView.top(); y <= inView.bottom(); ++y) {
            for (int x = 0; x < DigitWidth; ++x) {
                const QRgb want =
                    face == NoFace ? Blank : digits.frame(face - 1).pixel(x, y - cell * H);
                if ((image.pixel(NumberLeft + x, y - offset) ^ want) & RGB_MASK) {
                    return false;
                }
            }
        }
        return true;
    }
    // The faces of the range that fit cell `cell` of the strip seen from `offset`.
    QList<int> facesFitting(const QImage& image, int cell, int offset) const {
        return facesFitting(image, cell, offset, facesInRange());
    }
    QList<int> facesFitting(const QImage& image, int cell, int offset,
                            const QList<int>& faces) const {
        QList<int> fitting;
        for (int face : faces) {
            if (cellShows(image, cell, offset, face)) {
                fitting << face;
            }
        }
        return fitting;
    }
    bool stripShows(const QImage& image, const Strip& strip, int offset) const {
        for (int cell = 0; cell < Cells; ++cell) {
            const bool fits = strip[cell] == Unknown ? !facesFitting(image, cell, offset).isEmpty()
                                                     : cellShows(image, cell, offset, strip[cell]);
            if (!fits) {
                return false;
            }
        }
        return true;
    }
    // The offsets from which the number column of `image` shows `strip`. One
    // offset and no other is where the drum stands.
    QList<int> offsetsShowing(const QImage& image, const Strip& strip) const {
        QList<int> offsets;
        for (int offset = 0; offset <= RestOffset; ++offset) {
            if (stripShows(image, strip, offset)) {
                offsets << offset;
            }
        }
        return offsets;
    }
    QList<int> offsetsShowing(const Strip& strip) const { return offsetsShowing(picture(), strip); }
    // The face of the cell at the top of the view, which a tick to offset 0
    // shows whole; Unknown unless exactly one of `faces` fits.
    int topFace() const { return topFace(facesInRange()); }
    int topFace(const QList<int>& faces) const {
        const QList<int> fitting = facesFitting(picture(), 0, 0, faces);
        return fitting.size() == 1 ? fitting.front() : Unknown;
    }
    // The strip as the resting picture shows it: cells 1 to 3 in view, each
    // read from its face; Unknown where no face or more than one fits.
    Strip restStrip() const {
        Strip strip{Unknown, Unknown, Unknown, Unknown};
        for (int cell = 1; cell < Cells; ++cell) {
            const QList<int> fitting = facesFitting(picture(), cell, RestOffset);
            if (fitting.size() == 1) {
                strip[cell] = fitting.front();
            }
        }
        return strip;
    }
    // What a screen reader is told: the faces of the numbers in view, top
    // down, and of the one beside the arrow; empty while the drum turns.
    std::optional<std::array<int, 4>> described() const {
        static const QRegularExpression text(
            QStringLiteral("^(-?\\d+) (-?\\d+) (-?\\d+) \\(矢印: (-?\\d+)\\)$"));
        const QRegularExpressionMatch match = text.match(drum->paintBox()->accessibleDescription());
        if (!match.hasMatch()) {
            return std::nullopt;
        }
        std::array<int, 4> faces{};
        for (int i = 0; i < 4; ++i) {
            faces[i] = faceOf(match.captured(i + 1).toLongLong());
        }
        return faces;
    }
    // The strip whose cells in view hold the described numbers.
    std::optional<Strip> describedStrip() const {
        const auto told = described();
        return told ? std::optional(Strip{Unknown, (*told)[0], (*told)[1], (*told)[2]})
                    : std::nullopt;
    }

    static constexpr int VisibleRows = SlotDrum::VisibleCells * H;

private slots:
    void initTestCase() {
        registerFontSubstitutes();
        Artwork::loadArrowImages(arrows);
        Artwork::loadDigitImages(digits);
        // The test reads the numbers from their faces, so no face may look
        // like another or like a blank cell.
        QImage blank(DigitWidth, H, QImage::Format_RGB32);
        blank.fill(Blank);
        for (int i = 0; i < digits.count(); ++i) {
            QVERIFY2(!shows(digits.frame(i), {0, 0}, blank), qPrintable(QString::number(i)));
            for (int j = 0; j < i; ++j) {
                QVERIFY2(!shows(digits.frame(i), {0, 0}, digits.frame(j)),
                         qPrintable(QStringLiteral("faces %1 and %2 must differ").arg(i).arg(j)));
            }
        }
    }
    void init() {
        seedRandom(Seed);
        fillDefaultRecord(record, nullptr);
        window = std::make_unique<QWidget>();
        window->setFont(gameFont(12));
        drum = new SlotDrum(arrows, digits, window.get());
        stops = std::make_unique<QSignalSpy>(drum, &SlotDrum::stopped);
        confirms = std::make_unique<QSignalSpy>(drum, &SlotDrum::eventConfirmed);
    }
    void cleanup() {
        stops.reset();
        confirms.reset();
        window.reset();
    }

    void panelsSitWhereTheMainWindowExpectsThem() {
        BevelPanel* outer = drum;
        QCOMPARE(outer->parentWidget(), window.get());
        QCOMPARE(outer->size(), QSize(125, 106));
        QVERIFY2(outer->isHidden(), "hidden until a game shows it");
        QCOMPARE(outer->bevelInner(), BevelPanel::Bevel::None);
        QCOMPARE(outer->bevelOuter(), BevelPanel::Bevel::Raised);
        QCOMPARE(outer->bevelWidth(), 1);
        auto* inner = drum->findChild<BevelPanel*>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(inner);
        QCOMPARE(inner->geometry(), QRect(4, 4, 58, 98));
        QCOMPARE(inner->bevelInner(), BevelPanel::Bevel::Lowered);
        QCOMPARE(inner->bevelOuter(), BevelPanel::Bevel::Raised);
        QCOMPARE(inner->bevelWidth(), 2);
        QCOMPARE(drum->paintBox()->parentWidget(), inner);
        QCOMPARE(drum->paintBox()->geometry(), QRect(4, 4, 50, 90));
        QCOMPARE(picture().size(), QSize(50, 90));
        QCOMPARE(drum->slotButton()->parentWidget(), outer);
        QCOMPARE(drum->slotButton()->geometry(), QRect(66, 28, 54, 50));
        QCOMPARE(drum->slotButton()->font().family(), GameFontFamily);
        QCOMPARE(drum->slotButton()->font().pixelSize(), 12);
        QVERIFY(spinTimer());
        QVERIFY(!spinning());
        QVERIFY(caption().isEmpty());
    }

    void everyOfferSetsItsCaptionAndWhatAClickDoes_data() {
        QTest::addColumn<SquareKind>("kind");
        QTest::addColumn<QString>("caption");
        QTest::newRow("start") << SquareKind::Start << QStringLiteral("スタート");
        QTest::newRow("remark") << SquareKind::Remark << QStringLiteral("ＯＫ");
        QTest::newRow("lucky") << SquareKind::Lucky << QStringLiteral("ラッキー");
        QTest::newRow("stamina up") << SquareKind::StaminaUp << QStringLiteral("体力上昇");
        QTest::newRow("forward") << SquareKind::Forward << QStringLiteral("更に進む");
        QTest::newRow("back") << SquareKind::Back << QStringLiteral("も、戻る");
    }
    void everyOfferSetsItsCaptionAndWhatAClickDoes() {
        QFETCH(SquareKind, kind);
        QFETCH(QString, caption);
        // An offer replaces the one before.
        drum->offerEvent(kind == SquareKind::Back ? SquareKind::Lucky : SquareKind::Back);
        drum->offerEvent(kind);
        QCOMPARE(this->caption(), caption);
        click();
        if (kind == SquareKind::Start) {
            QVERIFY(spinning());
            QCOMPARE(this->caption(), QStringLiteral("ストップ"));
            QVERIFY(confirmed().isEmpty());
        } else {
            QVERIFY(!spinning());
            QVERIFY(this->caption().isEmpty());
            QCOMPARE(confirmed(), QList<SquareKind>{kind});
        }
        QVERIFY(stops->isEmpty());
    }

    void kindsWithoutAnEventChangeNothingAndIdleIsBlank() {
        drum->setButtonMode(DrumButtonMode::Stop);
        QCOMPARE(caption(), QStringLiteral("ストップ"));
        drum->offerEvent(SquareKind::Forward);
        for (SquareKind kind : {SquareKind::Empty, SquareKind::Goal}) {
            drum->offerEvent(kind);
            QCOMPARE(caption(), QStringLiteral("更に進む"));
        }
        click(); // still the forward offer
        QCOMPARE(confirmed(), QList<SquareKind>{SquareKind::Forward});
        drum->offerEvent(SquareKind::Lucky);
        drum->setIdle();
        QVERIFY(caption().isEmpty());
        click(); // an idle button does nothing
        QCOMPARE(confirmed(), QList<SquareKind>{SquareKind::Forward});
        QVERIFY(!spinning());
    }

    void squareModesPostTheirKindOnceAndTheIdleButtonDoesNothing() {
        click(); // before any mode is set
        drum->setIdle();
        click();
        QVERIFY(confirms->isEmpty());
        QVERIFY(stops->isEmpty());
        QVERIFY(!spinning());
        const QList<SquareKind> kinds{SquareKind::Remark, SquareKind::Lucky, SquareKind::StaminaUp,
                                      SquareKind::Forward, SquareKind::Back};
        for (SquareKind kind : kinds) {
            drum->offerEvent(kind);
            click();
            // A second click before the controller has the event posts nothing:
            // a double click must not take a stamina square or a walk twice.
            click();
            QVERIFY2(caption().isEmpty(), qPrintable(caption()));
            QVERIFY(!spinning());
        }
        QCOMPARE(confirmed(), kinds);
        QVERIFY(stops->isEmpty());
    }

    void aDoubleClickOnAnEventCaptionHandsTheEventOverOnce_data() {
        QTest::addColumn<SquareKind>("kind");
        QTest::newRow("stamina up") << SquareKind::StaminaUp;
        QTest::newRow("forward") << SquareKind::Forward;
    }
    void aDoubleClickOnAnEventCaptionHandsTheEventOverOnce() {
        QFETCH(SquareKind, kind);
        drum->move(120, 0);
        drum->show();
        window->show();
        drum->offerEvent(kind);
        // What a double click delivers: press, release, double-click press, release.
        QPushButton* button = drum->slotButton();
        QTest::mousePress(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton);
        QTest::mouseDClick(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton);
        QCOMPARE(confirmed(), QList<SquareKind>{kind});
    }

    void spaceAndEnterPressTheFocusedButton() {
        newGame();
        QTest::keyClick(drum->slotButton(), Qt::Key_Space);
        QVERIFY(spinning());
        QCOMPARE(caption(), QStringLiteral("ストップ"));
        QTest::keyClick(drum->slotButton(), Qt::Key_Return);
        QVERIFY(caption().isEmpty());
        // Stop was asked for: the drum halts at the second boundary.
        QCOMPARE(ticksToHalt(), 2);
        QCOMPARE(stops->size(), 1);
    }

    void withTheDefaultsTheFirstTickPassesNoBoundaryAndEveryLaterOneDoes() {
        newGame();
        Strip strip = restStrip();
        QVERIFY(restKnown(strip));
        QVERIFY2(describedStrip() == strip, qPrintable(drum->paintBox()->accessibleDescription()));
        click();
        QCOMPARE(spinTimer()->interval(), 10);
        QCOMPARE(caption(), QStringLiteral("ストップ"));
        drum->spinTick();
        // A whole cell down: the top cell comes into view, the others unchanged.
        QCOMPARE(offsetsShowing(strip), QList<int>{0});
        strip[0] = topFace();
        QVERIFY(strip[0] != Unknown);
        for (int tick = 0; tick < 3; ++tick) {
            strip = {Unknown, strip[0], strip[1], strip[2]};
            drum->spinTick();
            QVERIFY2(offsetsShowing(strip) == QList<int>{0},
                     qPrintable(QStringLiteral("tick %1: %2").arg(tick).arg(stripText(strip))));
            strip[0] = topFace();
            QVERIFY(strip[0] != Unknown);
        }
        QVERIFY(stops->isEmpty());
    }

    void aStopBeforeTheFirstTickHaltsOnTheSecondAndPostsTheArrowRow_data() {
        QTest::addColumn<int>("arrow");
        QTest::newRow("arrow at the top") << 0;
        QTest::newRow("arrow in the middle") << 1;
        QTest::newRow("arrow at the bottom") << 2;
    }
    void aStopBeforeTheFirstTickHaltsOnTheSecondAndPostsTheArrowRow() {
        QFETCH(int, arrow);
        record.arrowRow = arrow;
        newGame();
        click();
        click();
        QVERIFY(caption().isEmpty());
        QCOMPARE(ticksToHalt(), 2);
        QVERIFY(!spinning());
        const Strip strip = restStrip();
        QVERIFY(restKnown(strip));
        QCOMPARE(offsetsShowing(strip), QList<int>{RestOffset});
        QCOMPARE(stops->size(), 1);
        QVERIFY(confirms->isEmpty());
        // The picture agrees: the arrow and the reported digit share a row.
        QCOMPARE(faceOf(stoppedOn().front()), strip[arrow + 1]);
        QVERIFY(shows(picture(), {0, arrow * H}, arrows.frame(0)));
    }

    void widthOneTurnsACellInThirtyTicksAndStopsOnlyAtTheBoundary() {
        record.rotationWidth = 1;
        record.spinInterval = 1000;
        newGame();
        Strip strip = restStrip();
        QVERIFY(restKnown(strip));
        click();
        QCOMPARE(spinTimer()->interval(), 1000);
        QList<QImage> shown;
        for (int tick = 1; tick <= 30; ++tick) {
            drum->spinTick();
            shown << picture().copy();
        }
        // Only the last of these ticks shows the top cell whole; every tick
        // before showed the same four cells a pixel further down.
        strip[0] = topFace();
        QVERIFY(strip[0] != Unknown);
        for (int tick = 1; tick <= 30; ++tick) {
            QVERIFY2(offsetsShowing(shown[tick - 1], strip) == QList<int>{30 - tick},
                     qPrintable(QStringLiteral("tick %1").arg(tick)));
        }
        drum->spinTick();
        QCOMPARE(offsetsShowing({Unknown, strip[0], strip[1], strip[2]}), QList<int>{29});
        click();
        QCOMPARE(ticksToHalt(), 30);
        QCOMPARE(stops->size(), 1);
    }

    void equalMinAndMaxPutThatNumberInEveryCell() {
        record.drumMin = record.drumMax = 4;
        record.rotationWidth = 10;
        drum->setUp(record);
        drum->reset();
        drum->setUp(record);
        spin();
        // Four equal cells look the same from offset 0 as at rest.
        QCOMPARE(offsetsShowing({Unknown, 4, 4, 4}), (QList<int>{0, RestOffset}));
        QCOMPARE(stoppedOn().back(), 4);
        // The cell above the view as well, seen on the next spin's ticks.
        drum->offerEvent(SquareKind::Start);
        click();
        drum->spinTick();
        QCOMPARE(offsetsShowing({4, 4, 4, 4}), QList<int>{20});
        drum->spinTick();
        drum->spinTick();
        QCOMPARE(topFace(), 4);
    }

    void newNumbersCoverTheRangeAndNothingElse() {
        record.drumMin = 2;
        record.drumMax = 5;
        newGame();
        click();
        // Every tick at the defaults shows the newest number whole at the top;
        // it is read among all faces and the blank cell.
        std::set<int> seen;
        for (int tick = 0; tick < 200; ++tick) {
            drum->spinTick();
            seen.insert(topFace(allFaces()));
        }
        QCOMPARE(seen, (std::set<int>{2, 3, 4, 5}));
    }

    void resetOrSetUpDuringASpinHaltsSilentlyAndKeepsTheirMode() {
        newGame();
        click();
        drum->spinTick();
        drum->reset();
        ticksToHalt();
        QVERIFY(stops->isEmpty());
        QVERIFY(caption().isEmpty());

        record.rotationWidth = 10;
        drum->setUp(record);
        const Strip strip = restStrip();
        QVERIFY(restKnown(strip));
        click();
        drum->spinTick();
        QCOMPARE(offsetsShowing(strip), QList<int>{20});
        record.rotationWidth = 3; // read on every tick, also by an abandoned spin
        drum->setUp(record);
        drum->spinTick();
        QCOMPARE(offsetsShowing(strip), QList<int>{17});
        ticksToHalt();
        QVERIFY(stops->isEmpty());
        QCOMPARE(caption(), QStringLiteral("スタート"));

        spin(); // the discard went with the silent halt
        QCOMPARE(stops->size(), 1);
    }

    void startingWhileAnAbandonedSpinRunsOnPostsTheNewResult() {
        newGame();
        click();
        drum->spinTick();
        drum->setUp(record);
        click();
        QCOMPARE(caption(), QStringLiteral("ストップ"));
        for (int tick = 0; tick < 5; ++tick) {
            drum->spinTick();
        }
        QVERIFY2(spinning(), "no stop was asked for this spin");
        click();
        ticksToHalt();
        const Strip strip = restStrip();
        QVERIFY(restKnown(strip));
        QCOMPARE(offsetsShowing(strip), QList<int>{RestOffset});
        QCOMPARE(stops->size(), 1);
        QCOMPARE(faceOf(stoppedOn().front()), strip[1]);
    }

    void stopSpinRestsAtOnceAndLeavesNothingBehind() {
        record.rotationWidth = 10;
        newGame();
        click();
        drum->spinTick();
        drum->reset();
        drum->stopSpin();
        QVERIFY(!spinning());
        const auto strip = describedStrip();
        QVERIFY(strip);
        QCOMPARE(offsetsShowing(*strip), QList<int>{RestOffset});
        const QImage atRest = picture().copy();
        drum->spinTick(); // a late tick moves nothing at rest
        QCOMPARE(picture(), atRest);
        drum->setUp(record);
        spin();
        QCOMPARE(stops->size(), 1);
    }

    void thePictureShowsTheNumbersInViewAndTheArrowInItsRow_data() {
        QTest::addColumn<int>("arrow");
        QTest::newRow("arrow at the top") << 0;
        QTest::newRow("arrow in the middle") << 1;
        QTest::newRow("arrow at the bottom") << 2;
    }
    void thePictureShowsTheNumbersInViewAndTheArrowInItsRow() {
        QFETCH(int, arrow);
        record.arrowRow = arrow;
        newGame();
        for (int row = 0; row < 3; ++row) {
            const QImage& frame = arrows.frame(row == arrow ? 0 : 1);
            QVERIFY2(shows(picture(), {0, row * H}, frame), qPrintable(QString::number(row)));
        }
        QCOMPARE(picture().pixel(0, arrow * H), arrows.frame(0).pixel(0, 0));
        const auto told = described();
        QVERIFY(told);
        QCOMPARE(offsetsShowing(*describedStrip()), QList<int>{RestOffset});
        QCOMPARE((*told)[3], (*told)[arrow]);
    }

    void ticksShowTheStripAtTheOffsetAndMoveItDownWhole() {
        record.rotationWidth = 10;
        record.drumMin = 1;
        record.drumMax = 6;
        newGame();
        Strip strip = restStrip();
        QVERIFY(restKnown(strip));
        click();
        int offset = RestOffset;
        for (int tick = 0; tick < 12; ++tick) {
            drum->spinTick();
            offset -= 10;
            if (offset < 0) {
                // Past a boundary: each cell one down, a new one at the top.
                QVERIFY(strip[0] != Unknown);
                strip = {Unknown, strip[0], strip[1], strip[2]};
                offset += H;
            }
            QVERIFY2(offsetsShowing(strip) == QList<int>{offset},
                     qPrintable(QStringLiteral("tick %1: %2 from %3")
                                    .arg(tick)
                                    .arg(stripText(strip))
                                    .arg(offset)));
            if (offset == 0) {
                strip[0] = topFace();
            }
        }
    }

    void anExposeDuringASpinShowsTheRestPositionUntilTheNextTick() {
        record.rotationWidth = 10;
        window->resize(252, 304);
        window->show();
        newGame();
        drum->move(120, 0);
        drum->show();
        QApplication::processEvents();
        const Strip strip = restStrip();
        QVERIFY(restKnown(strip));
        click();
        drum->spinTick();
        QApplication::processEvents(); // our own repaint keeps the turned picture
        QCOMPARE(offsetsShowing(strip), QList<int>{20});
        const QImage exposed = drum->paintBox()->grab().toImage();
        QCOMPARE(offsetsShowing(strip), QList<int>{RestOffset});
        QCOMPARE(offsetsShowing(exposed, strip), QList<int>{RestOffset});
        drum->spinTick();
        QCOMPARE(offsetsShowing(strip), QList<int>{10});
    }

    void oddRecordsKeepTheDrumTurningAndInsideItsPictures_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("arrow");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        const int big = std::numeric_limits<std::int32_t>::max();
        QTest::newRow("zero width and interval") << 0 << 0 << 7 << 7 << 9;
        QTest::newRow("negative, range upside down") << -5 << -1 << -3 << 6 << 1;
        QTest::newRow("widest range") << 1000 << 10 << 2 << -big << big;
        QTest::newRow("largest numbers") << big << big << big << 1 << 6;
        QTest::newRow("smallest width, no faces") << -big - 1 << 10 << 0 << -2 << -2;
    }
    void oddRecordsKeepTheDrumTurningAndInsideItsPictures() {
        QFETCH(int, width);
        QFETCH(int, interval);
        QFETCH(int, arrow);
        QFETCH(int, min);
        QFETCH(int, max);
        record.rotationWidth = width;
        record.spinInterval = interval;
        record.arrowRow = arrow;
        record.drumMin = min;
        record.drumMax = max;
        drum->setUp(record);
        drum->reset();
        drum->setUp(record);
        click();
        QVERIFY(spinning());
        // Every tick shows the strip of faces of the range, from inside it.
        const Strip any{Unknown, Unknown, Unknown, Unknown};
        for (int tick = 0; tick < 40; ++tick) {
            drum->spinTick();
            QVERIFY2(!offsetsShowing(any).isEmpty(),
                     qPrintable(QStringLiteral("tick %1").arg(tick)));
        }
        click();
        QVERIFY(ticksToHalt() <= 30);
        QCOMPARE(stops->size(), 1);
        const int row = std::clamp(arrow, 0, 2);
        const int number = stoppedOn().back();
        QVERIFY(number >= std::min(min, max) && number <= std::max(min, max));
        const Strip strip = restStrip();
        QVERIFY(restKnown(strip));
        // Blank cells look the same from every offset.
        const bool blankInView = strip == Strip{Unknown, NoFace, NoFace, NoFace};
        const QList<int> offsets = offsetsShowing(strip);
        QVERIFY2(blankInView ? offsets.contains(RestOffset) : offsets == QList<int>{RestOffset},
                 qPrintable(stripText(strip)));
        QCOMPARE(faceOf(number), strip[row + 1]);
        QVERIFY(shows(picture(), {0, row * H}, arrows.frame(0)));
        if (facesInRange() == QList<int>{NoFace}) {
            // A range without faces leaves the number column blank.
            QImage blank(DigitWidth, 3 * H, QImage::Format_RGB32);
            blank.fill(Blank);
            QVERIFY(shows(picture(), {NumberLeft, 0}, blank));
        }
    }
};

QTEST_MAIN(SlotDrumTest)
#include "slot_drum_test.moc"
