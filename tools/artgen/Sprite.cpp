#include "Artgen.h"
#include "Heroine.h"
#include "Palette.h"

namespace art {

namespace {

using namespace palette;

constexpr int kFrameWidth = 50;
constexpr int kFrameHeight = 70;
constexpr int kSheetColumns = 4;
constexpr int kSheetRows = 3;
constexpr int kFrames = 5;

// The far side of the body, one step darker.
Material Far(const Material& m) {
    return {m.shade, m.line, m.base, m.line};
}

enum class SideFace { Open, Bowed, Crying };

struct Figure {
    Layer layer{kFrameWidth, kFrameHeight};
    Shapes shapes{kFrameWidth, kFrameHeight};
};

void Arm(Figure& f, Pt shoulder, Pt elbow, Pt hand, bool far) {
    const Material skin = far ? Far(kSkin) : kSkin;
    const Material dress = far ? Far(kDress) : kDress;
    const Mask arm =
        f.shapes.Capsule(shoulder, elbow, 1.9, 1.7) | f.shapes.Capsule(elbow, hand, 1.7, 1.6);
    f.layer.Part(arm | f.shapes.Circle(hand, 2.1), skin, 0, 0);
    f.layer.Part(f.shapes.Ellipse(shoulder + Pt{0, 0.8}, 2.9, 2.7), dress, 1, 1);
}

void Leg(Figure& f, Pt hip, Pt knee, Pt ankle, Pt toe, bool far) {
    const Material skin = far ? Far(kSkin) : kSkin;
    const Material boot = far ? Far(kBoot) : kBoot;
    f.layer.Part(f.shapes.Capsule(hip, knee, 2.0, 1.8) | f.shapes.Capsule(knee, ankle, 1.8, 1.6),
                 skin, 0, 0);
    // The boot: a shaft up the shin and a foot toward the toe.
    const Pt shaftTop = Lerp(ankle, knee, 0.45);
    Mask b = f.shapes.Capsule(shaftTop, ankle, 2.3, 2.3) | f.shapes.Capsule(ankle, toe, 2.3, 1.8);
    f.layer.Part(b, boot, 1, 1);
}

void SideHead(Figure& f, Pt centre, double tilt, SideFace face) {
    const Shapes s = f.shapes.Placed(centre, 1, false, tilt);
    const ProfileHeadMasks head = ProfileHeadShapes(s);
    const Mask& skin = head.Face;
    const Mask& hair = head.Hair;
    f.layer.Part(s.Capsule({2, 6}, {1.4, 10.5}, 1.9, 1.9), kSkin, 0, 0);
    f.layer.Part(skin, kSkin, 0, 0);
    f.layer.Part(hair, kHair, 1, 1);
    const Mask inside = hair - hair.Edge();
    f.layer.Fill(s.Line({{-7, -5}, {-4, -8.6}, {0, -9.6}}) & inside, kHair.light);
    f.layer.Fill(s.Line({{-5.5, -2}, {-4, 3}, {-4.6, 7}}) & inside, kHair.shade);

    const Pt eye = s.Map({5.3, 0.2});
    const int ex = static_cast<int>(eye.x);
    const int ey = static_cast<int>(eye.y);
    const Pt mouthAt = s.Map({7.6, 5.6});
    const int mx = static_cast<int>(mouthAt.x);
    const int my = static_cast<int>(mouthAt.y);
    switch (face) {
    case SideFace::Open:
        Stamp(f.layer, ex - 1, ey, {"ll.", ".gW", ".GG", ".GG"},
              {{'l', kLash}, {'g', kIrisDark}, {'G', kIris}, {'W', kEyeWhite}});
        f.layer.Set(ex + 1, ey + 4, kBlush);
        f.layer.Set(mx, my, kSkin.line);
        break;
    case SideFace::Bowed:
        // Looking down: the lid low over the eye.
        Stamp(f.layer, ex - 1, ey, {"...", "lll", ".gG", ".GG"},
              {{'l', kLash}, {'g', kIrisDark}, {'G', kIris}});
        f.layer.Set(mx, my, kSkin.line);
        break;
    case SideFace::Crying:
        // Eye squeezed shut, tears running and a wailing mouth.
        Stamp(f.layer, ex - 1, ey - 1, {"l...", ".ll.", "lt..", ".t..", ".tt.", "..t."},
              {{'l', kLash}, {'t', kTear}});
        Stamp(f.layer, mx - 1, my - 1, {".m", "mm", ".m"}, {{'m', kMouth}});
        break;
    }
}

// Where the limbs and body are in one upright frame; `bob` lowers everything
// above the legs.
struct Pose {
    Pt farHip, farKnee, farAnkle, farToe;
    Pt nearHip, nearKnee, nearAnkle, nearToe;
    Pt farShoulder, farElbow, farHand;
    Pt nearShoulder, nearElbow, nearHand;
    std::vector<Pt> skirt;
    std::vector<Pt> hair;
    int bob;
};

void Upright(Figure& f, const Pose& p) {
    const Shapes body = f.shapes.Placed({0, static_cast<double>(p.bob)}, 1);
    f.layer.Part(body.Blob(p.hair), kHair, 1, 1);
    Arm(f, p.farShoulder, p.farElbow, p.farHand, true);
    Leg(f, p.farHip, p.farKnee, p.farAnkle, p.farToe, true);
    Leg(f, p.nearHip, p.nearKnee, p.nearAnkle, p.nearToe, false);
    const Mask skirt = body.Blob(p.skirt);
    f.layer.Part(skirt, kDress, 1, 1);
    f.layer.Part(skirt - skirt.Shifted(0, -2), kHem, 0, 0);
    const Mask bodice =
        body.Blob({{21.5, 30}, {28.5, 30}, {31, 34}, {30, 40}, {21.5, 40}, {20.5, 34}});
    f.layer.Part(bodice, kDress, 1, 1);
    f.layer.Part(body.Rect(20.5, 38.5, 10, 2.5) & (bodice | skirt), kSash, 0, 0);
    f.layer.Part(body.Blob({{23, 28.5}, {29, 29.5}, {29.5, 32}, {26, 33}, {22.5, 31}}), kCollar, 0,
                 0);
    Arm(f, p.nearShoulder, p.nearElbow, p.nearHand, false);
    SideHead(f, {27, 18.0 + p.bob}, 0, SideFace::Open);
    f.layer.Silhouette(kInk);
    f.layer.FillHoles(kInk);
}

const std::vector<Pt> kStandingHair{{19, 10}, {15, 20}, {14.5, 32}, {13, 42}, {15.5, 47},
                                    {19, 45}, {22, 38}, {23.5, 31}, {26, 27}};
const std::vector<Pt> kStandingSkirt{{21, 39},   {29.5, 39}, {33.5, 47}, {35.5, 54.5},
                                     {26, 55.5}, {16, 54.5}, {18, 47}};

Layer Standing() {
    Figure f;
    Upright(f, {{24, 52},
                {24, 58},
                {24.3, 65},
                {28, 66.5},
                {26, 52},
                {26, 58},
                {26.3, 65.5},
                {30.5, 67},
                {24.5, 32},
                {24.5, 39},
                {24.5, 45},
                {25.5, 32},
                {26, 38.5},
                {28, 44},
                kStandingSkirt,
                kStandingHair,
                0});
    return f.layer;
}

const std::vector<Pt> kStrideHair{{19, 11}, {14.5, 21}, {13, 32},   {11, 41}, {13.5, 47},
                                  {18, 45}, {22, 38},   {23.5, 32}, {26, 28}};
const std::vector<Pt> kStrideSkirt{{21, 40}, {29.5, 40}, {34.5, 47}, {37, 54.5},
                                   {26, 56}, {15, 55},   {17.5, 47}};

// The far (left) leg forward, the near arm swinging forward with it.
Layer StrideLeft() {
    Figure f;
    Upright(f, {{25, 52},
                {29.5, 58},
                {32, 64.5},
                {36.5, 65.5},
                {25, 52},
                {22, 58},
                {18.5, 64},
                {21.5, 67.5},
                {24.5, 33},
                {22, 38.5},
                {19.5, 43},
                {25.5, 33},
                {28.5, 38.5},
                {31.5, 42.5},
                kStrideSkirt,
                kStrideHair,
                1});
    return f.layer;
}

// The near (right) leg forward, the near arm swung back.
Layer StrideRight() {
    Figure f;
    Upright(f, {{25, 52},
                {22, 58},
                {18.5, 64},
                {21.5, 67.5},
                {25, 52},
                {29.5, 58},
                {32, 64.5},
                {36.5, 65.5},
                {25, 33},
                {28, 38.5},
                {31, 42.5},
                {25.5, 33},
                {22.5, 38.5},
                {20, 43},
                kStrideSkirt,
                kStrideHair,
                1});
    return f.layer;
}

// Sitting on the ground, legs out in front.
void Seated(Figure& f, SideFace face) {
    const bool crying = face == SideFace::Crying;
    f.layer.Part(
        f.shapes.Blob({{18, 27}, {14, 40}, {13, 56}, {14, 67}, {21, 67}, {21, 52}, {24, 38}}),
        kHair, 1, 1);
    Arm(f, {24, 43}, {22.5, 50}, {20, 57}, true);
    Leg(f, {25, 62}, {33, 63}, {40.5, 64}, {42.5, 59.5}, true);
    Leg(f, {26, 63}, {34, 64.5}, {42, 65.5}, {44.5, 61}, false);
    const Mask skirt = f.shapes.Blob(
        {{20.5, 50}, {28, 50}, {33, 57}, {36, 62.5}, {27, 66}, {16.5, 68.5}, {16, 60}});
    f.layer.Part(skirt, kDress, 1, 1);
    f.layer.Part(skirt - skirt.Shifted(1, -2), kHem, 0, 0);
    const Mask bodice =
        f.shapes.Blob({{21, 41.5}, {27.5, 41}, {30, 45}, {29, 51}, {20.5, 51}, {19.5, 46}});
    f.layer.Part(bodice, kDress, 1, 1);
    f.layer.Part(f.shapes.Rect(19.5, 49.5, 10.5, 2.5) & (bodice | skirt), kSash, 0, 0);
    if (crying) {
        f.layer.Part(f.shapes.Blob({{22.5, 39.5}, {28, 40.5}, {28.5, 43}, {25, 44}, {22, 42}}),
                     kCollar, 0, 0);
        Arm(f, {24.5, 43.5}, {27, 49.5}, {31.5, 53}, false);
        SideHead(f, {25.5, 30.5}, -16, face);
    } else {
        f.layer.Part(f.shapes.Blob({{22.5, 39.5}, {28, 40.5}, {28.5, 43}, {25, 44}, {22, 42}}),
                     kCollar, 0, 0);
        Arm(f, {25, 44}, {27.5, 50}, {31, 55.5}, false);
        SideHead(f, {27, 32}, 24, face);
    }
    f.layer.Silhouette(kInk);
    f.layer.FillHoles(kInk);
    if (crying) {
        // Tears flying off in front of her face, drawn after the outline.
        Stamp(f.layer, 36, 27, {"..T.", ".t..", "T..T", "..t."}, {{'T', kTear}, {'t', kTearLine}});
    }
}

// Collapsed, head bowed.
Layer Collapsed() {
    Figure f;
    Seated(f, SideFace::Bowed);
    return f.layer;
}

Layer Crying() {
    Figure f;
    Seated(f, SideFace::Crying);
    return f.layer;
}

} // namespace

QImage HeroineSheet() {
    const Layer frames[kFrames] = {StrideLeft(), Standing(), StrideRight(), Collapsed(), Crying()};
    Layer sheet(kFrameWidth * kSheetColumns, kFrameHeight * kSheetRows);
    for (int i = 0; i < kFrames; ++i) {
        sheet.Over(frames[i], (i % kSheetColumns) * kFrameWidth,
                   (i / kSheetColumns) * kFrameHeight);
    }
    return sheet.Flat(kKeyBlack);
}

} // namespace art
