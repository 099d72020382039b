#pragma once

#include <QImage>
#include <functional>
#include <vector>

// Pixel-exact drawing for the artwork. Every shape is decided by testing pixel
// centres, so a picture never depends on a paint engine, a font or the machine.
namespace art {

struct Pt {
    double x = 0;
    double y = 0;
};
inline Pt operator+(Pt a, Pt b) {
    return {a.x + b.x, a.y + b.y};
}
inline Pt operator-(Pt a, Pt b) {
    return {a.x - b.x, a.y - b.y};
}
inline Pt operator*(Pt a, double k) {
    return {a.x * k, a.y * k};
}
Pt Lerp(Pt a, Pt b, double t);
double Length(Pt a);

// A smooth Catmull-Rom curve through the points, sampled finely enough for
// pixel work.
std::vector<Pt> Curve(const std::vector<Pt>& points, bool closed);

// One bit a pixel.
class Mask {
public:
    Mask(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool At(int x, int y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_ && bits_[Index(x, y)] != 0;
    }
    void Set(int x, int y, bool on = true);

    Mask& operator|=(const Mask& other);
    Mask& operator&=(const Mask& other);
    Mask& operator-=(const Mask& other);
    friend Mask operator|(Mask a, const Mask& b) { return a |= b; }
    friend Mask operator&(Mask a, const Mask& b) { return a &= b; }
    friend Mask operator-(Mask a, const Mask& b) { return a -= b; }

    // The mask moved by (dx, dy).
    Mask Shifted(int dx, int dy) const;
    // Pixels of the mask with a 4-neighbour outside it.
    Mask Edge() const;
    // Pixels of the mask within `width` pixels of a pixel outside it: a band
    // as wide as a pen of that width drawn just inside the outline. Rim(1) is
    // Edge().
    Mask Rim(int width) const;
    // The mask and its 4-neighbours.
    Mask Grown() const;

private:
    int Index(int x, int y) const { return y * width_ + x; }

    int width_;
    int height_;
    std::vector<unsigned char> bits_;
};

// Builds masks of one canvas size. Coordinates pass through a placement
// (origin, scale, mirror) so that a figure can be drawn at any size.
class Shapes {
public:
    Shapes(int width, int height);

    // The same canvas with points mapped to origin + scale * p, mirrored
    // left to right first and then turned clockwise by `degrees` when asked.
    Shapes Placed(Pt origin, double scale, bool mirror = false, double degrees = 0) const;

    Pt Map(Pt p) const;
    int Width() const { return width_; }
    int Height() const { return height_; }

    Mask None() const { return Mask(width_, height_); }
    Mask Rect(double x, double y, double w, double h) const;
    Mask Ellipse(Pt centre, double rx, double ry, double degrees = 0) const;
    Mask Circle(Pt centre, double r) const { return Ellipse(centre, r, r); }
    // A segment with round ends whose radius runs from ra to rb.
    Mask Capsule(Pt a, Pt b, double ra, double rb) const;
    Mask Polygon(const std::vector<Pt>& points) const;
    // A closed smooth shape through the points.
    Mask Blob(const std::vector<Pt>& points) const;
    // A smooth open stroke through the points, tapering from r0 to r1.
    Mask Stroke(const std::vector<Pt>& points, double r0, double r1) const;
    // A one-pixel smooth line through the points, without doubled corners.
    Mask Line(const std::vector<Pt>& points) const;

private:
    // Tests only the pixels within `margin` of the points' bounding box.
    Mask Near(const std::vector<Pt>& points, double margin,
              const std::function<bool(Pt)>& inside) const;
    std::vector<Pt> MapAll(const std::vector<Pt>& points) const;
    Mask PolygonCanvas(const std::vector<Pt>& points) const;

    int width_;
    int height_;
    Pt origin_;
    double scale_ = 1;
    bool mirror_ = false;
    double degrees_ = 0;
};

// Distance from p to the segment ab, and where along it the nearest point lies.
double SegmentDistance(Pt p, Pt a, Pt b, double* along = nullptr);

// Colours of one surface: its base, the shadowed side, the lit side and the
// outline drawn just inside its edge.
struct Material {
    QRgb base;
    QRgb shade;
    QRgb light;
    QRgb line;
};

// A transparent picture being painted back to front.
class Layer {
public:
    Layer(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    QRgb At(int x, int y) const;
    void Set(int x, int y, QRgb colour);
    bool Opaque(int x, int y) const { return qAlpha(At(x, y)) != 0; }

    void Fill(const Mask& mask, QRgb colour);
    // The base colour, the outline just inside the edge (`outline` pixels
    // wide) and, within it, a shaded rim |dx| and |dy| pixels deep on the side
    // away from the light.
    void Part(const Mask& mask, const Material& material, int dx = 1, int dy = 1, int outline = 1);
    void Outline(const Mask& mask, QRgb colour, int width = 1);
    // Draws the opaque pixels of another layer over this one.
    void Over(const Layer& above, int dx = 0, int dy = 0);
    // Recolours every opaque pixel within `width` pixels of a transparent one.
    void Silhouette(QRgb colour, int width = 1);
    // Clears opaque pixels that stick out alone (at most one opaque
    // 4-neighbour), the stray tips a curve can leave at small sizes.
    void Despeckle();
    // Paints every transparent pixel that is shut in by opaque ones, so the
    // picture has no holes.
    void FillHoles(QRgb colour);
    Mask Coverage() const;

    QImage Flat(QRgb background) const; // 32-bit without alpha
    QImage Image() const;               // 32-bit with alpha

private:
    int width_;
    int height_;
    std::vector<QRgb> pixels_;
};

// Pixels written as text, one character a pixel; '.' and ' ' are left alone.
struct Key {
    char symbol;
    QRgb colour;
};
void Stamp(Layer& layer, int x, int y, const std::vector<const char*>& rows,
           const std::vector<Key>& keys, bool mirror = false);

} // namespace art
