#pragma once

#include "Raster.h"

// The heroine seen from the front, for the single pictures. A pose is given
// in head units: the face circle has radius 1 and its centre is the origin,
// y grows downwards. Every picture draws her with the same parts and palette.
namespace art {

enum class Eyes {
    Open,    // big green eyes
    Closed,  // shut in a happy curve
    Spiral,  // dizzy
    Tearful, // brimming with tears, looking up
};

enum class Mouth {
    Smile,   // small closed smile
    Grin,    // open happy smile
    Shout,   // wide open with joy
    Dizzy,   // small open groan
    Worried, // small trembling line
};

enum class Hand {
    Fist,
    Open, // fingers spread, palm to the viewer
};

// Vectors from the shoulder to the elbow and from the elbow to the hand.
struct ArmPose {
    Pt upper;
    Pt fore;
    Hand hand = Hand::Open;
    double handDegrees = 0;
    bool behind = false; // drawn behind the body
};

// Vectors from the hip to the knee and from the knee to the ankle.
struct LegPose {
    Pt thigh;
    Pt shin;
    double footDegrees = 0;
};

struct FrontPose {
    double bodyDegrees = 0; // lean of the body about the neck, clockwise
    double headDegrees = 0; // tilt of the head about the neck, clockwise
    Eyes eyes = Eyes::Open;
    Mouth mouth = Mouth::Smile;
    bool worriedBrows = false;
    ArmPose right; // her right arm, on the viewer's left
    ArmPose left;
    LegPose rightLeg;
    LegPose leftLeg;
    Pt hairSwing;          // where the tips of the long hair move to
    double skirtFlare = 0; // extra width of the hem
    bool legs = true;      // false when the picture ends above the knees
    bool seated = false;   // sitting on the ground, legs out toward the viewer
};

// The standing rest pose, arms down.
FrontPose RestPose();

// Draws her onto a transparent layer of the given size, the head centre at
// `head` and the head radius `radius` pixels.
Layer DrawHeroine(int width, int height, Pt head, double radius, const FrontPose& pose);

// The head in profile facing right, as the walking frames and the icon share
// it: the face and one mass of hair (so no seam runs across the head).
struct ProfileHeadMasks {
    Mask Face;
    Mask Hair;
};
ProfileHeadMasks ProfileHeadShapes(const Shapes& s);

// Where a point of the pose lands in the picture, for effects drawn around her.
struct Placement {
    Pt head;
    double radius;
    Pt ToPicture(Pt p) const { return head + p * radius; }
};

} // namespace art
