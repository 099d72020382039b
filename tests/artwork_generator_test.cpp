#include "Lettering.h"
#include "Raster.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

// The drawing primitives the artwork is made of: if one of them slips, every
// picture changes at once, so their contracts are pinned here.
namespace {

using art::Layer;
using art::Mask;
using art::Pt;
using art::Shapes;

const QRgb kRed = qRgb(200, 0, 0);
const QRgb kInk = qRgb(20, 10, 30);

// Pixels of a mask connected through their 8-neighbours to its first pixel.
int reached(const Mask& mask) {
    Mask seen(mask.Width(), mask.Height());
    std::vector<std::pair<int, int>> open;
    for (int y = 0; y < mask.Height() && open.empty(); ++y) {
        for (int x = 0; x < mask.Width() && open.empty(); ++x) {
            if (mask.At(x, y)) {
                open.emplace_back(x, y);
                seen.Set(x, y);
            }
        }
    }
    int count = static_cast<int>(open.size());
    while (!open.empty()) {
        const auto [x, y] = open.back();
        open.pop_back();
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (mask.At(x + dx, y + dy) && !seen.At(x + dx, y + dy)) {
                    seen.Set(x + dx, y + dy);
                    open.emplace_back(x + dx, y + dy);
                    ++count;
                }
            }
        }
    }
    return count;
}

int Pixels(const Mask& mask) {
    int count = 0;
    for (int y = 0; y < mask.Height(); ++y) {
        for (int x = 0; x < mask.Width(); ++x) {
            count += mask.At(x, y) ? 1 : 0;
        }
    }
    return count;
}

TEST(ArtworkGeneratorTest, EveryCharacterOfTheCriesHasAGlyph) {
    for (const char* c : {"や", "っ", "た", "ぁ", "～", "♪", "き", "ゅ", "ぅ"}) {
        const art::Glyph glyph = art::Kana(c);
        EXPECT_FALSE(glyph.strokes.empty()) << c;
    }
    EXPECT_TRUE(art::Kana("ん").strokes.empty()) << "an unknown character draws nothing";
    for (int digit = 1; digit <= 6; ++digit) {
        EXPECT_FALSE(art::Digit(digit).strokes.empty()) << digit;
    }
    EXPECT_TRUE(art::Digit(7).strokes.empty());
}

TEST(ArtworkGeneratorTest, SmallKanaSitInTheUpperRightOfTheirBoxAndAreDrawnFiner) {
    for (const char* c : {"っ", "ぁ", "ぅ", "ゅ"}) {
        const art::Glyph glyph = art::Kana(c);
        for (const auto& stroke : glyph.strokes) {
            for (const Pt& p : stroke) {
                EXPECT_GE(p.x, 0.25) << c;
                EXPECT_LE(p.y, 0.75) << c;
            }
        }
        EXPECT_LT(glyph.weight, art::Kana("た").weight) << c;
    }
}

// Where the ink of each row lies, left to right, for the rows that have ink.
std::vector<double> RowCentres(const Mask& mask) {
    std::vector<double> centres;
    for (int y = 0; y < mask.Height(); ++y) {
        double sum = 0;
        int count = 0;
        for (int x = 0; x < mask.Width(); ++x) {
            if (mask.At(x, y)) {
                sum += x;
                ++count;
            }
        }
        if (count > 0) {
            centres.push_back(sum / count);
        }
    }
    return centres;
}

TEST(ArtworkGeneratorTest, TheVerticalWaveDashSwingsRightThenLeftDownTheColumn) {
    // At the sizes the cries are lettered in, the dash must read as the
    // horizontal one turned clockwise: going down, out to the right, back
    // across to the left, each end curling outward past the middle. A single
    // bend (which reads as "く") or a wave mirrored the other way fails.
    for (double em : {21.0, 25.0}) {
        SCOPED_TRACE(em);
        const int box = static_cast<int>(em) + 2;
        const Mask dash = art::Letter(Shapes(box, box), art::Kana("～"), {1, 1}, em, 0.07);
        const std::vector<double> centres = RowCentres(dash);
        ASSERT_GT(centres.size(), em / 2) << "runs down the column";
        const auto right = std::max_element(centres.begin(), centres.end());
        const auto left = std::min_element(centres.begin(), centres.end());
        EXPECT_LT(right - centres.begin(), left - centres.begin()) << "the right swing comes first";
        EXPECT_GE(*right - *left, em * 0.2) << "swings wide enough to see";
        EXPECT_LT(centres.front(), *right - 1.5) << "the top end curls in from the left";
        EXPECT_GT(centres.back(), *left + 1.5) << "the bottom end curls out to the right";
        EXPECT_EQ(reached(dash), Pixels(dash)) << "one stroke";
    }
}

TEST(ArtworkGeneratorTest, LinesAreUnbrokenAndOnePixelWide) {
    const Shapes shapes(40, 40);
    const Mask line = shapes.Line({{3, 5}, {15, 30}, {30, 10}, {37, 36}});
    EXPECT_EQ(reached(line), Pixels(line)) << "one piece";
    for (int y = 0; y + 1 < 40; ++y) {
        for (int x = 0; x + 1 < 40; ++x) {
            const int block = (line.At(x, y) ? 1 : 0) + (line.At(x + 1, y) ? 1 : 0) +
                              (line.At(x, y + 1) ? 1 : 0) + (line.At(x + 1, y + 1) ? 1 : 0);
            EXPECT_LE(block, 2) << "a doubled corner at " << x << "," << y;
        }
    }
}

TEST(ArtworkGeneratorTest, PlacementsMirrorThenTurnThenScale) {
    const Shapes canvas(40, 40);
    const Shapes placed = canvas.Placed({20, 20}, 2, true, 90);
    const Pt p = placed.Map({1, 0});
    // Mirrored to (-1, 0), turned a quarter clockwise to (0, -1), doubled.
    EXPECT_NEAR(p.x, 20, 1e-9);
    EXPECT_NEAR(p.y, 18, 1e-9);
    // A placement within a placement maps through both: (2, 0) mirrored,
    // turned 30 degrees, halved and moved to (1, 1) in the outer frame.
    const Shapes inner = placed.Placed({1, 1}, 0.5, true, 30);
    const double a = 30 * M_PI / 180;
    const Pt viaOuter = placed.Map({1 - std::cos(a), 1 - std::sin(a)});
    const Pt q = inner.Map({2, 0});
    EXPECT_NEAR(q.x, viaOuter.x, 1e-9);
    EXPECT_NEAR(q.y, viaOuter.y, 1e-9);
}

TEST(ArtworkGeneratorTest, APartIsOutlinedInsideItsEdgeAndShadedOnTheFarSide) {
    const Shapes shapes(12, 12);
    Layer layer(12, 12);
    const art::Material material{kRed, qRgb(100, 0, 0), qRgb(255, 100, 100), kInk};
    layer.Part(shapes.Rect(2, 2, 8, 8), material, 1, 1);
    EXPECT_EQ(layer.At(2, 5), kInk) << "outline on the edge";
    EXPECT_EQ(layer.At(9, 9), kInk);
    EXPECT_EQ(layer.At(8, 5), qRgb(100, 0, 0)) << "shade just inside the lower right";
    EXPECT_EQ(layer.At(5, 8), qRgb(100, 0, 0));
    EXPECT_EQ(layer.At(4, 4), kRed) << "base colour within";
    EXPECT_FALSE(layer.Opaque(1, 1)) << "nothing outside";
}

TEST(ArtworkGeneratorTest, ARimIsABandAsWideAsItsPenInsideTheEdge) {
    const Shapes shapes(30, 30);
    const Mask square = shapes.Rect(5, 5, 20, 20);
    const Mask rim1 = square.Rim(1);
    const Mask edge = square.Edge();
    EXPECT_EQ(Pixels(rim1 - edge) + Pixels(edge - rim1), 0) << "a one-pixel rim is the edge";
    const Mask rim3 = square.Rim(3);
    for (int x = 4; x <= 25; ++x) {
        EXPECT_EQ(rim3.At(x, 15), (x >= 5 && x <= 7) || (x >= 22 && x <= 24)) << x;
    }
    // Round shapes get a round band: as thick across a diagonal as across a side.
    const Mask disc = shapes.Circle({15, 15}, 12);
    const Mask ring = disc.Rim(3);
    int across = 0;
    int diagonal = 0;
    for (int i = 0; i < 15; ++i) {
        across += ring.At(15, i) ? 1 : 0;
        diagonal += ring.At(i, i) ? 1 : 0;
    }
    EXPECT_EQ(across, 3);
    EXPECT_LE(diagonal, 3);
    EXPECT_GE(diagonal, 2);
    EXPECT_EQ(Pixels(shapes.Rect(0, 0, 30, 30).Rim(2)), 30 * 30 - 26 * 26)
        << "the canvas side counts";
}

TEST(ArtworkGeneratorTest, SilhouetteInksOnlyTheOuterEdge) {
    const Shapes shapes(12, 12);
    Layer layer(12, 12);
    layer.Fill(shapes.Rect(2, 2, 8, 8), kRed);
    layer.Silhouette(kInk);
    EXPECT_EQ(layer.At(2, 2), kInk);
    EXPECT_EQ(layer.At(9, 6), kInk);
    EXPECT_EQ(layer.At(3, 3), kRed);
}

TEST(ArtworkGeneratorTest, FillHolesClosesShutInGapsButLeavesTheOutside) {
    const Shapes shapes(20, 20);
    Layer layer(20, 20);
    layer.Fill(shapes.Rect(2, 2, 10, 10) - shapes.Rect(4, 4, 6, 6), kRed);  // a ring
    layer.Fill(shapes.Rect(14, 2, 4, 10) - shapes.Rect(15, 4, 3, 6), kRed); // open to the right
    layer.FillHoles(kInk);
    EXPECT_EQ(layer.At(6, 6), kInk);
    EXPECT_FALSE(layer.Opaque(16, 6));
    EXPECT_FALSE(layer.Opaque(0, 0));
}

TEST(ArtworkGeneratorTest, DespeckleRemovesLoneTipsOnly) {
    const Shapes shapes(12, 12);
    Layer layer(12, 12);
    layer.Fill(shapes.Rect(2, 4, 6, 6), kRed);
    layer.Set(4, 3, kRed);  // a one-pixel tip on top
    layer.Set(10, 1, kRed); // a stray dot
    layer.Despeckle();
    EXPECT_FALSE(layer.Opaque(4, 3));
    EXPECT_FALSE(layer.Opaque(10, 1));
    EXPECT_TRUE(layer.Opaque(2, 4)) << "a corner has two neighbours and stays";
    EXPECT_TRUE(layer.Opaque(5, 6));
}

TEST(ArtworkGeneratorTest, StampedTextPixelsLandWhereWritten) {
    Layer layer(6, 4);
    art::Stamp(layer, 1, 1, {"a.b", ".a."}, {{'a', kRed}, {'b', kInk}});
    EXPECT_EQ(layer.At(1, 1), kRed);
    EXPECT_FALSE(layer.Opaque(2, 1)) << "dots are left alone";
    EXPECT_EQ(layer.At(3, 1), kInk);
    EXPECT_EQ(layer.At(2, 2), kRed);
    Layer mirrored(6, 4);
    art::Stamp(mirrored, 1, 1, {"a.b"}, {{'a', kRed}, {'b', kInk}}, true);
    EXPECT_EQ(mirrored.At(1, 1), kInk);
    EXPECT_EQ(mirrored.At(3, 1), kRed);
}

} // namespace
