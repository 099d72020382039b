#include "Artgen.h"
#include "Heroine.h"
#include "Palette.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace art {

namespace {

using namespace palette;

// The icon's head is the walking heroine's head, drawn larger: the same
// outline in the same units, placed on a 32-pixel square and scaled. Every
// size is drawn from these shapes at its own resolution.
constexpr double kHeadScale = 1.25;
constexpr Pt kHeadCentre{16.5, 14.5};
constexpr int kMaxColours = 16;
constexpr int kDrawingSize = 32; // the square the shapes are laid out on
// Outlines grow with the icon, one pixel for every this many, but never
// below one: a 256-pixel icon gets a 6-pixel outline, not an 8-pixel one.
constexpr double kPixelsPerOutline = 40;
// From this size on the eye's glint is a round dot rather than a square.
constexpr int kRoundGlintSize = 64;
// From this size on the outline is softened by a half-transparent fringe
// measured on a finer grid; smaller icons keep a crisp one-bit edge.
constexpr int kSmoothOutlineSize = 64;
constexpr int kSupersample = 4;
constexpr int kFringeShare = 4; // at least a quarter covered
constexpr QRgb kInkFringe = (kInk & 0xFFFFFFu) | (0x80u << 24);

// The head placed on a canvas of one size, with the pen widths for it.
struct IconCanvas {
    explicit IconCanvas(int size)
        : unit(static_cast<double>(size) / kDrawingSize),
          s(Shapes(size, size).Placed(kHeadCentre * unit, kHeadScale * unit)),
          outline(std::max(1, static_cast<int>(std::lround(size / kPixelsPerOutline)))),
          rim(std::max(1, size / kDrawingSize)) {}

    // A line drawn with the outline's pen: one crisp pixel on small icons.
    Mask Pen(const std::vector<Pt>& points) const {
        if (outline == 1) {
            return s.Line(points);
        }
        const double radius = outline / 2.0 / (kHeadScale * unit);
        return s.Stroke(points, radius, radius);
    }

    double unit; // pixels per pixel of the 32-pixel layout
    Shapes s;
    int outline; // pixels
    int rim;     // depth of the shaded side, pixels
};

// The parts of the figure, back to front.
struct Figure {
    Mask back; // long hair falling behind her
    Mask neck;
    Mask dress;
    Mask collar;
    Mask face;
    Mask hair;

    Mask Outline() const { return back | neck | dress | collar | face | hair; }
};

Figure FigureShapes(const Shapes& s) {
    const ProfileHeadMasks head = ProfileHeadShapes(s);
    return {s.Blob({{-4, -9.5},
                    {-10.5, -3},
                    {-11.6, 5},
                    {-11, 11},
                    {-9.4, 13.6},
                    {-5.6, 13.4},
                    {-4, 9},
                    {-1, 5}}),
            s.Capsule({2, 5}, {2.6, 10}, 2.2, 2.2),
            s.Blob({{-3.6, 10.6}, {3.4, 9.6}, {8.4, 12}, {9.4, 14.6}, {-4, 14.6}}),
            s.Blob({{-1.4, 9.6}, {5.6, 9.4}, {5.4, 11.4}, {2, 12.2}, {-1.2, 11.2}}),
            head.Face,
            head.Hair};
}

// Pixels just outside the outline that the figure half covers get ink at half
// strength, so that a large icon's curves do not show their steps.
void SoftenOutline(Layer& layer) {
    const int size = layer.Width();
    const IconCanvas fine(size * kSupersample);
    const Mask figure = FigureShapes(fine.s).Outline();
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (layer.Opaque(x, y)) {
                continue;
            }
            int covered = 0;
            for (int sy = 0; sy < kSupersample; ++sy) {
                for (int sx = 0; sx < kSupersample; ++sx) {
                    covered += figure.At(x * kSupersample + sx, y * kSupersample + sy) ? 1 : 0;
                }
            }
            if (covered * kFringeShare >= kSupersample * kSupersample) {
                layer.Set(x, y, kInkFringe);
            }
        }
    }
}

Layer ProfileHead(int size) {
    const IconCanvas c(size);
    const Shapes& s = c.s;
    Layer layer(size, size);
    const Figure figure = FigureShapes(s);
    layer.Part(figure.back, kHair, c.rim, c.rim, c.outline);
    layer.Fill(c.Pen({{-9, 2}, {-8.6, 8}, {-7.4, 12.4}}) &
                   (figure.back - figure.back.Rim(c.outline)),
               kHair.shade);
    layer.Part(figure.neck, kSkin, 0, 0, c.outline);
    layer.Part(figure.dress, kDress, 0, 0, c.outline);
    layer.Part(figure.collar, kCollar, 0, 0, c.outline);
    layer.Part(figure.face, kSkin, 0, 0, c.outline);
    layer.Part(figure.hair, kHair, c.rim, c.rim, c.outline);
    const Mask inside = figure.hair - figure.hair.Rim(c.outline);
    layer.Fill(c.Pen({{-7, -5}, {-4, -8.6}, {0, -9.6}}) & inside, kHair.light);
    layer.Fill(c.Pen({{-5.5, -2}, {-4, 3}, {-4.6, 7}}) & inside, kHair.shade);

    const Mask eye = s.Ellipse({5.5, 2.2}, 1.5, 2.1) - s.Rect(-20, -20, 40, 20);
    layer.Fill(eye, kIris);
    layer.Fill(eye & s.Rect(-20, -20, 40, 21.2), kIrisDark);
    layer.Fill(s.Stroke({{3.6, -0.1}, {5.6, -0.5}, {7.4, 0.2}}, 0.55, 0.4), kInk);
    if (size < kRoundGlintSize) {
        // One pixel at 32, a little square above.
        const Pt glint = s.Map({6.1, 1.6});
        for (int y = 0; y < c.rim; ++y) {
            for (int x = 0; x < c.rim; ++x) {
                layer.Set(static_cast<int>(glint.x) + x, static_cast<int>(glint.y) + y, kEyeWhite);
            }
        }
    } else {
        layer.Fill(s.Circle({6.3, 1.8}, 0.45), kEyeWhite);
    }
    layer.Fill(s.Ellipse({5.4, 4.9}, 1.2, 0.55), kBlush);
    layer.Fill(c.Pen({{7.4, 6.0}, {8.0, 6.0}}), kSkin.line);
    layer.Despeckle();
    layer.Silhouette(kInk, c.outline);
    if (size >= kSmoothOutlineSize) {
        SoftenOutline(layer);
    }
    return layer;
}

// The 16-pixel icon, drawn by hand after the larger one.
Layer SmallHead() {
    Layer layer(16, 16);
    Stamp(layer, 0, 0,
          {
              ".....oooooo.....",
              "...ooHHLLHHoo...",
              "..oHHLHHHHHHHo..",
              ".oHHLHHHHHHHHHo.",
              ".oHLHHHHHHHHHHo.",
              "oHHHHHHHHHhdHhdo",
              "oHHHHHHHHdSSdSSo",
              "oHHHHhHHdSSoooSo",
              "oHHHHhHHdSSSgWSo",
              "oHHHHhHHdSSSGGSo",
              "odHHHhHHHdSbbSSo",
              "oHdHHhHHHdSSSko.",
              "oHHdhHHhodkSko..",
              ".oHHhHHooccWWco.",
              ".oHHhHoDDDDcDDDo",
              "..oooooooooooooo",
          },
          {{'o', kInk},
           {'H', kHair.base},
           {'h', kHair.shade},
           {'d', kHair.line},
           {'L', kHair.light},
           {'S', kSkin.base},
           {'k', kSkin.line},
           {'G', kIris},
           {'g', kIrisDark},
           {'W', kEyeWhite},
           {'b', kBlush},
           {'c', kCollar.line},
           {'D', kDress.base}});
    return layer;
}

// Few colours, as a 16-colour icon has; entry 0 is fully transparent.
QImage Indexed(const Layer& layer) {
    std::map<QRgb, int> index;
    QVector<QRgb> table{qRgba(0, 0, 0, 0)};
    std::vector<int> pixels;
    for (int y = 0; y < layer.Height(); ++y) {
        for (int x = 0; x < layer.Width(); ++x) {
            const QRgb c = layer.At(x, y);
            int i = 0;
            if (qAlpha(c) != 0) {
                auto it = index.find(c);
                if (it == index.end()) {
                    it = index.emplace(c, static_cast<int>(table.size())).first;
                    table.push_back(c);
                }
                i = it->second;
            }
            pixels.push_back(i);
        }
    }
    if (table.size() > kMaxColours) {
        std::fprintf(stderr, "artgen: the %dx%d icon uses %d colours\n", layer.Width(),
                     layer.Height(), static_cast<int>(table.size()));
        std::exit(1);
    }
    QImage image(layer.Width(), layer.Height(), QImage::Format_Indexed8);
    image.setColorTable(table);
    std::size_t next = 0;
    for (int y = 0; y < layer.Height(); ++y) {
        for (int x = 0; x < layer.Width(); ++x) {
            image.setPixel(x, y, static_cast<uint>(pixels[next++]));
        }
    }
    return image;
}

} // namespace

QImage Icon(int size) {
    switch (size) {
    case 16:
        return Indexed(SmallHead());
    default:
        return Indexed(ProfileHead(size));
    }
}

} // namespace art
