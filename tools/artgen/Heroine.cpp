#include "Heroine.h"

#include "Palette.h"

#include <cmath>

namespace art {

namespace {

using namespace palette;

constexpr double kPi = 3.14159265358979323846;
constexpr Pt kNeck{0, 1.22};        // base of the neck below the head centre
constexpr Pt kShoulder{0.5, 0.26};  // in the body frame, her left
constexpr Pt kHip{0.2, 1.75};       // in the body frame, her left
constexpr Pt kSeatedHip{0.34, 2.1}; // knees showing under the hem when seated
constexpr Pt kEye{0.4, 0.3};        // her left eye in the head frame
constexpr double kHairLength = 3.0; // long hair reaches this far below the head centre

constexpr QRgb kMouthLine = Rgb(120, 30, 46);

Pt Rotate(Pt p, double degrees) {
    const double a = degrees * kPi / 180;
    return {p.x * std::cos(a) - p.y * std::sin(a), p.x * std::sin(a) + p.y * std::cos(a)};
}

Pt Mirror(Pt p, bool mirror) {
    return mirror ? Pt{-p.x, p.y} : p;
}

struct Rig {
    Layer& layer;
    Shapes figure; // figure units
    Shapes body;   // about the neck, leaning with the body
    Shapes head;   // about the head centre, tilted with the head
    Pt headCentre; // figure units
    double bodyDegrees;
    double headDegrees;
    double px; // pixels per unit

    Pt BodyPoint(Pt p) const { return kNeck + Rotate(p, bodyDegrees); }
    Pt HeadPoint(Pt p) const { return headCentre + Rotate(p, bodyDegrees + headDegrees); }
    // A whole number of pixels, at least one, for rims and bands.
    int Pixels(double units) const {
        return std::max(1, static_cast<int>(std::lround(units * px)));
    }
};

// ------------------------------------------------------------------ hair

void BackHair(Rig& r, const FrontPose& pose) {
    // The long hair behind her, in the head frame; its tips swing with the pose.
    const std::vector<Pt> outline{
        {0, -1.18},   {0.78, -0.95}, {1.16, -0.4},   {1.24, 0.5},  {1.18, 1.4}, {1.2, 2.3},
        {1.12, 3.0},  {0.94, 2.7},   {0.74, 3.08},   {0.56, 2.6},  {0.3, 2.3},  {-0.3, 2.3},
        {-0.56, 2.6}, {-0.74, 3.08}, {-0.94, 2.7},   {-1.12, 3.0}, {-1.2, 2.3}, {-1.18, 1.4},
        {-1.24, 0.5}, {-1.16, -0.4}, {-0.78, -0.95},
    };
    std::vector<Pt> placed;
    for (const Pt& p : outline) {
        const double reach = std::clamp((p.y - 0.3) / (kHairLength - 0.3), 0.0, 1.0);
        placed.push_back(r.HeadPoint(p) + pose.hairSwing * (reach * reach));
    }
    const Mask hair = r.figure.Blob(placed);
    r.layer.Part(hair, kHair, r.Pixels(0.08), r.Pixels(0.04));
    r.layer.Fill(hair.Edge(), kHair.line);
    // Strands down the long hair.
    for (double x : {-1.0, -0.8, 0.8, 1.0}) {
        std::vector<Pt> strand;
        for (double y : {0.9, 1.6, 2.3}) {
            const double reach = std::clamp((y - 0.3) / (kHairLength - 0.3), 0.0, 1.0);
            strand.push_back(r.HeadPoint({x * (1 + 0.05 * y), y}) +
                             pose.hairSwing * (reach * reach));
        }
        r.layer.Fill(r.figure.Line(strand) & (hair - hair.Edge()), kHair.shade);
    }
}

Mask FrontHair(const Rig& r) {
    const Shapes& s = r.head;
    Mask hair = s.Ellipse({0, -0.28}, 1.14, 0.96) & s.Rect(-2, -2, 4, 1.62);
    const Pt tips[] = {{-0.9, 0.18}, {-0.6, -0.02}, {-0.3, 0.06}, {0.02, -0.06},
                       {0.34, 0.05}, {0.64, -0.02}, {0.92, 0.2}};
    for (const Pt& tip : tips) {
        hair |= s.Stroke({{tip.x * 0.55, -0.8}, {tip.x * 0.92, -0.36}, tip}, 0.22, 0.03);
    }
    // Locks framing the face, down past the chin.
    for (bool mirror : {false, true}) {
        const Shapes side = s.Placed({0, 0}, 1, mirror);
        hair |= side.Stroke({{0.86, -0.66}, {1.02, 0.1}, {1.0, 0.72}, {1.08, 1.14}}, 0.2, 0.04);
        hair |= side.Stroke({{0.7, -0.7}, {0.84, 0.0}, {0.82, 0.46}}, 0.16, 0.03);
    }
    return hair;
}

void DrawFrontHair(Rig& r, const Mask& hair) {
    const Shapes& s = r.head;
    r.layer.Part(hair, kHair, r.Pixels(0.05), r.Pixels(0.05));
    const Mask inside = hair - hair.Edge();
    // Partings between the locks of the fringe.
    const Pt gaps[] = {{-0.76, -0.02}, {-0.45, -0.1}, {-0.14, -0.1},
                       {0.18, -0.1},   {0.5, -0.09},  {0.78, 0.0}};
    for (const Pt& g : gaps) {
        r.layer.Fill(s.Line({g, {g.x * 0.9, -0.3}}) & inside, kHair.line);
    }
    // The shine ring round the crown, broken by the partings.
    Mask ring = s.Stroke({{-0.78, -0.48}, {-0.4, -0.7}, {0, -0.76}, {0.4, -0.7}, {0.78, -0.48}},
                         0.05, 0.05);
    for (const Pt& g : gaps) {
        ring -= s.Capsule({g.x * 0.85, -0.9}, {g.x * 0.8, -0.5}, 0.04, 0.04);
    }
    r.layer.Fill(ring & inside, kHair.light);
}

// ------------------------------------------------------------------ face

void OpenEye(Rig& r, const Shapes& e, bool tearful) {
    const Mask lidLine = e.Stroke(
        {{-0.22, -0.04}, {-0.12, -0.22}, {0.06, -0.28}, {0.2, -0.2}, {0.29, -0.1}}, 0.055, 0.035);
    const Mask eye =
        e.Ellipse({0, 0}, 0.2, 0.27) - e.Rect(-1, -1, 2, 0.78) -
        e.Stroke({{-0.3, -0.02}, {-0.12, -0.22}, {0.06, -0.28}, {0.3, -0.16}}, 0.06, 0.06);
    r.layer.Fill(eye, kEyeWhite);
    const double lift = tearful ? -0.03 : 0.0;
    const Mask iris = e.Ellipse({-0.02, 0.03 + lift}, 0.15, 0.23) & eye;
    r.layer.Fill(iris, kIris);
    r.layer.Fill(iris & e.Rect(-1, -1, 2, 0.94 + lift), kIrisDark);
    r.layer.Fill(iris & e.Ellipse({-0.02, 0.19 + lift}, 0.1, 0.07), kIrisLight);
    r.layer.Fill(e.Ellipse({-0.02, 0.05 + lift}, 0.065, 0.1) & eye, kPupil);
    r.layer.Fill(iris.Edge() - iris.Shifted(0, 1).Edge().Shifted(0, -1), kIrisDark);
    r.layer.Fill(e.Ellipse({-0.08, -0.06 + lift}, tearful ? 0.08 : 0.065, tearful ? 0.09 : 0.075) &
                     eye,
                 kEyeWhite);
    r.layer.Fill(e.Circle({0.05, 0.13 + lift}, 0.03) & eye, kEyeWhite);
    if (tearful) {
        // Tears pooling along the lower lid.
        const Mask pool = eye & e.Ellipse({0, 0.26}, 0.24, 0.1);
        r.layer.Fill(pool, kTear);
        r.layer.Fill(pool.Edge() & e.Rect(-1, -1, 2, 1.2), kTearLight);
        r.layer.Fill(e.Circle({0.08, 0.05}, 0.035) & eye, kEyeWhite);
    }
    r.layer.Fill(lidLine, kLash);
    r.layer.Fill(e.Stroke({{0.2, -0.2}, {0.32, -0.26}}, 0.035, 0.02), kLash);
    r.layer.Fill(e.Line({{0.04, 0.28}, {0.14, 0.24}, {0.2, 0.16}}), kSkin.line);
}

void ClosedEye(Rig& r, const Shapes& e) {
    r.layer.Fill(e.Stroke({{-0.2, 0.12}, {-0.1, -0.02}, {0.06, -0.05}, {0.2, 0.06}}, 0.045, 0.04),
                 kLash);
    r.layer.Fill(e.Stroke({{0.18, 0.04}, {0.28, 0.0}}, 0.03, 0.02), kLash);
}

void SpiralEye(Rig& r, const Shapes& e) {
    std::vector<Pt> spiral;
    constexpr double kTurns = 2.4;
    constexpr int kSteps = 60;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = static_cast<double>(i) / kSteps;
        const double a = t * kTurns * 2 * kPi;
        spiral.push_back({0.2 * t * std::cos(a), 0.03 + 0.22 * t * std::sin(a)});
    }
    r.layer.Fill(e.Line(spiral), kLash);
}

void Face(Rig& r, const FrontPose& pose, const Mask& hair) {
    const Shapes& s = r.head;
    const Mask face = s.Blob({{0, -1.0},
                              {0.72, -0.74},
                              {0.98, -0.05},
                              {0.9, 0.45},
                              {0.6, 0.84},
                              {0.22, 1.05},
                              {0, 1.08},
                              {-0.22, 1.05},
                              {-0.6, 0.84},
                              {-0.9, 0.45},
                              {-0.98, -0.05},
                              {-0.72, -0.74}});
    r.layer.Part(face, kSkin, 0, 0);
    // The fringe's shadow on the forehead.
    r.layer.Fill((hair.Shifted(0, r.Pixels(0.08)) & face) - hair, kSkin.shade);

    for (bool left : {false, true}) {
        const Pt at = Mirror(kEye, !left);
        const Shapes e = s.Placed(at, 1, !left);
        r.layer.Fill(s.Ellipse(Mirror({0.6, 0.58}, !left), 0.15, 0.075), kBlush);
        switch (pose.eyes) {
        case Eyes::Open:
            OpenEye(r, e, false);
            break;
        case Eyes::Tearful:
            OpenEye(r, e, true);
            break;
        case Eyes::Closed:
            ClosedEye(r, e);
            break;
        case Eyes::Spiral:
            SpiralEye(r, e);
            break;
        }
    }
    r.layer.Fill(s.Line({{0.03, 0.5}, {0.06, 0.54}}), kSkin.line);

    auto openMouth = [&](const std::vector<Pt>& outline, Pt tongue, double tongueRx) {
        const Mask m = s.Blob(outline);
        r.layer.Fill(m, kMouth);
        r.layer.Fill(m & s.Ellipse(tongue, tongueRx, tongueRx * 0.55), kTongue);
        r.layer.Outline(m, kMouthLine);
    };
    switch (pose.mouth) {
    case Mouth::Smile:
        r.layer.Fill(s.Line({{-0.13, 0.66}, {0, 0.72}, {0.13, 0.66}}), kMouthLine);
        break;
    case Mouth::Grin:
        openMouth({{-0.17, 0.63}, {0.17, 0.63}, {0.1, 0.76}, {0, 0.8}, {-0.1, 0.76}}, {0, 0.8},
                  0.09);
        break;
    case Mouth::Shout:
        openMouth({{-0.2, 0.6}, {0, 0.62}, {0.2, 0.6}, {0.16, 0.8}, {0, 0.9}, {-0.16, 0.8}},
                  {0, 0.88}, 0.12);
        break;
    case Mouth::Dizzy:
        openMouth({{-0.1, 0.66}, {0.08, 0.62}, {0.12, 0.74}, {0, 0.82}, {-0.1, 0.76}}, {0.02, 0.82},
                  0.06);
        break;
    case Mouth::Worried:
        r.layer.Fill(s.Line({{-0.14, 0.72}, {-0.07, 0.67}, {0, 0.71}, {0.07, 0.67}, {0.14, 0.72}}),
                     kMouthLine);
        break;
    }
}

void Brows(Rig& r, const FrontPose& pose) {
    if (!pose.worriedBrows) {
        return;
    }
    for (bool left : {false, true}) {
        const Shapes b = r.head.Placed({0, 0}, 1, !left);
        r.layer.Fill(b.Stroke({{0.2, -0.2}, {0.4, -0.13}, {0.56, -0.04}}, 0.035, 0.025),
                     kHair.line);
    }
}

// ------------------------------------------------------------------ body

void DrawHand(Rig& r, Pt at, Hand kind, double degrees, bool left) {
    // Her left hand is the mirror image of her right; fingers point along -y.
    const Shapes h = r.figure.Placed(at, 1, false, degrees).Placed({0, 0}, 1, left);
    if (kind == Hand::Fist) {
        const Mask fist = h.Ellipse({0, 0}, 0.19, 0.17);
        r.layer.Part(fist, kSkin, r.Pixels(0.04), r.Pixels(0.04));
        const Mask inside = fist - fist.Edge();
        for (double x : {-0.07, 0.03}) {
            r.layer.Fill(h.Line({{x, -0.14}, {x + 0.01, -0.03}}) & inside, kSkin.line);
        }
        r.layer.Fill(h.Line({{-0.12, 0.06}, {0.04, 0.07}}) & inside, kSkin.line);
        return;
    }
    const Mask thumb = h.Capsule({0.06, 0.06}, {0.22, -0.06}, 0.065, 0.055);
    r.layer.Part(thumb, kSkin, 0, 0);
    Mask hand = h.Ellipse({0, 0.05}, 0.15, 0.14);
    const double fingers[] = {-0.085, 0, 0.085};
    const double tips[] = {-0.2, -0.25, -0.21};
    for (int i = 0; i < 3; ++i) {
        hand |= h.Capsule({fingers[i], 0}, {fingers[i] * 1.2, tips[i]}, 0.062, 0.058);
    }
    r.layer.Part(hand, kSkin, 0, 0);
    const Mask inside = hand - hand.Edge();
    for (double x : {-0.043, 0.043}) {
        r.layer.Fill(h.Line({{x, -0.04}, {x * 1.2, -0.2}}) & inside, kSkin.line);
    }
}

void DrawArm(Rig& r, const ArmPose& arm, bool left) {
    const Pt shoulder = r.BodyPoint(Mirror(kShoulder, !left));
    const Pt elbow = shoulder + arm.upper;
    const Pt hand = elbow + arm.fore;
    const Mask limb =
        r.figure.Capsule(shoulder, elbow, 0.12, 0.11) | r.figure.Capsule(elbow, hand, 0.11, 0.1);
    r.layer.Part(limb, kSkin, r.Pixels(0.03), r.Pixels(0.03));
    DrawHand(r, hand, arm.hand, arm.handDegrees, left);
    const double along = std::atan2(arm.upper.y, arm.upper.x) * 180 / kPi;
    const Mask puff = r.figure.Ellipse(shoulder + arm.upper * 0.18, 0.26, 0.21, along);
    r.layer.Part(puff, kDress, r.Pixels(0.05), r.Pixels(0.05));
    r.layer.Fill(r.figure.Ellipse(shoulder + arm.upper * 0.34, 0.06, 0.2, along) &
                     (puff - puff.Edge()),
                 kHem.base);
}

void DrawLeg(Rig& r, const LegPose& leg, bool left, bool seated) {
    const Pt hip = r.BodyPoint(Mirror(seated ? kSeatedHip : kHip, !left));
    const Pt knee = hip + leg.thigh;
    const Pt ankle = knee + leg.shin;
    const Mask thigh = r.figure.Capsule(hip, knee, 0.16, 0.13);
    const Mask shin = r.figure.Capsule(knee, ankle, 0.13, 0.1);
    r.layer.Part(thigh | shin, kSkin, r.Pixels(0.03), r.Pixels(0.03));
    const Pt sockTop = Lerp(knee, ankle, 0.3);
    const Mask sock = r.figure.Capsule(sockTop, ankle, 0.14, 0.12);
    r.layer.Part(sock, kSock, r.Pixels(0.03), r.Pixels(0.03));
    r.layer.Fill(r.figure.Capsule(sockTop, Lerp(sockTop, ankle, 0.15), 0.15, 0.14) -
                     r.figure.Capsule(Lerp(sockTop, ankle, 0.15), ankle, 0.15, 0.15),
                 kSock.line);
    const Shapes foot = r.figure.Placed(ankle, 1, false, leg.footDegrees);
    const Mask shoe = foot.Ellipse({0, 0.1}, 0.2, 0.14);
    r.layer.Part(shoe, kShoe, r.Pixels(0.04), r.Pixels(0.04));
    const Mask sole = shoe - shoe.Shifted(0, -r.Pixels(0.06));
    r.layer.Fill(sole, kShoeTrim.base);
    r.layer.Fill(foot.Stroke({{-0.15, 0.02}, {0, 0.05}, {0.15, 0.02}}, 0.025, 0.025) & shoe,
                 kShoeTrim.base);
    r.layer.Fill(sole.Edge() & shoe.Edge(), kShoeTrim.line);
}

void DrawDress(Rig& r, const FrontPose& pose) {
    const Shapes& b = r.body;
    const double f = pose.skirtFlare;
    const Mask skirt = b.Blob({{-0.38, 0.98},
                               {0.38, 0.98},
                               {0.6, 1.6},
                               {0.88 + f, 2.18},
                               {0.9 + f, 2.32},
                               {0.5 + f * 0.5, 2.42},
                               {0, 2.45},
                               {-0.5 - f * 0.5, 2.42},
                               {-0.9 - f, 2.32},
                               {-0.88 - f, 2.18},
                               {-0.6, 1.6}});
    r.layer.Part(skirt, kDress, r.Pixels(0.06), r.Pixels(0.03));
    // Folds falling from the waist.
    for (double x : {-0.5, -0.18, 0.18, 0.5}) {
        r.layer.Fill(b.Line({{x * 0.5, 1.3}, {x * (1.25 + f), 2.2}}) & (skirt - skirt.Edge()),
                     kDress.shade);
    }
    const Mask hem = skirt - skirt.Shifted(0, -r.Pixels(0.16));
    r.layer.Part(hem, kHem, 0, 0);
    r.layer.Fill(skirt.Edge() & hem, kHem.line);

    const Mask bodice = b.Blob({{-0.4, 0.02},
                                {0.4, 0.02},
                                {0.54, 0.28},
                                {0.5, 0.7},
                                {0.42, 1.1},
                                {-0.42, 1.1},
                                {-0.5, 0.7},
                                {-0.54, 0.28}});
    r.layer.Part(bodice, kDress, r.Pixels(0.06), r.Pixels(0.04));
    const Mask sash = b.Rect(-0.6, 0.92, 1.2, 0.22) & (bodice | skirt);
    r.layer.Part(sash, kSash, 0, r.Pixels(0.05));
    // A bow at the front of the sash.
    Mask bow = b.Ellipse({-0.15, 1.0}, 0.14, 0.09, -18) | b.Ellipse({0.15, 1.0}, 0.14, 0.09, 18);
    bow |= b.Capsule({-0.03, 1.06}, {-0.14, 1.38}, 0.05, 0.06);
    bow |= b.Capsule({0.03, 1.06}, {0.14, 1.38}, 0.05, 0.06);
    r.layer.Part(bow, kSash, r.Pixels(0.03), r.Pixels(0.03));
    r.layer.Part(b.Circle({0, 1.03}, 0.065), kSash, 0, 0);
}

void DrawCollar(Rig& r) {
    const Shapes& b = r.body;
    const Mask neck = b.Capsule({0, -0.5}, {0, 0.08}, 0.17, 0.18);
    r.layer.Part(neck, kSkin, 0, 0);
    r.layer.Fill(neck & b.Rect(-1, -0.4, 2, 0.2), kSkin.shade);
    for (bool mirror : {false, true}) {
        const Shapes c = b.Placed({0, 0}, 1, mirror);
        const Mask flap = c.Blob(
            {{0.01, 0.0}, {0.3, -0.04}, {0.44, 0.1}, {0.34, 0.3}, {0.12, 0.3}, {0.01, 0.16}});
        r.layer.Part(flap, kCollar, r.Pixels(0.03), r.Pixels(0.03));
    }
}

} // namespace

FrontPose RestPose() {
    FrontPose p;
    p.right = {{-0.12, 0.58}, {-0.02, 0.55}, Hand::Open, 180, false};
    p.left = {{0.12, 0.58}, {0.02, 0.55}, Hand::Open, 180, false};
    p.rightLeg = {{-0.02, 0.9}, {0, 0.72}, 0};
    p.leftLeg = {{0.02, 0.9}, {0, 0.72}, 0};
    return p;
}

Layer DrawHeroine(int width, int height, Pt head, double radius, const FrontPose& pose) {
    Layer layer(width, height);
    const Shapes figure = Shapes(width, height).Placed(head, radius);
    const Pt headCentre = kNeck + Rotate(Rotate({0, -kNeck.y}, pose.headDegrees), pose.bodyDegrees);
    Rig r{layer,
          figure,
          figure.Placed(kNeck, 1, false, pose.bodyDegrees),
          figure.Placed(headCentre, 1, false, pose.bodyDegrees + pose.headDegrees),
          headCentre,
          pose.bodyDegrees,
          pose.headDegrees,
          radius};

    BackHair(r, pose);
    if (pose.right.behind) {
        DrawArm(r, pose.right, false);
    }
    if (pose.left.behind) {
        DrawArm(r, pose.left, true);
    }
    if (pose.legs && !pose.seated) {
        DrawLeg(r, pose.rightLeg, false, false);
        DrawLeg(r, pose.leftLeg, true, false);
    }
    DrawDress(r, pose);
    if (pose.legs && pose.seated) {
        DrawLeg(r, pose.rightLeg, false, true);
        DrawLeg(r, pose.leftLeg, true, true);
    }
    DrawCollar(r);
    const Mask hair = FrontHair(r);
    Face(r, pose, hair);
    DrawFrontHair(r, hair);
    Brows(r, pose);
    if (!pose.right.behind) {
        DrawArm(r, pose.right, false);
    }
    if (!pose.left.behind) {
        DrawArm(r, pose.left, true);
    }
    layer.Silhouette(kInk);
    return layer;
}

ProfileHeadMasks ProfileHeadShapes(const Shapes& s) {
    const Mask skin = s.Blob({{0, -5},
                              {6.5, -5.2},
                              {8.6, -1.5},
                              {9.6, 2.2},
                              {8.8, 3.6},
                              {8.6, 5.6},
                              {6.8, 8.4},
                              {2.5, 8.4},
                              {-1.2, 5},
                              {-1.5, -1}});
    const Mask skull = s.Ellipse({-1.6, -1.4}, 9.4, 9.4);
    const Mask bangs = s.Blob({{-4, -10.4},
                               {4, -10.2},
                               {8.6, -6.8},
                               {10, -2.8},
                               {7.6, -3.6},
                               {6.6, -1.6},
                               {4.6, -3.6},
                               {2.6, 0.5},
                               {0.6, -3},
                               {-2, -6}});
    const Mask lock = s.Stroke({{-0.2, -4}, {-0.8, 2}, {0.2, 8.6}}, 1.9, 1.1);
    return {skin, (skull - skin) | bangs | lock};
}

} // namespace art
