#pragma once

#include <QImage>
#include <vector>

class QPainter;

// How a sheet marks transparent pixels.
enum class ImageMask {
    None,     // every pixel is drawn
    BlackKey, // pure black (0, 0, 0) pixels are transparent
};

// Qt has no list of masked frames cut from one picture sheet.
//
// Frames of one fixed size cut from a sheet that holds them left to right, then
// top to bottom. The frames are cut and converted once; drawing one is a single
// masked blit and allocates nothing.
class ImageList {
public:
    ImageList(int width, int height);

    // Replaces the frames with the first `count` cells of `sheet`.
    void loadSheet(const QImage& sheet, int count, ImageMask mask);

    int width() const { return m_width; }
    int height() const { return m_height; }
    int count() const { return static_cast<int>(m_frames.size()); }

    // Draws frame `index` with its top-left at (x, y); an index outside the
    // list draws nothing.
    void draw(QPainter& painter, int x, int y, int index) const;

    // The frame as premultiplied ARGB; transparent pixels have alpha 0.
    const QImage& frame(int index) const;
    // One bit a pixel; a set bit marks a transparent pixel.
    QImage mask(int index) const;

private:
    int m_width;
    int m_height;
    std::vector<QImage> m_frames;
};
