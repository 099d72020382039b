#include "Artgen.h"
#include "Heroine.h"
#include "Palette.h"

#include <cstdio>
#include <cstdlib>
#include <map>

namespace art {

namespace {

using namespace palette;

// The icon's head is the walking heroine's head, drawn larger: the same
// outline in the same units, placed on a 32-pixel square and scaled.
constexpr double kHeadScale = 1.25;
constexpr Pt kHeadCentre{16.5, 14.5};
constexpr int kMaxColours = 16;

Layer ProfileHead(int size) {
    Layer layer(size, size);
    const double unit = size / 32.0;
    const Shapes s = Shapes(size, size).Placed(kHeadCentre * unit, kHeadScale * unit);
    const int rim = std::max(1, size / 32);
    // Long hair falling behind her.
    const Mask back = s.Blob({{-4, -9.5},
                              {-10.5, -3},
                              {-11.6, 5},
                              {-11, 11},
                              {-9.4, 13.6},
                              {-5.6, 13.4},
                              {-4, 9},
                              {-1, 5}});
    layer.Part(back, kHair, rim, rim);
    layer.Fill(s.Line({{-9, 2}, {-8.6, 8}, {-7.4, 12.4}}) & (back - back.Edge()), kHair.shade);
    layer.Part(s.Capsule({2, 5}, {2.6, 10}, 2.2, 2.2), kSkin, 0, 0);
    const Mask dress = s.Blob({{-3.6, 10.6}, {3.4, 9.6}, {8.4, 12}, {9.4, 14.6}, {-4, 14.6}});
    layer.Part(dress, kDress, 0, 0);
    layer.Part(s.Blob({{-1.4, 9.6}, {5.6, 9.4}, {5.4, 11.4}, {2, 12.2}, {-1.2, 11.2}}), kCollar, 0,
               0);

    const ProfileHeadMasks head = ProfileHeadShapes(s);
    const Mask& face = head.Face;
    const Mask& hair = head.Hair;
    layer.Part(face, kSkin, 0, 0);
    layer.Part(hair, kHair, rim, rim);
    const Mask inside = hair - hair.Edge();
    layer.Fill(s.Line({{-7, -5}, {-4, -8.6}, {0, -9.6}}) & inside, kHair.light);
    layer.Fill(s.Line({{-5.5, -2}, {-4, 3}, {-4.6, 7}}) & inside, kHair.shade);

    const Mask eye = s.Ellipse({5.5, 2.2}, 1.5, 2.1) - s.Rect(-20, -20, 40, 20);
    layer.Fill(eye, kIris);
    layer.Fill(eye & s.Rect(-20, -20, 40, 21.2), kIrisDark);
    layer.Fill(s.Stroke({{3.6, -0.1}, {5.6, -0.5}, {7.4, 0.2}}, 0.55, 0.4), kInk);
    // The glint: one pixel at 32, growing with the icon.
    const Pt glint = s.Map({6.1, 1.6});
    const int g = std::max(1, size / 32);
    for (int y = 0; y < g; ++y) {
        for (int x = 0; x < g; ++x) {
            layer.Set(static_cast<int>(glint.x) + x, static_cast<int>(glint.y) + y, kEyeWhite);
        }
    }
    layer.Fill(s.Ellipse({5.4, 4.9}, 1.2, 0.55), kBlush);
    layer.Fill(s.Line({{7.4, 6.0}, {8.0, 6.0}}), kSkin.line);
    layer.Despeckle();
    layer.Silhouette(kInk);
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

// Few colours and one transparent entry, as a 16-colour icon has.
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

Layer Enlarged(const Layer& small, int factor) {
    Layer out(small.Width() * factor, small.Height() * factor);
    for (int y = 0; y < out.Height(); ++y) {
        for (int x = 0; x < out.Width(); ++x) {
            out.Set(x, y, small.At(x / factor, y / factor));
        }
    }
    return out;
}

} // namespace

QImage Icon(int size) {
    switch (size) {
    case 16:
        return Indexed(SmallHead());
    case 64:
    case 128:
    case 256:
        return Indexed(Enlarged(ProfileHead(32), size / 32));
    default:
        return Indexed(ProfileHead(size));
    }
}

} // namespace art
