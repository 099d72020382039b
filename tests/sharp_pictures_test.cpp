// Run with QT_SCALE_FACTOR=2 (set by ctest): on a screen that doubles every
// pixel, each picture, the drum and the course view must show each of their
// own pixels as a solid 2 x 2 block, never a blend of its neighbours.
#include "AboutDialog.h"
#include "AnimatedCourseView.h"
#include "support/CourseViewTimer.h"
#include "ResultDialog.h"
#include "SlotDrum.h"
#include "support/ModalAnswerer.h"
#include "support/SettleForm.h"
#include "support/TestWindows.h"

#include <QLabel>
#include <QPainter>
#include <QtTest>

namespace {

constexpr int Scale = 2;

// A picture full of edges: every pixel differs from its right and lower
// neighbour, so any smoothing shows.
QImage checkerboard(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            image.setPixel(x, y, (x + y) % 2 ? qRgb(0xFF, 0x20, 0x00) : qRgb(0x00, 0x40, 0xFF));
        }
    }
    return image;
}

// What a widget paints at one device pixel a pixel, whatever the screen's scale.
QImage paintedAtOne(QWidget* widget) {
    QImage image(widget->size(), QImage::Format_RGB32);
    widget->render(&image);
    return image;
}

// Empty when every pixel of `source` is a 2 x 2 block of its colour in `grab`,
// else where the first one is not.
QString blocksDiffer(const QImage& source, const QPixmap& grab) {
    if (grab.devicePixelRatio() != Scale) {
        return QStringLiteral("grabbed at ratio %1").arg(grab.devicePixelRatio());
    }
    const QImage shown = grab.toImage().convertToFormat(QImage::Format_RGB32);
    if (shown.size() != source.size() * Scale) {
        return QStringLiteral("grab is %1x%2 for a %3x%4 source")
            .arg(shown.width())
            .arg(shown.height())
            .arg(source.width())
            .arg(source.height());
    }
    const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb want = rgb.pixel(x, y) & RGB_MASK;
            for (int dy = 0; dy < Scale; ++dy) {
                for (int dx = 0; dx < Scale; ++dx) {
                    const QRgb got = shown.pixel(Scale * x + dx, Scale * y + dy) & RGB_MASK;
                    if (got != want) {
                        return QStringLiteral("source pixel (%1, %2) #%3 shows #%4 at +(%5, %6)")
                            .arg(x)
                            .arg(y)
                            .arg(want, 6, 16, QLatin1Char('0'))
                            .arg(got, 6, 16, QLatin1Char('0'))
                            .arg(dx)
                            .arg(dy);
                    }
                }
            }
        }
    }
    return {};
}

} // namespace

class SharpPicturesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestWindows> testWindows;

    // The picture labels of every form, by the form's and the label's name;
    // each of the result dialog's panels is opened once, since it gets its
    // picture when first shown.
    std::vector<std::pair<QString, QLabel*>> pictureLabels() {
        ModalAnswerer answers;
        for (int panel = 0; panel < 4; ++panel)
            answers.then([](QDialog& dialog) { dialog.close(); });
        GameRecord record;
        fillDefaultRecord(record, nullptr);
        MainWindow& form = testWindows->mainWindow();
        ResultDialog& results = form.resultDialog();
        results.showGoalResult(record, GameTimes{});
        results.showGameOver(record);
        results.confirmQuit();
        results.showFarewell();
        std::vector<std::pair<QString, QLabel*>> labels;
        labels.emplace_back("MainWindow/titlePicture", form.titlePicture());
        for (const char* name :
             {"goalPicture", "gameOverPicture", "quitPicture", "farewellPicture"}) {
            labels.emplace_back(QStringLiteral("ResultDialog/") + name,
                                results.findChild<QLabel*>(name));
        }
        labels.emplace_back("AboutDialog/iconPicture",
                            form.aboutDialog().findChild<QLabel*>("iconPicture"));
        return labels;
    }

private slots:
    void init() { testWindows = std::make_unique<TestWindows>(); }
    void cleanup() { testWindows.reset(); }

    void theScreenDoublesEveryPixel() {
        QCOMPARE(testWindows->mainWindow().devicePixelRatio(), qreal(Scale));
    }

    void everyPictureOnTheFormsIsDrawnPixelForPixel() {
        for (const auto& [name, label] : pictureLabels()) {
            QVERIFY2(label, qPrintable(name));
            const QImage picture = label->pixmap().toImage();
            QVERIFY2(!picture.isNull(), qPrintable(name));
            QCOMPARE(label->size(), picture.size());
            const QString shown = blocksDiffer(picture, label->grab());
            QVERIFY2(shown.isEmpty(), qPrintable(name + ": " + shown));

            // Whatever picture a label gets, it is not smoothed.
            const QImage checker = checkerboard(picture.size());
            label->setPixmap(QPixmap::fromImage(checker));
            const QString checked = blocksDiffer(checker, label->grab());
            QVERIFY2(checked.isEmpty(), qPrintable(name + " with a checker: " + checked));
        }
    }

    void theDrumAndTheCourseViewAreDrawnPixelForPixel() {
        MainWindow& form = testWindows->mainWindow();
        form.startGame();
        for (int tick = 0; tick < 100 && courseAnimationTimer(form.courseView()).isActive();
             ++tick) {
            QCoreApplication::sendPostedEvents();
            form.courseView().animationTick();
        }
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();

        SlotDrum& drum = form.drum();
        QString shown = blocksDiffer(drum.paintBox()->Picture(), drum.paintBox()->grab());
        QVERIFY2(shown.isEmpty(), qPrintable("drum: " + shown));
        AnimatedCourseView& view = form.courseView();
        shown = blocksDiffer(paintedAtOne(view.viewBox()), view.viewBox()->grab());
        QVERIFY2(shown.isEmpty(), qPrintable("course view: " + shown));

        // A spinning drum, and the course scrolled under the heroine mid-walk.
        QTest::keyClick(drum.slotButton(), Qt::Key_Space);
        QVERIFY(drumSpins(drum));
        drum.spinTick();
        shown = blocksDiffer(drum.paintBox()->Picture(), drum.paintBox()->grab());
        QVERIFY2(shown.isEmpty(), qPrintable("spinning drum: " + shown));
        drum.stopSpin();
        form.controller().drumStopped(3);
        view.animationTick();
        view.animationTick();
        shown = blocksDiffer(paintedAtOne(view.viewBox()), view.viewBox()->grab());
        QVERIFY2(shown.isEmpty(), qPrintable("course view mid-walk: " + shown));
    }
};

QTEST_MAIN(SharpPicturesTest)
#include "sharp_pictures_test.moc"
