#include "Lettering.h"

#include <cmath>
#include <map>

namespace art {

namespace {

using Strokes = std::vector<std::vector<Pt>>;

constexpr double kPi = 3.14159265358979323846;
constexpr double kSmallWeight = 0.72;
// The wave dash is one long stroke; a finer pen keeps its swings apart.
constexpr double kWaveWeight = 0.7;

// A small kana: the full-size strokes shrunk toward the upper right.
Strokes Small(const Strokes& strokes) {
    constexpr double kShrink = 0.68;
    constexpr Pt kShift{0.3, 0.0};
    Strokes out;
    for (const auto& stroke : strokes) {
        std::vector<Pt> s;
        for (const Pt& p : stroke) {
            s.push_back(p * kShrink + kShift);
        }
        out.push_back(s);
    }
    return out;
}

const Strokes kTsu{
    {{0.12, 0.42}, {0.42, 0.3}, {0.72, 0.3}, {0.88, 0.46}, {0.76, 0.7}, {0.42, 0.86}}};
const Strokes kU{{{0.34, 0.08}, {0.62, 0.16}},
                 {{0.18, 0.46}, {0.5, 0.32}, {0.8, 0.42}, {0.76, 0.7}, {0.36, 0.94}}};
const Strokes kA{{{0.14, 0.26}, {0.5, 0.25}, {0.82, 0.2}},
                 {{0.42, 0.04}, {0.42, 0.46}, {0.5, 0.86}},
                 {{0.7, 0.4},
                  {0.5, 0.74},
                  {0.26, 0.92},
                  {0.08, 0.8},
                  {0.22, 0.58},
                  {0.56, 0.5},
                  {0.9, 0.62},
                  {0.84, 0.86},
                  {0.62, 0.96}}};
const Strokes kYu{
    {{0.16, 0.18}, {0.12, 0.5}, {0.18, 0.82}},
    {{0.16, 0.62}, {0.34, 0.34}, {0.66, 0.28}, {0.86, 0.46}, {0.72, 0.7}, {0.46, 0.68}},
    {{0.5, 0.08}, {0.58, 0.5}, {0.36, 0.96}}};

// In vertical writing the wave dash is the horizontal one turned a quarter
// clockwise: it runs down the column, swinging out to the right and then back
// across to the left, ")" over "(". A plain sine drawn this small with this
// pen turns each swing into a sharp corner, and the long middle stroke with
// one corner reads as "く"; flattening the sine toward a square wave keeps
// each swing a round arc, and the glyph stops short of its box so that two
// dashes in a row stay two waves.
Strokes WaveDash() {
    constexpr int kPoints = 25;
    constexpr double kAmplitude = 0.17;
    constexpr double kRoundness = 0.45; // exponent on the sine: 1 is a plain sine
    constexpr double kTop = 0.12;
    constexpr double kLength = 0.76;
    // A little more than one whole turn, so that both ends curl outward as
    // the tilde's do.
    constexpr double kFirst = -0.1 * kPi;
    constexpr double kLast = 2.1 * kPi;
    std::vector<Pt> wave;
    for (int i = 0; i < kPoints; ++i) {
        const double t = static_cast<double>(i) / (kPoints - 1);
        const double swing = std::sin(kFirst + (kLast - kFirst) * t);
        const double rounded = std::copysign(std::pow(std::abs(swing), kRoundness), swing);
        wave.push_back({0.5 + kAmplitude * rounded, kTop + kLength * t});
    }
    return {wave};
}

} // namespace

Glyph Digit(int digit) {
    static const std::map<int, Strokes> strokes{
        {1,
         {{{0.14, 0.2}, {0.38, 0.02}}, {{0.38, 0.02}, {0.38, 0.98}}, {{0.14, 0.98}, {0.6, 0.98}}}},
        {2,
         {{{0.06, 0.24}, {0.26, 0.03}, {0.5, 0.06}, {0.56, 0.28}, {0.42, 0.52}, {0.04, 0.97}},
          {{0.04, 0.97}, {0.6, 0.97}}}},
        {3,
         {{{0.05, 0.15}, {0.28, 0.02}, {0.52, 0.1}, {0.52, 0.34}, {0.24, 0.47}},
          {{0.24, 0.47}, {0.54, 0.58}, {0.56, 0.84}, {0.3, 0.99}, {0.03, 0.86}}}},
        {4,
         {{{0.46, 0.02}, {0.03, 0.7}}, {{0.03, 0.7}, {0.62, 0.7}}, {{0.46, 0.02}, {0.46, 0.99}}}},
        {5,
         {{{0.56, 0.02}, {0.12, 0.02}},
          {{0.12, 0.02}, {0.08, 0.46}},
          {{0.08, 0.46}, {0.3, 0.36}, {0.56, 0.5}, {0.56, 0.8}, {0.3, 0.99}, {0.03, 0.88}}}},
        {6,
         {{{0.52, 0.05},
           {0.26, 0.08},
           {0.07, 0.42},
           {0.1, 0.84},
           {0.32, 0.99},
           {0.54, 0.84},
           {0.54, 0.58},
           {0.32, 0.44},
           {0.08, 0.58}}}},
    };
    const auto it = strokes.find(digit);
    return it == strokes.end() ? Glyph{} : Glyph{it->second, 0.62, {}, 1.0};
}

Glyph Kana(const std::string& c) {
    static const std::map<std::string, Strokes> strokes{
        {"や",
         {{{0.08, 0.44}, {0.46, 0.3}, {0.78, 0.28}, {0.9, 0.42}, {0.8, 0.56}, {0.6, 0.6}},
          {{0.46, 0.1}, {0.56, 0.2}},
          {{0.26, 0.12}, {0.42, 0.56}, {0.56, 0.94}}}},
        {"た",
         {{{0.08, 0.3}, {0.34, 0.29}, {0.56, 0.26}},
          {{0.36, 0.06}, {0.26, 0.5}, {0.12, 0.94}},
          {{0.52, 0.52}, {0.7, 0.49}, {0.88, 0.48}},
          {{0.5, 0.74}, {0.54, 0.86}, {0.7, 0.9}, {0.92, 0.88}}}},
        {"き",
         {{{0.18, 0.24}, {0.5, 0.22}, {0.8, 0.18}},
          {{0.12, 0.44}, {0.5, 0.42}, {0.86, 0.36}},
          {{0.34, 0.04}, {0.52, 0.36}, {0.74, 0.66}},
          {{0.4, 0.62}, {0.26, 0.76}, {0.42, 0.9}, {0.78, 0.92}}}},
        {"っ", Small(kTsu)},
        {"ぁ", Small(kA)},
        {"ぅ", Small(kU)},
        {"ゅ", Small(kYu)},
        {"～", WaveDash()},
        {"A",
         {{{0.2, 0.92}, {0.5, 0.08}}, {{0.5, 0.08}, {0.8, 0.92}}, {{0.31, 0.62}, {0.69, 0.62}}}},
        {"G",
         {{{0.8, 0.24},
           {0.62, 0.09},
           {0.38, 0.1},
           {0.2, 0.3},
           {0.18, 0.62},
           {0.34, 0.88},
           {0.58, 0.92},
           {0.8, 0.78},
           {0.8, 0.56}},
          {{0.8, 0.56}, {0.54, 0.56}}}},
        {"H",
         {{{0.22, 0.08}, {0.22, 0.92}}, {{0.78, 0.08}, {0.78, 0.92}}, {{0.22, 0.5}, {0.78, 0.5}}}},
        {"U",
         {{{0.22, 0.08},
           {0.22, 0.62},
           {0.34, 0.86},
           {0.5, 0.92},
           {0.66, 0.86},
           {0.78, 0.62},
           {0.78, 0.08}}}},
        {"Y", {{{0.2, 0.1}, {0.5, 0.5}}, {{0.8, 0.1}, {0.5, 0.5}}, {{0.5, 0.5}, {0.5, 0.92}}}},
    };
    if (c == "!") {
        return Glyph{{{{0.5, 0.08}, {0.5, 0.64}}}, 1, {{{0.5, 0.86}, 0.08, 0.08, 0}}, 1.0};
    }
    if (c == "♪") {
        return Glyph{
            {{{0.44, 0.78}, {0.46, 0.1}}, {{0.46, 0.1}, {0.66, 0.22}, {0.82, 0.42}, {0.76, 0.58}}},
            1,
            {{{0.32, 0.8}, 0.17, 0.12, -25}},
            1.0};
    }
    const auto it = strokes.find(c);
    if (it == strokes.end()) {
        return Glyph{};
    }
    const bool small = c == "っ" || c == "ぁ" || c == "ぅ" || c == "ゅ";
    double weight = 1.0;
    if (small) {
        weight = kSmallWeight;
    } else if (c == "～") {
        weight = kWaveWeight;
    }
    return Glyph{it->second, 1, {}, weight};
}

Mask Letter(const Shapes& shapes, const Glyph& glyph, Pt origin, double em, double pen) {
    const Shapes placed = shapes.Placed(origin, em);
    pen *= glyph.weight;
    Mask out = shapes.None();
    for (const auto& stroke : glyph.strokes) {
        out |= stroke.size() == 2 ? placed.Capsule(stroke[0], stroke[1], pen, pen)
                                  : placed.Stroke(stroke, pen, pen);
    }
    for (const Glyph::Dot& dot : glyph.dots) {
        out |= placed.Ellipse(dot.centre, dot.rx, dot.ry, dot.degrees);
    }
    return out;
}

} // namespace art
