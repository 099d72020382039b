#include "Artwork.h"
#include "ImageList.h"

#include <QFile>
#include <QPainter>
#include <algorithm>
#include <gtest/gtest.h>
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
};

const Picture kPictures[] = {
    {"title.bmp", Artwork::titlePicture, 138, 300},
    {"goal.bmp", Artwork::goalPicture, 153, 278},
    {"gameover.bmp", Artwork::gameOverPicture, 170, 140},
    {"quit.bmp", Artwork::QuitPicture, 170, 140},
    {"farewell.bmp", Artwork::farewellPicture, 170, 140},
    {"face.bmp", Artwork::facePicture, 64, 64},
    {"arrows.bmp", Artwork::arrowSheet, 88, 60},
    {"digits.bmp", Artwork::digitSheet, 112, 90},
    {"heroine.bmp", Artwork::heroineSheet, 200, 210},
};

QString sourceImage(const char* file) {
    return QStringLiteral(IPPON_IMAGES_DIR "/") + QLatin1String(file);
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

TEST(ArtworkTest, EveryCommittedPictureIsAnUncompressed24BitBitmapOfItsSize) {
    for (const Picture& p : kPictures) {
        SCOPED_TRACE(p.file);
        QFile file(sourceImage(p.file));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(54);
        ASSERT_EQ(header.size(), 54);
        EXPECT_EQ(header.left(2), QByteArray("BM"));
        EXPECT_EQ(static_cast<qint32>(littleEndian(header, 18, 4)), p.width);
        EXPECT_EQ(std::abs(static_cast<qint32>(littleEndian(header, 22, 4))), p.height);
        EXPECT_EQ(littleEndian(header, 28, 2), 24u) << "bits a pixel";
        EXPECT_EQ(littleEndian(header, 30, 4), 0u) << "compression";
    }
}

TEST(ArtworkTest, EveryPictureLoadsFromTheBuiltInResourcesAsTheCommittedFile) {
    for (const Picture& p : kPictures) {
        SCOPED_TRACE(p.file);
        const QImage built = p.load();
        ASSERT_FALSE(built.isNull()) << "not in the resources";
        EXPECT_EQ(built.size(), QSize(p.width, p.height));
        EXPECT_FALSE(built.hasAlphaChannel());
        EXPECT_EQ(built, QImage(sourceImage(p.file)).convertToFormat(QImage::Format_RGB32));
    }
}

TEST(ArtworkTest, ResultPicturesStandOnWhite) {
    for (const Picture& p : kPictures) {
        const QString name = QLatin1String(p.file);
        if (name != "goal.bmp" && name != "gameover.bmp" && name != "quit.bmp" &&
            name != "farewell.bmp") {
            continue;
        }
        SCOPED_TRACE(p.file);
        const QImage image = p.load();
        EXPECT_EQ(image.pixel(0, 0), kWhite);
        EXPECT_EQ(image.pixel(image.width() - 1, 0), kWhite);
        EXPECT_EQ(image.pixel(0, image.height() - 1), kWhite);
    }
}

TEST(ArtworkTest, TheImageListsHoldTheirFramesInOrder) {
    ImageList arrows(22, 30);
    ImageList digits(28, 30);
    ImageList heroine(50, 70);
    Artwork::loadArrowImages(arrows);
    Artwork::loadDigitImages(digits);
    Artwork::loadHeroineImages(heroine);
    EXPECT_EQ(arrows.count(), 2);
    EXPECT_EQ(digits.count(), 6);
    EXPECT_EQ(heroine.count(), 5);
    EXPECT_EQ(heroine.frame(4).size(), QSize(50, 70));
}

TEST(ArtworkTest, ArrowsAndDigitsCoverTheirCellsCompletely) {
    ImageList arrows(22, 30);
    ImageList digits(28, 30);
    Artwork::loadArrowImages(arrows);
    Artwork::loadDigitImages(digits);
    for (const ImageList* list : {&arrows, &digits}) {
        for (int i = 0; i < list->count(); ++i) {
            const QImage mask = list->mask(i);
            for (int y = 0; y < mask.height(); ++y) {
                for (int x = 0; x < mask.width(); ++x) {
                    ASSERT_EQ(mask.pixelIndex(x, y), 0) << "frame " << i << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST(ArtworkTest, TheArrowIsATrianglePointingRightIntoATwoPixelStem) {
    ImageList arrows(22, 30);
    Artwork::loadArrowImages(arrows);
    const QImage arrow = opaqueFrame(arrows, 0);
    int previous = 30;
    for (int x = 0; x < 22; ++x) {
        int count = 0;
        for (int y = 0; y < 30; ++y) {
            const QRgb c = arrow.pixel(x, y);
            ASSERT_TRUE(c == kArrow || c == kWhite) << x << "," << y;
            count += c == kArrow ? 1 : 0;
        }
        EXPECT_LE(count, previous) << "narrows toward the point, column " << x;
        previous = count;
    }
    for (int y = 0; y < 30; ++y) {
        EXPECT_EQ(arrow.pixel(0, y), kArrow) << "full height at the left edge, row " << y;
        EXPECT_EQ(arrow.pixel(21, y), (y == 14 || y == 15) ? kArrow : kWhite)
            << "the stem at the right edge, row " << y;
    }
}

TEST(ArtworkTest, TheNoArrowMarkIsABlueHourglassOnWhite) {
    ImageList arrows(22, 30);
    Artwork::loadArrowImages(arrows);
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
            EXPECT_EQ(mark.pixel(x, y), blue.count({x, y}) != 0 ? kNoArrow : kWhite)
                << x << "," << y;
        }
    }
}

TEST(ArtworkTest, EachDrumNumberHasItsOwnCentredAntiAliasedFace) {
    ImageList digits(28, 30);
    Artwork::loadDigitImages(digits);
    std::vector<QImage> faces;
    for (int i = 0; i < digits.count(); ++i) {
        SCOPED_TRACE(i);
        const QImage face = opaqueFrame(digits, i);
        int black = 0;
        int grey = 0;
        QRect ink;
        for (int y = 0; y < face.height(); ++y) {
            for (int x = 0; x < face.width(); ++x) {
                const QRgb c = face.pixel(x, y);
                ASSERT_TRUE(isGrey(c)) << "black on white only";
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
        EXPECT_GT(black, 20);
        EXPECT_GT(grey, 10) << "anti-aliased edges";
        EXPECT_NEAR(ink.center().x() + 0.5, 14.0, 1.5);
        EXPECT_NEAR(ink.center().y() + 0.5, 15.0, 1.5);
        EXPECT_EQ(face.pixel(0, 0), kWhite);
        for (const QImage& other : faces) {
            EXPECT_NE(face, other);
        }
        faces.push_back(face);
    }
}

TEST(ArtworkTest, TheHeroineIsMaskedExactlyWhereTheSheetIsPureBlack) {
    const QImage sheet = Artwork::heroineSheet();
    ImageList heroine(50, 70);
    Artwork::loadHeroineImages(heroine);
    for (int i = 0; i < heroine.count(); ++i) {
        SCOPED_TRACE(i);
        const QImage mask = heroine.mask(i);
        const int left = (i % 4) * 50;
        const int top = (i / 4) * 70;
        int visible = 0;
        for (int y = 0; y < 70; ++y) {
            for (int x = 0; x < 50; ++x) {
                const bool black = (sheet.pixel(left + x, top + y) & 0xFFFFFF) == 0;
                ASSERT_EQ(mask.pixelIndex(x, y), black ? 1 : 0) << x << "," << y;
                visible += black ? 0 : 1;
            }
        }
        EXPECT_GT(visible, 500) << "she is there";
        // Her outline never touches the frame's sides, so no cell edge cuts her.
        for (int y = 0; y < 70; ++y) {
            EXPECT_EQ(mask.pixelIndex(0, y), 1);
            EXPECT_EQ(mask.pixelIndex(49, y), 1);
        }
    }
    // The cells after the last frame hold nothing.
    for (int y = 70; y < 210; ++y) {
        for (int x = (y < 140 ? 50 : 0); x < 200; ++x) {
            ASSERT_EQ(sheet.pixel(x, y) & 0xFFFFFF, 0u) << x << "," << y;
        }
    }
}

TEST(ArtworkTest, NoPixelInsideTheHeroineIsPureBlack) {
    // A pure black pixel inside her would be a hole through which the course
    // shows: every black pixel must belong to the background around her.
    const QImage sheet = Artwork::heroineSheet();
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const QImage frame = sheet.copy((i % 4) * 50, (i / 4) * 70, 50, 70);
        std::vector<bool> outside(50 * 70, false);
        std::vector<QPoint> open;
        auto visit = [&](int x, int y) {
            if (x < 0 || y < 0 || x >= 50 || y >= 70 || outside[y * 50 + x] ||
                (frame.pixel(x, y) & 0xFFFFFF) != 0) {
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
                if ((frame.pixel(x, y) & 0xFFFFFF) == 0) {
                    ASSERT_TRUE(outside[y * 50 + x]) << "black hole at " << x << "," << y;
                }
            }
        }
    }
}

TEST(ArtworkTest, TheHeroineStandsWithHerFeetOnTheSquare) {
    // The course view draws a frame 6 pixels below the view's top, on a
    // square that starts at 50: her soles must reach the frame's bottom rows.
    ImageList heroine(50, 70);
    Artwork::loadHeroineImages(heroine);
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
        EXPECT_GE(lowest, 66) << "frame " << i;
    }
}

TEST(ArtworkTest, WalkingFramesDifferAndTheRestPoseStandsBetweenThem) {
    ImageList heroine(50, 70);
    Artwork::loadHeroineImages(heroine);
    for (int i = 0; i < heroine.count(); ++i) {
        for (int j = i + 1; j < heroine.count(); ++j) {
            EXPECT_NE(heroine.frame(i), heroine.frame(j)) << i << " and " << j;
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
    EXPECT_LT(soleWidth(1), soleWidth(0));
    EXPECT_LT(soleWidth(1), soleWidth(2));
}

TEST(ArtworkTest, IconsHaveSixteenColoursAndATransparentBackground) {
    for (int size : {16, 32}) {
        SCOPED_TRACE(size);
        const QImage icon(QStringLiteral(":/images/icon%1.png").arg(size));
        ASSERT_FALSE(icon.isNull()) << "not in the resources";
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(icon.format(), QImage::Format_Indexed8);
        EXPECT_LE(icon.colorCount(), 16);
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "the corner is transparent";
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << "her head is opaque";
    }
    const QList<QSize> sizes = Artwork::appIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
}

const int kIconSizes[] = {16, 32, 48, 64, 128, 256};

QImage desktopIcon(int size) {
    return QImage(sourceImage(QStringLiteral("icon%1.png").arg(size).toLatin1()));
}

TEST(ArtworkTest, DesktopIconsComeInEverySizeWithSixteenColours) {
    for (int size : kIconSizes) {
        SCOPED_TRACE(size);
        const QImage icon = desktopIcon(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_LE(icon.colorCount(), 16);
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, 0)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << "her head is opaque";
    }
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

TEST(ArtworkTest, LargerIconsAreDrawnAtTheirOwnSizeNotEnlarged) {
    // Every size is a multiple of 16 by a product of 2s and 3s, so an
    // enlargement of any smaller icon is made of 2x2 or 3x3 blocks.
    for (int size : kIconSizes) {
        if (size == 16) {
            continue;
        }
        SCOPED_TRACE(size);
        const QImage icon = desktopIcon(size);
        EXPECT_FALSE(madeOfBlocks(icon, 2));
        EXPECT_FALSE(madeOfBlocks(icon, 3));
        if (size > 32) {
            // A 32-pixel drawing, however enlarged, has at most 31 places
            // where a colour can change along a row.
            EXPECT_GT(edgeColumns(icon), 32);
        }
    }
}

enum class Area { clear, Hair, Rest };

Area areaOf(QRgb c) {
    if (qAlpha(c) != 255) {
        return Area::clear;
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
        if (first[i] != Area::clear || second[i] != Area::clear) {
            ++figure;
            same += first[i] == second[i] ? 1 : 0;
        }
    }
    return static_cast<double>(same) / figure;
}

TEST(ArtworkTest, EveryIconSizeShowsTheSameHead) {
    // The sizes drawn from the shared shapes agree almost everywhere; the
    // 16-pixel one is drawn by hand to fill its square and agrees less, yet
    // far more than the head turned the other way would (about 0.4).
    const QImage reference = desktopIcon(32);
    for (int size : kIconSizes) {
        SCOPED_TRACE(size);
        const double least = size == 16 ? 0.65 : 0.9;
        EXPECT_GT(sameHead(desktopIcon(size), reference), least);
    }
}

} // namespace
