#include "ImageList.h"

#include <QPainter>

ImageList::ImageList(int width, int height) : m_width(width), m_height(height) {}

void ImageList::loadSheet(const QImage& sheet, int count, ImageMask mask) {
    m_pendingSheet = nullptr;
    cut(sheet, count, mask);
}

void ImageList::loadSheetWhenUsed(std::function<QImage()> sheet, int count, ImageMask mask) {
    m_frames.clear();
    m_pendingSheet = std::move(sheet);
    m_pendingCount = count;
    m_pendingMask = mask;
}

void ImageList::cutPendingSheet() const {
    if (m_pendingSheet) {
        const std::function<QImage()> sheet = std::move(m_pendingSheet);
        m_pendingSheet = nullptr;
        cut(sheet(), m_pendingCount, m_pendingMask);
    }
}

int ImageList::count() const {
    cutPendingSheet();
    return static_cast<int>(m_frames.size());
}

void ImageList::cut(const QImage& sheet, int count, ImageMask mask) const {
    m_frames.clear();
    if (m_width <= 0 || m_height <= 0) {
        return;
    }
    const int perRow = sheet.width() / m_width;
    if (perRow <= 0) {
        return;
    }
    const QImage rgb = sheet.convertToFormat(QImage::Format_RGB32);
    for (int i = 0; i < count; ++i) {
        const int x = (i % perRow) * m_width;
        const int y = (i / perRow) * m_height;
        if (y + m_height > rgb.height()) {
            break;
        }
        // Opaque pixels read the same premultiplied; a transparent one is 0.
        QImage frame =
            rgb.copy(x, y, m_width, m_height).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (mask == ImageMask::BlackKey) {
            for (int row = 0; row < m_height; ++row) {
                auto* line = reinterpret_cast<QRgb*>(frame.scanLine(row));
                for (int col = 0; col < m_width; ++col) {
                    if ((line[col] & RGB_MASK) == 0) {
                        line[col] = 0;
                    }
                }
            }
        }
        m_frames.push_back(std::move(frame));
    }
}

void ImageList::draw(QPainter& painter, int x, int y, int index) const {
    if (index < 0 || index >= count()) {
        return;
    }
    const QPainter::CompositionMode previous = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(x, y, m_frames[static_cast<std::size_t>(index)]);
    painter.setCompositionMode(previous);
}

const QImage& ImageList::frame(int index) const {
    static const QImage none;
    if (index < 0 || index >= count()) {
        return none;
    }
    return m_frames[static_cast<std::size_t>(index)];
}

QImage ImageList::mask(int index) const {
    const QImage& image = frame(index);
    QImage mask(image.size(), QImage::Format_Mono);
    mask.setColor(0, qRgb(255, 255, 255));
    mask.setColor(1, qRgb(0, 0, 0));
    mask.fill(0);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) == 0) {
                mask.setPixel(x, y, 1);
            }
        }
    }
    return mask;
}
