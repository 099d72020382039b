#pragma once

#include <QImage>
#include <functional>
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
// top to bottom. The frames are cut and converted once, when loaded or when
// first used; drawing one is then a single masked blit and allocates nothing.
class ImageList {
public:
    ImageList(int width, int height);

    // Replaces the frames with the first `count` cells of `sheet`.
    void loadSheet(const QImage& sheet, int count, ImageMask mask);
    // The same, with the sheet that `sheet` returns, decoded and cut when a
    // frame is first drawn or asked for.
    void loadSheetWhenUsed(std::function<QImage()> sheet, int count, ImageMask mask);

    int width() const { return m_width; }
    int height() const { return m_height; }
    int count() const;

    // Draws frame `index` with its top-left at (x, y); an index outside the
    // list draws nothing.
    void draw(QPainter& painter, int x, int y, int index) const;

    // The frame as premultiplied ARGB; transparent pixels have alpha 0.
    const QImage& frame(int index) const;
    // One bit a pixel; a set bit marks a transparent pixel.
    QImage mask(int index) const;

private:
    void cutPendingSheet() const;
    void cut(const QImage& sheet, int count, ImageMask mask) const;

    int m_width;
    int m_height;
    // Cut on first use when a sheet waits; the list looks the same either way.
    mutable std::function<QImage()> m_pendingSheet;
    int m_pendingCount = 0;
    ImageMask m_pendingMask = ImageMask::None;
    mutable std::vector<QImage> m_frames;
};
