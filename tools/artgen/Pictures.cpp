#include "Artgen.h"
#include "Heroine.h"
#include "Lettering.h"
#include "Palette.h"

#include <cmath>
#include <string>

namespace art {

namespace {

using namespace palette;

constexpr double kPi = 3.14159265358979323846;
constexpr int kPanelWidth = 170; // the three result pictures share one size
constexpr int kPanelHeight = 140;

constexpr QRgb kSparkle = Rgb(255, 208, 60);
constexpr QRgb kSparkleLine = Rgb(214, 130, 30);
constexpr QRgb kSparklePink = Rgb(255, 150, 190);
constexpr QRgb kMotion = Rgb(150, 170, 210);
constexpr QRgb kShadow = Rgb(228, 230, 240);

// A fixed scatter: the same coordinates always give the same number.
unsigned Hash(int x, int y) {
    unsigned h = static_cast<unsigned>(x) * 374761393u + static_cast<unsigned>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

// A column of hand-lettered kana or upright capitals, top to bottom; each glyph may be pushed
// sideways by `sway` (in em) for a wavering voice.
Mask Column(const Shapes& shapes, const std::vector<std::string>& text, Pt top, double em,
            double pen, const std::vector<double>& sway = {}) {
    Mask out = shapes.None();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const double dx = i < sway.size() ? sway[i] * em : 0;
        out |= Letter(shapes, Kana(text[i]), {top.x + dx, top.y + em * static_cast<double>(i)}, em,
                      pen);
    }
    return out;
}

// A four-pointed twinkle.
Mask Twinkle(const Shapes& s, Pt c, double r) {
    return s.Polygon({{c.x, c.y - r},
                      {c.x + r * 0.22, c.y - r * 0.22},
                      {c.x + r, c.y},
                      {c.x + r * 0.22, c.y + r * 0.22},
                      {c.x, c.y + r},
                      {c.x - r * 0.22, c.y + r * 0.22},
                      {c.x - r, c.y},
                      {c.x - r * 0.22, c.y - r * 0.22}});
}

// A five-pointed star.
Mask Star(const Shapes& s, Pt c, double r, double degrees = 0) {
    std::vector<Pt> points;
    for (int i = 0; i < 10; ++i) {
        const double a = (degrees - 90 + 36.0 * i) * kPi / 180;
        const double reach = (i % 2 == 0) ? r : r * 0.45;
        points.push_back({c.x + reach * std::cos(a), c.y + reach * std::sin(a)});
    }
    return s.Polygon(points);
}

void DrawTwinkle(Layer& layer, const Shapes& s, Pt c, double r, QRgb colour) {
    const Mask m = Twinkle(s, c, r);
    layer.Fill(m.Grown(), kWhite);
    layer.Fill(m, colour);
}

void DrawStar(Layer& layer, const Shapes& s, Pt c, double r, double degrees) {
    const Mask m = Star(s, c, r, degrees);
    layer.Fill(m, kSparkle);
    layer.Outline(m, kSparkleLine);
}

// A falling drop, round at the bottom and pointed at the top.
Mask Drop(const Shapes& s, Pt c, double r) {
    return s.Circle(c, r) | s.Polygon({{c.x - r * 0.86, c.y - r * 0.5},
                                       {c.x, c.y - r * 2.2},
                                       {c.x + r * 0.86, c.y - r * 0.5}});
}

void DrawDrop(Layer& layer, const Shapes& s, Pt c, double r) {
    const Mask m = Drop(s, c, r);
    layer.Fill(m, kTear);
    layer.Fill(s.Circle({c.x - r * 0.35, c.y - r * 0.2}, r * 0.3) & m, kTearLight);
    layer.Outline(m, kTearLine);
}

// A white balloon with an outline `thickness` pixels wide.
void DrawBalloon(Layer& layer, const Mask& balloon, int thickness, QRgb line) {
    Mask ring = balloon;
    for (int i = 0; i < thickness; ++i) {
        ring = ring.Grown();
    }
    layer.Fill(ring, line);
    layer.Fill(balloon, kWhite);
}

// Ordered dithering between bands of colour, the old way of painting a sky.
QRgb Dithered(const std::vector<QRgb>& bands, double t, int x, int y) {
    static const int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    const double position = std::clamp(t, 0.0, 1.0) * static_cast<double>(bands.size() - 1);
    const int band = std::min(static_cast<int>(position), static_cast<int>(bands.size()) - 2);
    const double within = position - band;
    const double threshold = (kBayer[y % 4][x % 4] + 0.5) / 16.0;
    return bands[static_cast<std::size_t>(within > threshold ? band + 1 : band)];
}

Mask Cloud(const Shapes& s, Pt at, double size) {
    const Shapes c = s.Placed(at, size);
    const Mask puffs = c.Circle({-1.2, 0.3}, 0.8) | c.Circle({-0.3, -0.3}, 1.1) |
                       c.Circle({0.8, -0.1}, 0.95) | c.Circle({1.7, 0.4}, 0.65) |
                       c.Rect(-1.8, 0.2, 3.8, 0.9);
    return puffs - c.Rect(-3, 1.1, 6, 2);
}

void DrawCloud(Layer& layer, const Shapes& s, Pt at, double size) {
    const Mask m = Cloud(s, at, size);
    layer.Fill(m, kCloud.base);
    layer.Fill(m - m.Shifted(0, -std::max(1, static_cast<int>(size * 0.35))), kCloud.shade);
    layer.Outline(m, kCloud.line);
}

// Curved strokes beside a waving hand.
void DrawMotion(Layer& layer, const Shapes& s, Pt c, double r, double from, double to) {
    for (double reach : {r, r * 1.35}) {
        std::vector<Pt> arc;
        for (int i = 0; i <= 8; ++i) {
            const double a = (from + (to - from) * i / 8.0) * kPi / 180;
            arc.push_back({c.x + reach * std::cos(a), c.y + reach * std::sin(a)});
        }
        layer.Fill(s.Stroke(arc, 0.7, 0.5), kMotion);
    }
}

} // namespace

// ------------------------------------------------------------------ title

QImage TitlePicture() {
    constexpr int kWidth = 138;
    constexpr int kHeight = 300;
    constexpr int kHorizon = 236;
    const Shapes s(kWidth, kHeight);
    Layer picture(kWidth, kHeight);

    const std::vector<QRgb> sky{kSkyTop, Rgb(96, 164, 244), Rgb(126, 190, 250), kSkyLow,
                                Rgb(196, 230, 255)};
    for (int y = 0; y < kHorizon; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            picture.Set(x, y, Dithered(sky, static_cast<double>(y) / kHorizon, x, y));
        }
    }
    DrawCloud(picture, s, {24, 36}, 9);
    DrawCloud(picture, s, {112, 22}, 7);
    DrawCloud(picture, s, {118, 150}, 6);
    DrawCloud(picture, s, {14, 196}, 7);

    // A small town on the far right of the horizon.
    const Mask far = s.Rect(92, 214, 8, 22) | s.Rect(99, 206, 7, 30) | s.Rect(112, 210, 9, 26) |
                     s.Rect(126, 200, 6, 36) | s.Rect(131, 216, 7, 20) | s.Rect(104, 222, 9, 14);
    picture.Fill(far, kTownFar);
    const Mask near = s.Rect(96, 222, 10, 14) | s.Rect(108, 217, 6, 19) | s.Rect(118, 220, 10, 16) |
                      s.Rect(128, 212, 5, 24) | s.Polygon({{128, 212}, {130.5, 205}, {133, 212}});
    picture.Fill(near, kTown);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (near.At(x, y) && x % 3 == 1 && y % 4 == 1 && near.At(x + 1, y + 1) &&
                near.At(x - 1, y - 1)) {
                picture.Set(x, y, kTownWindow);
            }
        }
    }

    // Grass and the dirt path running off toward the town. Tufts and
    // pebbles are scattered by a fixed hash, larger and denser nearer by.
    const Mask ground = s.Rect(0, kHorizon, kWidth, kHeight - kHorizon);
    picture.Fill(ground, kGrass.base);
    picture.Fill(s.Rect(0, kHorizon, kWidth, 3), kGrass.light);
    picture.Fill(s.Rect(0, kHorizon, kWidth, 1), kGrass.shade);
    const Mask path = s.Polygon({{62, kHorizon}, {76, kHorizon}, {124, kHeight}, {16, kHeight}});
    for (int y = kHorizon + 4; y < kHeight; ++y) {
        const double near = static_cast<double>(y - kHorizon) / (kHeight - kHorizon);
        const int blade = 1 + static_cast<int>(near * 4);
        const unsigned every = static_cast<unsigned>(40 - near * 30);
        for (int x = 0; x < kWidth; ++x) {
            if (path.At(x, y) || Hash(x, y) % every != 0) {
                continue;
            }
            picture.Fill(s.Line({{x + 0.5, y + 0.5}, {x - 0.5, y + 1.5 - blade}}) - path,
                         kGrass.shade);
            picture.Fill(s.Line({{x + 1.5, y + 0.5}, {x + 1.5, y + 0.5 - blade}}) - path,
                         kGrass.shade);
            picture.Fill(s.Line({{x + 2.5, y + 0.5}, {x + 3.5, y + 1.5 - blade}}) - path,
                         kGrass.shade);
            picture.Set(x + 1, y - blade, kGrass.light);
        }
    }
    for (int i = 0; i < 16; ++i) {
        // Little flowers along the near verge.
        const int x = static_cast<int>(Hash(i, 1) % kWidth);
        const int y = kHorizon + 26 + static_cast<int>(Hash(i, 2) % 36);
        if (!path.Grown().Grown().At(x, y)) {
            picture.Fill(s.Rect(x - 1, y, 3, 1) | s.Rect(x, y - 1, 1, 3),
                         i % 3 == 0 ? kSparklePink : kWhite);
            picture.Set(x, y, kSparkle);
        }
    }
    picture.Fill(path, kPath.base);
    for (int y = kHorizon; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (!path.At(x, y)) {
                continue;
            }
            const unsigned h = Hash(x, y) % 61;
            if (h == 0) {
                picture.Set(x, y, kPath.shade);
                picture.Set(x + 1, y, kPath.shade);
                picture.Set(x, y - 1, kPath.light);
            } else if (h == 1 || h == 2) {
                picture.Set(x, y, kPath.light);
            }
        }
    }
    picture.Fill(path.Edge() - s.Rect(0, kHeight - 1, kWidth, 1), kPath.shade);
    // Her shadow on the path: she is in the air.
    picture.Fill(s.Ellipse({70, 286}, 22, 4), kPath.shade);

    FrontPose pose;
    pose.bodyDegrees = 6;
    pose.headDegrees = -6;
    pose.eyes = Eyes::Open;
    pose.mouth = Mouth::Grin;
    pose.right = {{-0.36, -0.72}, {-0.14, -0.74}, Hand::Fist, -10, false};
    pose.left = {{0.5, 0.36}, {0.42, 0.18}, Hand::Open, 110, false};
    pose.rightLeg = {{-0.3, 0.5}, {0.12, 0.62}, 10};
    pose.leftLeg = {{0.16, 0.7}, {0.4, 0.4}, -55};
    pose.hairSwing = {0.5, -0.5};
    pose.skirtFlare = 0.15;
    const Layer her = DrawHeroine(kWidth, kHeight, {68, 112}, 25, pose);
    picture.Over(her);
    DrawTwinkle(picture, s, {22, 88}, 5, kSparkle);
    DrawTwinkle(picture, s, {118, 96}, 4, kSparkle);
    DrawTwinkle(picture, s, {108, 64}, 3, kWhite);
    return picture.Flat(kWhite);
}

// ------------------------------------------------------------------ goal

QImage GoalPicture(Edition edition) {
    constexpr int kWidth = 153;
    constexpr int kHeight = 278;
    const Shapes s(kWidth, kHeight);
    Layer picture(kWidth, kHeight);

    const Mask balloon = s.Blob({{111, 20},
                                 {116, 9},
                                 {128, 6},
                                 {140, 9},
                                 {145, 20},
                                 {148, 110},
                                 {145, 206},
                                 {140, 219},
                                 {128, 223},
                                 {116, 219},
                                 {111, 206},
                                 {107, 110}}) |
                         s.Polygon({{108, 124}, {110, 144}, {92, 138}});
    DrawBalloon(picture, balloon, 2, kBalloonLine);
    const std::vector<std::string> cry =
        edition == Edition::English
            ? std::vector<std::string>{"Y", "A", "A", "Y", "～", "～", "!", "♪"}
            : std::vector<std::string>{"や", "っ", "た", "ぁ", "～", "～", "っ", "♪"};
    picture.Fill(Column(s, cry, {116, 14}, 25, 0.07), kLetter);

    FrontPose pose = RestPose();
    pose.eyes = Eyes::Closed;
    pose.mouth = Mouth::Shout;
    pose.right = {{-0.5, -0.5}, {-0.3, -0.62}, Hand::Open, -20, false};
    pose.left = {{0.5, -0.5}, {0.3, -0.62}, Hand::Open, 20, false};
    pose.rightLeg = {{-0.08, 0.9}, {-0.02, 0.72}, 0};
    pose.leftLeg = {{0.08, 0.9}, {0.02, 0.72}, 0};
    pose.skirtFlare = 0.08;
    picture.Fill(s.Ellipse({52, 272}, 26, 3.5), kShadow);
    picture.Over(DrawHeroine(kWidth, kHeight, {52, 118}, 30, pose));

    DrawTwinkle(picture, s, {12, 70}, 6, kSparkle);
    DrawTwinkle(picture, s, {94, 62}, 5, kSparklePink);
    DrawTwinkle(picture, s, {10, 150}, 4, kSparklePink);
    DrawTwinkle(picture, s, {96, 228}, 4, kSparkle);
    return picture.Flat(kWhite);
}

// ------------------------------------------------------------------ result panels

QImage GameOverPicture(Edition edition) {
    const Shapes s(kPanelWidth, kPanelHeight);
    Layer picture(kPanelWidth, kPanelHeight);

    FrontPose pose;
    pose.headDegrees = 10;
    pose.eyes = Eyes::Spiral;
    pose.mouth = Mouth::Dizzy;
    pose.right = {{-0.56, -0.12}, {-0.5, -0.26}, Hand::Open, -60, false};
    pose.left = {{0.56, -0.1}, {0.52, -0.2}, Hand::Open, 70, false};
    pose.rightLeg = {{-0.12, 0.14}, {-0.3, 0.22}, 30};
    pose.leftLeg = {{0.12, 0.14}, {0.3, 0.22}, -30};
    pose.seated = true;
    pose.skirtFlare = 0.3;
    picture.Over(DrawHeroine(kPanelWidth, kPanelHeight, {70, 50}, 22, pose));
    // Stars circling over her head.
    DrawStar(picture, s, {42, 18}, 4.5, 0);
    DrawStar(picture, s, {72, 9}, 4.5, 20);
    DrawStar(picture, s, {101, 17}, 4.5, 40);
    picture.Fill(s.Line({{40, 23}, {52, 27}, {72, 16}, {92, 27}, {104, 22}}) - picture.Coverage(),
                 kMotion);
    const std::vector<std::string> groan =
        edition == Edition::English ? std::vector<std::string>{"U", "G", "H", "～", "～", "!"}
                                    : std::vector<std::string>{"き", "ゅ", "ぅ", "～", "～", "っ"};
    picture.Fill(Column(s, groan, {134, 6}, 21, 0.07, {0.0, 0.18, 0.26, 0.05, -0.18, 0.02}),
                 kGroan);
    return picture.Flat(kWhite);
}

QImage QuitPicture() {
    const Shapes s(kPanelWidth, kPanelHeight);
    Layer picture(kPanelWidth, kPanelHeight);
    FrontPose pose;
    pose.headDegrees = -5;
    pose.eyes = Eyes::Tearful;
    pose.mouth = Mouth::Worried;
    pose.worriedBrows = true;
    pose.right = {{0.04, 0.52}, {0.36, -0.78}, Hand::Fist, 0, false};
    pose.left = {{-0.04, 0.52}, {-0.36, -0.78}, Hand::Fist, 0, false};
    pose.legs = false;
    pose.hairSwing = {0, 0};
    picture.Over(DrawHeroine(kPanelWidth, kPanelHeight, {85, 48}, 28, pose));
    // A tear rolling down her cheek.
    DrawDrop(picture, s, {103, 70}, 2.2);
    return picture.Flat(kWhite);
}

QImage FarewellPicture() {
    const Shapes s(kPanelWidth, kPanelHeight);
    Layer picture(kPanelWidth, kPanelHeight);
    FrontPose pose;
    pose.headDegrees = -6;
    pose.eyes = Eyes::Closed;
    pose.mouth = Mouth::Grin;
    pose.right = {{-0.7, -0.2}, {-0.3, -0.6}, Hand::Open, -20, false};
    pose.left = {{0.12, 0.58}, {0.02, 0.55}, Hand::Open, 180, false};
    pose.legs = false;
    picture.Over(DrawHeroine(kPanelWidth, kPanelHeight, {88, 50}, 28, pose));
    const Placement at{{88, 50}, 28};
    const Pt hand = at.ToPicture({-1.5, 0.62});
    DrawMotion(picture, s, hand, 13, 200, 250);
    DrawTwinkle(picture, s, {140, 30}, 5, kSparkle);
    DrawTwinkle(picture, s, {150, 70}, 4, kSparklePink);
    return picture.Flat(kWhite);
}

// ------------------------------------------------------------------ face

QImage FacePicture() {
    constexpr int kSize = 64;
    const Shapes s(kSize, kSize);
    Layer picture(kSize, kSize);
    FrontPose pose;
    pose.eyes = Eyes::Open;
    pose.mouth = Mouth::Smile;
    pose.legs = false;
    pose.right = {{-0.12, 0.58}, {-0.02, 0.55}, Hand::Open, 180, false};
    pose.left = {{0.12, 0.58}, {0.02, 0.55}, Hand::Open, 180, false};
    picture.Over(DrawHeroine(kSize, kSize, {32, 33}, 23, pose));
    return picture.Flat(Rgb(226, 242, 255));
}

} // namespace art
