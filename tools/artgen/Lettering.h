#pragma once

#include "Raster.h"

#include <string>

// Hand-drawn lettering: each glyph is a few smooth strokes in a unit box
// (x and y from 0 to 1, y downwards), so no installed font takes part.
namespace art {

// Strokes of the drum digit 1 to 6; the box is 0.62 wide.
struct Glyph {
    struct Dot {
        Pt centre;
        double rx;
        double ry;
        double degrees;
    };
    std::vector<std::vector<Pt>> strokes;
    double width = 1;      // advance in em
    std::vector<Dot> dots; // filled ellipses, such as a note's head
    double weight = 1;     // pen width factor; small kana are drawn finer
};

Glyph Digit(int digit);

// The kana, Latin capitals, marks and signs used in the pictures' cries,
// looked up by their UTF-8 text: や た っ ぁ き ゅ ぅ ～ ♪ and A G H U Y !.
// Small kana already sit in the upper right of their box, as vertical writing
// places them; the capitals stand upright in the middle of theirs, stacked
// down the column as a sign letters them.
Glyph Kana(const std::string& character);

// Draws a glyph's strokes with round pens of radius `pen` em into a mask.
Mask Letter(const Shapes& shapes, const Glyph& glyph, Pt origin, double em, double pen);

} // namespace art
