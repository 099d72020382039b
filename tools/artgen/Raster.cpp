#include "Raster.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Curve samples per control-point span; fine enough that no pixel is skipped
// for the sizes drawn here.
constexpr int kCurveSamples = 24;

Pt CatmullRom(Pt p0, Pt p1, Pt p2, Pt p3, double t) {
    const double t2 = t * t;
    const double t3 = t2 * t;
    auto axis = [&](double a, double b, double c, double d) {
        return 0.5 * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 +
                      (-a + 3 * b - 3 * c + d) * t3);
    };
    return {axis(p0.x, p1.x, p2.x, p3.x), axis(p0.y, p1.y, p2.y, p3.y)};
}

} // namespace

Pt Lerp(Pt a, Pt b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

double Length(Pt a) {
    return std::sqrt(a.x * a.x + a.y * a.y);
}

std::vector<Pt> Curve(const std::vector<Pt>& points, bool closed) {
    const int n = static_cast<int>(points.size());
    if (n < 3) {
        return points;
    }
    auto at = [&](int i) {
        if (closed) {
            return points[static_cast<std::size_t>((i % n + n) % n)];
        }
        return points[static_cast<std::size_t>(std::clamp(i, 0, n - 1))];
    };
    std::vector<Pt> out;
    const int spans = closed ? n : n - 1;
    for (int i = 0; i < spans; ++i) {
        for (int s = 0; s < kCurveSamples; ++s) {
            out.push_back(CatmullRom(at(i - 1), at(i), at(i + 1), at(i + 2),
                                     static_cast<double>(s) / kCurveSamples));
        }
    }
    if (!closed) {
        out.push_back(points.back());
    }
    return out;
}

double SegmentDistance(Pt p, Pt a, Pt b, double* along) {
    const Pt ab = b - a;
    const double len2 = ab.x * ab.x + ab.y * ab.y;
    double t = 0;
    if (len2 > 0) {
        t = std::clamp(((p.x - a.x) * ab.x + (p.y - a.y) * ab.y) / len2, 0.0, 1.0);
    }
    if (along != nullptr) {
        *along = t;
    }
    return Length(p - Lerp(a, b, t));
}

// ---------------------------------------------------------------- Mask

Mask::Mask(int width, int height)
    : width_(width), height_(height),
      bits_(static_cast<std::size_t>(std::max(0, width * height)), 0) {}

void Mask::Set(int x, int y, bool on) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
        bits_[static_cast<std::size_t>(Index(x, y))] = on ? 1 : 0;
    }
}

Mask& Mask::operator|=(const Mask& other) {
    for (std::size_t i = 0; i < bits_.size() && i < other.bits_.size(); ++i) {
        bits_[i] = bits_[i] | other.bits_[i];
    }
    return *this;
}

Mask& Mask::operator&=(const Mask& other) {
    for (std::size_t i = 0; i < bits_.size(); ++i) {
        bits_[i] = (i < other.bits_.size()) ? (bits_[i] & other.bits_[i]) : 0;
    }
    return *this;
}

Mask& Mask::operator-=(const Mask& other) {
    for (std::size_t i = 0; i < bits_.size() && i < other.bits_.size(); ++i) {
        if (other.bits_[i] != 0) {
            bits_[i] = 0;
        }
    }
    return *this;
}

Mask Mask::Shifted(int dx, int dy) const {
    Mask out(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (At(x - dx, y - dy)) {
                out.Set(x, y);
            }
        }
    }
    return out;
}

Mask Mask::Edge() const {
    Mask out(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (At(x, y) && (!At(x - 1, y) || !At(x + 1, y) || !At(x, y - 1) || !At(x, y + 1))) {
                out.Set(x, y);
            }
        }
    }
    return out;
}

Mask Mask::Rim(int width) const {
    if (width <= 1) {
        return Edge();
    }
    // The offsets of a disc of that radius, tested against every pixel.
    std::vector<std::pair<int, int>> disc;
    for (int dy = -width; dy <= width; ++dy) {
        for (int dx = -width; dx <= width; ++dx) {
            if (dx * dx + dy * dy <= width * width && (dx != 0 || dy != 0)) {
                disc.emplace_back(dx, dy);
            }
        }
    }
    Mask out(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (!At(x, y)) {
                continue;
            }
            for (const auto& [dx, dy] : disc) {
                if (!At(x + dx, y + dy)) {
                    out.Set(x, y);
                    break;
                }
            }
        }
    }
    return out;
}

Mask Mask::Grown() const {
    Mask out = *this;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (At(x - 1, y) || At(x + 1, y) || At(x, y - 1) || At(x, y + 1)) {
                out.Set(x, y);
            }
        }
    }
    return out;
}

// ---------------------------------------------------------------- Shapes

Shapes::Shapes(int width, int height) : width_(width), height_(height) {}

Shapes Shapes::Placed(Pt origin, double scale, bool mirror, double degrees) const {
    Shapes out(width_, height_);
    out.origin_ = Map(origin);
    out.scale_ = scale_ * scale;
    out.mirror_ = mirror_ != mirror;
    out.degrees_ = degrees_ + (mirror_ ? -degrees : degrees);
    return out;
}

Pt Shapes::Map(Pt p) const {
    const double x = mirror_ ? -p.x : p.x;
    const double a = degrees_ * kPi / 180;
    const double cs = std::cos(a);
    const double sn = std::sin(a);
    return {origin_.x + (x * cs - p.y * sn) * scale_, origin_.y + (x * sn + p.y * cs) * scale_};
}

std::vector<Pt> Shapes::MapAll(const std::vector<Pt>& points) const {
    std::vector<Pt> out;
    out.reserve(points.size());
    for (const Pt& p : points) {
        out.push_back(Map(p));
    }
    return out;
}

Mask Shapes::Near(const std::vector<Pt>& points, double margin,
                  const std::function<bool(Pt)>& inside) const {
    Mask out(width_, height_);
    if (points.empty()) {
        return out;
    }
    double left = points[0].x;
    double right = left;
    double top = points[0].y;
    double bottom = top;
    for (const Pt& p : points) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    const int x0 = std::max(0, static_cast<int>(std::floor(left - margin)) - 1);
    const int x1 = std::min(width_ - 1, static_cast<int>(std::ceil(right + margin)) + 1);
    const int y0 = std::max(0, static_cast<int>(std::floor(top - margin)) - 1);
    const int y1 = std::min(height_ - 1, static_cast<int>(std::ceil(bottom + margin)) + 1);
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            if (inside({x + 0.5, y + 0.5})) {
                out.Set(x, y);
            }
        }
    }
    return out;
}

Mask Shapes::Rect(double x, double y, double w, double h) const {
    return Polygon({{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}});
}

Mask Shapes::Ellipse(Pt centre, double rx, double ry, double degrees) const {
    const Pt c = Map(centre);
    const double a = (degrees_ + (mirror_ ? -degrees : degrees)) * kPi / 180;
    const double cs = std::cos(a);
    const double sn = std::sin(a);
    const double ex = rx * scale_;
    const double ey = ry * scale_;
    return Near({c}, std::max(ex, ey), [=](Pt p) {
        const double dx = p.x - c.x;
        const double dy = p.y - c.y;
        const double u = (dx * cs + dy * sn) / ex;
        const double v = (-dx * sn + dy * cs) / ey;
        return u * u + v * v <= 1.0;
    });
}

Mask Shapes::Capsule(Pt a, Pt b, double ra, double rb) const {
    const Pt pa = Map(a);
    const Pt pb = Map(b);
    const double sa = ra * scale_;
    const double sb = rb * scale_;
    return Near({pa, pb}, std::max(sa, sb), [=](Pt p) {
        double t = 0;
        const double d = SegmentDistance(p, pa, pb, &t);
        return d <= sa + (sb - sa) * t;
    });
}

Mask Shapes::PolygonCanvas(const std::vector<Pt>& poly) const {
    return Near(poly, 0, [&](Pt p) {
        bool inside = false;
        const std::size_t n = poly.size();
        for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
            const Pt& a = poly[i];
            const Pt& b = poly[j];
            if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
                inside = !inside;
            }
        }
        return inside;
    });
}

Mask Shapes::Polygon(const std::vector<Pt>& points) const {
    if (points.size() < 3) {
        return None();
    }
    return PolygonCanvas(MapAll(points));
}

Mask Shapes::Blob(const std::vector<Pt>& points) const {
    if (points.size() < 3) {
        return None();
    }
    return PolygonCanvas(Curve(MapAll(points), true));
}

Mask Shapes::Stroke(const std::vector<Pt>& points, double r0, double r1) const {
    const std::vector<Pt> path = Curve(MapAll(points), false);
    if (path.empty()) {
        return None();
    }
    std::vector<double> at(path.size(), 0.0);
    for (std::size_t i = 1; i < path.size(); ++i) {
        at[i] = at[i - 1] + Length(path[i] - path[i - 1]);
    }
    const double total = std::max(at.back(), 1e-9);
    const double s0 = r0 * scale_;
    const double s1 = r1 * scale_;
    return Near(path, std::max(s0, s1), [&](Pt p) {
        if (path.size() == 1) {
            return Length(p - path[0]) <= s0;
        }
        for (std::size_t i = 1; i < path.size(); ++i) {
            double t = 0;
            const double d = SegmentDistance(p, path[i - 1], path[i], &t);
            const double along = (at[i - 1] + (at[i] - at[i - 1]) * t) / total;
            if (d <= s0 + (s1 - s0) * along) {
                return true;
            }
        }
        return false;
    });
}

Mask Shapes::Line(const std::vector<Pt>& points) const {
    std::vector<Pt> path = Curve(MapAll(points), false);
    std::vector<std::pair<int, int>> cells;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const Pt a = path[i];
        const Pt b = (i + 1 < path.size()) ? path[i + 1] : a;
        const int steps = std::max(1, static_cast<int>(Length(b - a) * 8));
        for (int s = 0; s < steps; ++s) {
            const Pt p = Lerp(a, b, static_cast<double>(s) / steps);
            const std::pair<int, int> cell{static_cast<int>(std::floor(p.x)),
                                           static_cast<int>(std::floor(p.y))};
            if (cells.empty() || cells.back() != cell) {
                cells.push_back(cell);
            }
        }
    }
    // Whenever a pixel touches the one two steps back, the pixel between
    // them is an L-shaped corner or a spur where the curve turned: dropping
    // it keeps the line one pixel thick.
    std::vector<std::pair<int, int>> clean;
    for (const auto& cell : cells) {
        const std::size_t n = clean.size();
        if (n >= 2 && std::abs(clean[n - 2].first - cell.first) <= 1 &&
            std::abs(clean[n - 2].second - cell.second) <= 1) {
            clean.pop_back();
            if (clean.back() == cell) {
                continue;
            }
        }
        clean.push_back(cell);
    }
    Mask out(width_, height_);
    for (const auto& [x, y] : clean) {
        out.Set(x, y);
    }
    return out;
}

// ---------------------------------------------------------------- Layer

Layer::Layer(int width, int height)
    : width_(width), height_(height),
      pixels_(static_cast<std::size_t>(std::max(0, width * height)), 0) {}

QRgb Layer::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return 0;
    }
    return pixels_[static_cast<std::size_t>(y * width_ + x)];
}

void Layer::Set(int x, int y, QRgb colour) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
        pixels_[static_cast<std::size_t>(y * width_ + x)] = colour;
    }
}

void Layer::Fill(const Mask& mask, QRgb colour) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (mask.At(x, y)) {
                Set(x, y, colour);
            }
        }
    }
}

void Layer::Part(const Mask& mask, const Material& material, int dx, int dy, int outline) {
    Fill(mask, material.base);
    if (dx != 0 || dy != 0) {
        const Mask inner = mask - mask.Rim(outline);
        Fill(inner - inner.Shifted(-dx, -dy), material.shade);
    }
    Outline(mask, material.line, outline);
}

void Layer::Outline(const Mask& mask, QRgb colour, int width) {
    Fill(mask.Rim(width), colour);
}

void Layer::Over(const Layer& above, int dx, int dy) {
    for (int y = 0; y < above.height_; ++y) {
        for (int x = 0; x < above.width_; ++x) {
            const QRgb c = above.At(x, y);
            if (qAlpha(c) != 0) {
                Set(x + dx, y + dy, c);
            }
        }
    }
}

Mask Layer::Coverage() const {
    Mask out(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (Opaque(x, y)) {
                out.Set(x, y);
            }
        }
    }
    return out;
}

void Layer::Silhouette(QRgb colour, int width) {
    Fill(Coverage().Rim(width), colour);
}

void Layer::Despeckle() {
    const Mask body = Coverage();
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const int neighbours = (body.At(x - 1, y) ? 1 : 0) + (body.At(x + 1, y) ? 1 : 0) +
                                   (body.At(x, y - 1) ? 1 : 0) + (body.At(x, y + 1) ? 1 : 0);
            if (body.At(x, y) && neighbours <= 1) {
                Set(x, y, 0);
            }
        }
    }
}

void Layer::FillHoles(QRgb colour) {
    Mask outside(width_, height_);
    std::vector<std::pair<int, int>> open;
    auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= width_ || y >= height_ || outside.At(x, y) || Opaque(x, y)) {
            return;
        }
        outside.Set(x, y);
        open.emplace_back(x, y);
    };
    for (int x = 0; x < width_; ++x) {
        visit(x, 0);
        visit(x, height_ - 1);
    }
    for (int y = 0; y < height_; ++y) {
        visit(0, y);
        visit(width_ - 1, y);
    }
    while (!open.empty()) {
        const auto [x, y] = open.back();
        open.pop_back();
        visit(x + 1, y);
        visit(x - 1, y);
        visit(x, y + 1);
        visit(x, y - 1);
    }
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (!Opaque(x, y) && !outside.At(x, y)) {
                Set(x, y, colour);
            }
        }
    }
}

QImage Layer::Flat(QRgb background) const {
    QImage image(width_, height_, QImage::Format_RGB32);
    for (int y = 0; y < height_; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width_; ++x) {
            const QRgb c = At(x, y);
            line[x] = (qAlpha(c) != 0 ? c : background) | 0xFF000000u;
        }
    }
    return image;
}

QImage Layer::Image() const {
    QImage image(width_, height_, QImage::Format_ARGB32);
    for (int y = 0; y < height_; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width_; ++x) {
            line[x] = At(x, y);
        }
    }
    return image;
}

void Stamp(Layer& layer, int x, int y, const std::vector<const char*>& rows,
           const std::vector<Key>& keys, bool mirror) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::string row = rows[r];
        const int width = static_cast<int>(row.size());
        for (int c = 0; c < width; ++c) {
            const char symbol = row[static_cast<std::size_t>(c)];
            for (const Key& key : keys) {
                if (key.symbol == symbol) {
                    layer.Set(mirror ? x + width - 1 - c : x + c, y + static_cast<int>(r),
                              key.colour);
                }
            }
        }
    }
}

} // namespace art
