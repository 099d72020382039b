#include "Artwork.h"
#include "ImageList.h"

#include <QFile>
#include <QtTest>
#include <algorithm>
#include <iterator>
#include <set>

// The pictures are built into the program: these tests read them through
// Artwork (the resource system) and check the committed files themselves.
namespace {

const QRgb kArrow = qRgb(255, 74, 25);
const QRgb kNoArrow = qRgb(0, 0, 255);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

struct Picture {
    const char* file;
    QImage (*load)();
    int width;
    int height;
    bool result; // shown in a result dialog, on white
};

const Picture kPictures[] = {
    {"title.bmp", Artwork::titlePicture, 138, 300, false},
    {"goal.bmp", Artwork::goalPicture, 153, 278, true},
    {"gameover.bmp", Artwork::gameOverPicture, 170, 140, true},
    {"quit.bmp", Artwork::QuitPicture, 170, 140, true},
    {"farewell.bmp", Artwork::farewellPicture, 170, 140, true},
    {"face.bmp", Artwork::facePicture, 64, 64, false},
    {"arrows.bmp", Artwork::arrowSheet, 88, 60, false},
    {"digits.bmp", Artwork::digitSheet, 112, 90, false},
    {"heroine.bmp", Artwork::heroineSheet, 200, 210, false},
};

const int kIconSizes[] = {16, 32, 48, 64, 128, 256};

QString sourceImage(const QString& file) {
    return QStringLiteral(IPPON_IMAGES_DIR "/") + file;
}

QImage desktopIcon(int size) {
    return QImage(sourceImage(QStringLiteral("icon%1.png").arg(size)));
}

quint32 littleEndian(const QByteArray& bytes, int at, int size) {
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<quint8>(bytes[at + i]);
    }
    return value;
}

// A frame as a plain 32-bit image, for comparing pixels.
QImage opaqueFrame(const ImageList& list, int index) {
    return list.frame(index).convertToFormat(QImage::Format_RGB32);
}

bool isGrey(QRgb c) {
    return qRed(c) == qGreen(c) && qGreen(c) == qBlue(c);
}

bool isPureBlack(QRgb c) {
    return (c & RGB_MASK) == 0;
}

QString at(int x, int y) {
    return QStringLiteral("(%1, %2)").arg(x).arg(y);
}

QString hex(QRgb rgb) {
    return QStringLiteral("#%1").arg(rgb & RGB_MASK, 6, 16, QLatin1Char('0'));
}

// True when every block of factor x factor pixels is one colour, as a
// nearest-neighbour enlargement of a smaller picture is.
bool madeOfBlocks(const QImage& image, int factor) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != image.pixel(x - x % factor, y - y % factor)) {
                return false;
            }
        }
    }
    return true;
}

// The columns at which some row changes colour.
int edgeColumns(const QImage& image) {
    int columns = 0;
    for (int x = 1; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixel(x, y) != image.pixel(x - 1, y)) {
                ++columns;
                break;
            }
        }
    }
    return columns;
}

enum class Area { Clear, Hair, Rest };

Area areaOf(QRgb c) {
    if (qAlpha(c) != 255) {
        return Area::Clear;
    }
    // Her hair is the only strong red; everything else (skin, eye, dress,
    // outline) is the rest of her.
    const bool red = qRed(c) >= 100 && qRed(c) > 19 * qGreen(c) / 10;
    return red ? Area::Hair : Area::Rest;
}

// An icon shrunk to n x n, each pixel the area most of its samples fall in.
std::vector<Area> areas(const QImage& icon, int n) {
    constexpr int kSamples = 4; // a side
    const double scale = static_cast<double>(icon.width()) / n;
    std::vector<Area> areas;
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            int count[3] = {0, 0, 0};
            for (int j = 0; j < kSamples; ++j) {
                for (int i = 0; i < kSamples; ++i) {
                    const int u = static_cast<int>((x + (i + 0.5) / kSamples) * scale);
                    const int v = static_cast<int>((y + (j + 0.5) / kSamples) * scale);
                    ++count[static_cast<int>(areaOf(icon.pixel(u, v)))];
                }
            }
            areas.push_back(static_cast<Area>(std::max_element(count, count + 3) - count));
        }
    }
    return areas;
}

// The share of the figure's pixels in which two icons, at the smaller one's
// size, show the same: hair, the rest of her or nothing. 1 for the same
// drawing.
double sameHead(const QImage& a, const QImage& b) {
    const int n = std::min(a.width(), b.width());
    const std::vector<Area> first = areas(a, n);
    const std::vector<Area> second = areas(b, n);
    int same = 0;
    int figure = 0;
    for (std::size_t i = 0; i < first.size(); ++i) {
        if (first[i] != Area::Clear || second[i] != Area::Clear) {
            ++figure;
            same += first[i] == second[i] ? 1 : 0;
        }
    }
    return static_cast<double>(same) / figure;
}

} // namespace

class ArtworkTest : public QObject {
    Q_OBJECT

private:
    // The main window's three lists, filled from their sheets once for every test.
    ImageList arrows{22, 30};
    ImageList digits{28, 30};
    ImageList heroine{50, 70};

    // One row per built-in picture, named by its file; `resultsOnly` keeps
    // the pictures of the result dialogs.
    static void pictureRows(bool resultsOnly = false) {
        QTest::addColumn<int>("picture");
        for (int i = 0; i < int(std::size(kPictures)); ++i) {
            if (!resultsOnly || kPictures[i].result) {
                QTest::newRow(kPictures[i].file) << i;
            }
        }
    }

    static void iconRows() {
        QTest::addColumn<int>("size");
        for (int size : kIconSizes) {
            QTest::addRow("%d", size) << size;
        }
    }

private slots:
    void initTestCase() {
        Artwork::loadArrowImages(arrows);
        Artwork::loadDigitImages(digits);
        Artwork::loadHeroineImages(heroine);
    }

    void everyCommittedPictureIsAnUncompressed24BitBitmapOfItsSize_data() { pictureRows(); }
    void everyCommittedPictureIsAnUncompressed24BitBitmapOfItsSize() {
        QFETCH(int, picture);
        const Picture& p = kPictures[picture];
        QFile file(sourceImage(QLatin1String(p.file)));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(54);
        QCOMPARE(header.size(), 54);
        QCOMPARE(header.left(2), QByteArray("BM"));
        QCOMPARE(static_cast<qint32>(littleEndian(header, 18, 4)), p.width);
        QCOMPARE(std::abs(static_cast<qint32>(littleEndian(header, 22, 4))), p.height);
        QVERIFY2(littleEndian(header, 28, 2) == 24u, "24 bits a pixel");
        QVERIFY2(littleEndian(header, 30, 4) == 0u, "no compression");
    }

    void everyPictureLoadsFromTheBuiltInResourcesAsTheCommittedFile_data() { pictureRows(); }
    void everyPictureLoadsFromTheBuiltInResourcesAsTheCommittedFile() {
        QFETCH(int, picture);
        const Picture& p = kPictures[picture];
        const QImage built = p.load();
        QVERIFY2(!built.isNull(), "not in the resources");
        QCOMPARE(built.size(), QSize(p.width, p.height));
        QVERIFY(!built.hasAlphaChannel());
        QCOMPARE(built,
                 QImage(sourceImage(QLatin1String(p.file))).convertToFormat(QImage::Format_RGB32));
    }

    void resultPicturesStandOnWhite_data() { pictureRows(true); }
    void resultPicturesStandOnWhite() {
        QFETCH(int, picture);
        const QImage image = kPictures[picture].load();
        QCOMPARE(image.pixel(0, 0), kWhite);
        QCOMPARE(image.pixel(image.width() - 1, 0), kWhite);
        QCOMPARE(image.pixel(0, image.height() - 1), kWhite);
    }

    void theImageListsHoldTheirFramesInOrder() {
        QCOMPARE(arrows.count(), 2);
        QCOMPARE(digits.count(), 6);
        QCOMPARE(heroine.count(), 5);
        QCOMPARE(heroine.frame(4).size(), QSize(50, 70));

        // The program's list decodes the sheet once, at the first use, into
        // the same frames; a later load replaces what still waits.
        int decoded = 0;
        ImageList deferred(50, 70);
        deferred.loadSheetWhenUsed(
            [&decoded] {
                ++decoded;
                return Artwork::heroineSheet();
            },
            5, ImageMask::BlackKey);
        QCOMPARE(decoded, 0);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(deferred.frame(i), heroine.frame(i));
        QCOMPARE(deferred.count(), 5);
        QCOMPARE(decoded, 1);
        deferred.loadSheetWhenUsed([&decoded] { return ++decoded, QImage(); }, 5, ImageMask::None);
        Artwork::loadHeroineImages(deferred);
        QCOMPARE(deferred.count(), 5);
        QCOMPARE(decoded, 1);
    }

    void arrowsAndDigitsCoverTheirCellsCompletely() {
        for (const ImageList* list : {&arrows, &digits}) {
            for (int i = 0; i < list->count(); ++i) {
                const QImage mask = list->mask(i);
                for (int y = 0; y < mask.height(); ++y) {
                    for (int x = 0; x < mask.width(); ++x) {
                        if (mask.pixelIndex(x, y) != 0) {
                            QFAIL(qPrintable(
                                QStringLiteral("frame %1 is masked at %2").arg(i).arg(at(x, y))));
                        }
                    }
                }
            }
        }
    }

    void theArrowIsATrianglePointingRightIntoATwoPixelStem() {
        const QImage arrow = opaqueFrame(arrows, 0);
        int previous = 30;
        for (int x = 0; x < 22; ++x) {
            int count = 0;
            for (int y = 0; y < 30; ++y) {
                const QRgb c = arrow.pixel(x, y);
                QVERIFY2(c == kArrow || c == kWhite, qPrintable(at(x, y) + " is " + hex(c)));
                count += c == kArrow ? 1 : 0;
            }
            QVERIFY2(count <= previous,
                     qPrintable(QStringLiteral("widens at column %1: %2 after %3")
                                    .arg(x)
                                    .arg(count)
                                    .arg(previous)));
            previous = count;
        }
        for (int y = 0; y < 30; ++y) {
            QVERIFY2(arrow.pixel(0, y) == kArrow,
                     qPrintable(QStringLiteral("not full height at the left edge, row %1").arg(y)));
            const QRgb stem = (y == 14 || y == 15) ? kArrow : kWhite;
            QVERIFY2(arrow.pixel(21, y) == stem,
                     qPrintable(QStringLiteral("the stem at the right edge, row %1").arg(y)));
        }
    }

    void theNoArrowMarkIsABlueHourglassOnWhite() {
        const QImage mark = opaqueFrame(arrows, 1);
        std::set<std::pair<int, int>> blue;
        for (int i = 0; i < 10; ++i) {
            blue.insert({i, i});
            blue.insert({21 - i, i});
            blue.insert({i, 29 - i});
            blue.insert({21 - i, 29 - i});
        }
        for (int y = 10; y <= 19; ++y) {
            blue.insert({10, y});
            blue.insert({11, y});
        }
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 22; ++x) {
                const QRgb want = blue.count({x, y}) != 0 ? kNoArrow : kWhite;
                if (mark.pixel(x, y) != want) {
                    QFAIL(qPrintable(at(x, y) + " is " + hex(mark.pixel(x, y)) + ", not " +
                                     hex(want)));
                }
            }
        }
    }

    void eachDrumNumberHasItsOwnCentredAntiAliasedFace_data() {
        QTest::addColumn<int>("number");
        for (int i = 0; i < 6; ++i) {
            QTest::addRow("face %d", i) << i;
        }
    }
    void eachDrumNumberHasItsOwnCentredAntiAliasedFace() {
        QFETCH(int, number);
        QVERIFY(number < digits.count());
        const QImage face = opaqueFrame(digits, number);
        int black = 0;
        int grey = 0;
        QRect ink;
        for (int y = 0; y < face.height(); ++y) {
            for (int x = 0; x < face.width(); ++x) {
                const QRgb c = face.pixel(x, y);
                QVERIFY2(isGrey(c),
                         qPrintable("black on white only, but " + at(x, y) + " is " + hex(c)));
                if (c == kBlack) {
                    ++black;
                } else if (c != kWhite) {
                    ++grey;
                }
                if (c != kWhite) {
                    ink |= QRect(x, y, 1, 1);
                }
            }
        }
        QVERIFY2(black > 20, qPrintable(QStringLiteral("%1 black pixels").arg(black)));
        QVERIFY2(grey > 10, qPrintable(QStringLiteral("%1 grey edge pixels").arg(grey)));
        QVERIFY2(std::abs(ink.center().x() + 0.5 - 14.0) <= 1.5,
                 qPrintable(QStringLiteral("centred across, ink at x %1").arg(ink.center().x())));
        QVERIFY2(std::abs(ink.center().y() + 0.5 - 15.0) <= 1.5,
                 qPrintable(QStringLiteral("centred down, ink at y %1").arg(ink.center().y())));
        QCOMPARE(face.pixel(0, 0), kWhite);
        for (int other = 0; other < number; ++other) {
            QVERIFY2(face != opaqueFrame(digits, other),
                     qPrintable(QStringLiteral("the same face as %1").arg(other)));
        }
    }

    void theHeroineIsMaskedExactlyWhereTheSheetIsPureBlack() {
        const QImage sheet = Artwork::heroineSheet();
        for (int i = 0; i < heroine.count(); ++i) {
            const QImage mask = heroine.mask(i);
            const int left = (i % 4) * 50;
            const int top = (i / 4) * 70;
            int visible = 0;
            for (int y = 0; y < 70; ++y) {
                for (int x = 0; x < 50; ++x) {
                    const bool black = isPureBlack(sheet.pixel(left + x, top + y));
                    if (mask.pixelIndex(x, y) != (black ? 1 : 0)) {
                        QFAIL(qPrintable(QStringLiteral("frame %1: the mask at %2 is not %3")
                                             .arg(i)
                                             .arg(at(x, y))
                                             .arg(black ? "clear" : "opaque")));
                    }
                    visible += black ? 0 : 1;
                }
            }
            QVERIFY2(visible > 500,
                     qPrintable(QStringLiteral("frame %1: she is not there").arg(i)));
            // Her outline never touches the frame's sides, so no cell edge cuts her.
            for (int y = 0; y < 70; ++y) {
                QVERIFY2(
                    mask.pixelIndex(0, y) == 1 && mask.pixelIndex(49, y) == 1,
                    qPrintable(QStringLiteral("frame %1 touches a side in row %2").arg(i).arg(y)));
            }
        }
        // The cells after the last frame hold nothing.
        for (int y = 70; y < 210; ++y) {
            for (int x = (y < 140 ? 50 : 0); x < 200; ++x) {
                if (!isPureBlack(sheet.pixel(x, y))) {
                    QFAIL(qPrintable("an empty cell is drawn on at " + at(x, y)));
                }
            }
        }
    }

    void noPixelInsideTheHeroineIsPureBlack_data() {
        QTest::addColumn<int>("frame");
        for (int i = 0; i < 5; ++i) {
            QTest::addRow("frame %d", i) << i;
        }
    }
    void noPixelInsideTheHeroineIsPureBlack() {
        // A pure black pixel inside her would be a hole through which the course
        // shows: every black pixel must belong to the background around her.
        QFETCH(int, frame);
        const QImage cell =
            Artwork::heroineSheet().copy((frame % 4) * 50, (frame / 4) * 70, 50, 70);
        std::vector<bool> outside(50 * 70, false);
        std::vector<QPoint> open;
        auto visit = [&](int x, int y) {
            if (x < 0 || y < 0 || x >= 50 || y >= 70 || outside[y * 50 + x] ||
                !isPureBlack(cell.pixel(x, y))) {
                return;
            }
            outside[y * 50 + x] = true;
            open.push_back({x, y});
        };
        for (int x = 0; x < 50; ++x) {
            visit(x, 0);
            visit(x, 69);
        }
        for (int y = 0; y < 70; ++y) {
            visit(0, y);
            visit(49, y);
        }
        while (!open.empty()) {
            const QPoint p = open.back();
            open.pop_back();
            visit(p.x() + 1, p.y());
            visit(p.x() - 1, p.y());
            visit(p.x(), p.y() + 1);
            visit(p.x(), p.y() - 1);
        }
        for (int y = 0; y < 70; ++y) {
            for (int x = 0; x < 50; ++x) {
                if (isPureBlack(cell.pixel(x, y)) && !outside[y * 50 + x]) {
                    QFAIL(qPrintable("black hole at " + at(x, y)));
                }
            }
        }
    }

    void theHeroineStandsWithHerFeetOnTheSquare() {
        // The course view draws a frame 6 pixels below the view's top, on a
        // square that starts at 50: her soles must reach the frame's bottom rows.
        for (int i = 0; i < heroine.count(); ++i) {
            const QImage mask = heroine.mask(i);
            int lowest = -1;
            for (int y = 0; y < 70; ++y) {
                for (int x = 0; x < 50; ++x) {
                    if (mask.pixelIndex(x, y) == 0) {
                        lowest = y;
                    }
                }
            }
            QVERIFY2(lowest >= 66,
                     qPrintable(QStringLiteral("frame %1 ends in row %2").arg(i).arg(lowest)));
        }
    }

    void walkingFramesDifferAndTheRestPoseStandsBetweenThem() {
        for (int i = 0; i < heroine.count(); ++i) {
            for (int j = i + 1; j < heroine.count(); ++j) {
                QVERIFY2(heroine.frame(i) != heroine.frame(j),
                         qPrintable(QStringLiteral("frames %1 and %2 are the same").arg(i).arg(j)));
            }
        }
        // Feet together at rest: the rest pose's soles are narrower than a stride's.
        auto soleWidth = [&](int index) {
            const QImage mask = heroine.mask(index);
            int left = 50;
            int right = -1;
            for (int y = 64; y < 70; ++y) {
                for (int x = 0; x < 50; ++x) {
                    if (mask.pixelIndex(x, y) == 0) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
                }
            }
            return right - left;
        };
        QVERIFY(soleWidth(1) < soleWidth(0));
        QVERIFY(soleWidth(1) < soleWidth(2));
    }

    void iconsHaveSixteenColoursAndATransparentBackground_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("16") << 16;
        QTest::newRow("32") << 32;
    }
    void iconsHaveSixteenColoursAndATransparentBackground() {
        QFETCH(int, size);
        const QImage icon(QStringLiteral(":/images/icon%1.png").arg(size));
        QVERIFY2(!icon.isNull(), "not in the resources");
        QCOMPARE(icon.size(), QSize(size, size));
        QCOMPARE(icon.format(), QImage::Format_Indexed8);
        QVERIFY(icon.colorCount() <= 16);
        QVERIFY2(qAlpha(icon.pixel(0, 0)) == 0, "the corner is transparent");
        QVERIFY2(qAlpha(icon.pixel(size / 2, size / 2)) == 255, "her head is opaque");
        QVERIFY(Artwork::appIcon().availableSizes().contains(QSize(size, size)));
    }

    void desktopIconsComeInEverySizeWithSixteenColours_data() { iconRows(); }
    void desktopIconsComeInEverySizeWithSixteenColours() {
        QFETCH(int, size);
        const QImage icon = desktopIcon(size);
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY(icon.colorCount() <= 16);
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(icon.pixel(size - 1, 0)), 0);
        QVERIFY2(qAlpha(icon.pixel(size / 2, size / 2)) == 255, "her head is opaque");
    }

    void largerIconsAreDrawnAtTheirOwnSizeNotEnlarged_data() {
        QTest::addColumn<int>("size");
        for (int size : kIconSizes) {
            if (size != 16) {
                QTest::addRow("%d", size) << size;
            }
        }
    }
    void largerIconsAreDrawnAtTheirOwnSizeNotEnlarged() {
        // Every size is a multiple of 16 by a product of 2s and 3s, so an
        // enlargement of any smaller icon is made of 2x2 or 3x3 blocks.
        QFETCH(int, size);
        const QImage icon = desktopIcon(size);
        QVERIFY(!madeOfBlocks(icon, 2));
        QVERIFY(!madeOfBlocks(icon, 3));
        if (size > 32) {
            // A 32-pixel drawing, however enlarged, has at most 31 places
            // where a colour can change along a row.
            QVERIFY(edgeColumns(icon) > 32);
        }
    }

    void everyIconSizeShowsTheSameHead_data() { iconRows(); }
    void everyIconSizeShowsTheSameHead() {
        // The sizes drawn from the shared shapes agree almost everywhere; the
        // 16-pixel one is drawn by hand to fill its square and agrees less, yet
        // far more than the head turned the other way would (about 0.4).
        QFETCH(int, size);
        const double least = size == 16 ? 0.65 : 0.9;
        const double same = sameHead(desktopIcon(size), desktopIcon(32));
        QVERIFY2(same > least, qPrintable(QStringLiteral("only %1 the same").arg(same)));
    }
};

QTEST_MAIN(ArtworkTest)
#include "artwork_test.moc"
