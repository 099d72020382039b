#include "ImageList.h"

#include <QPainter>

ImageList::ImageList(int width, int height) : width_(width), height_(height) {}

void ImageList::LoadSheet(const QImage& sheet, int count, ImageMask mask) {
    frames_.clear();
    if (width_ <= 0 || height_ <= 0) {
        return;
    }
    const int perRow = sheet.width() / width_;
    if (perRow <= 0) {
        return;
    }
    const QImage rgb = sheet.convertToFormat(QImage::Format_RGB32);
    for (int i = 0; i < count; ++i) {
        const int x = (i % perRow) * width_;
        const int y = (i / perRow) * height_;
        if (y + height_ > rgb.height()) {
            break;
        }
        QImage frame = rgb.copy(x, y, width_, height_).convertToFormat(QImage::Format_ARGB32);
        if (mask == ImageMask::BlackKey) {
            for (int row = 0; row < height_; ++row) {
                auto* line = reinterpret_cast<QRgb*>(frame.scanLine(row));
                for (int col = 0; col < width_; ++col) {
                    if ((line[col] & RGB_MASK) == 0) {
                        line[col] = 0;
                    }
                }
            }
        }
        frames_.push_back(frame.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
}

void ImageList::Draw(QPainter& painter, int x, int y, int index) const {
    if (index < 0 || index >= Count()) {
        return;
    }
    const QPainter::CompositionMode previous = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(x, y, frames_[static_cast<std::size_t>(index)]);
    painter.setCompositionMode(previous);
}

const QImage& ImageList::Frame(int index) const {
    static const QImage none;
    if (index < 0 || index >= Count()) {
        return none;
    }
    return frames_[static_cast<std::size_t>(index)];
}

QImage ImageList::Mask(int index) const {
    const QImage& frame = Frame(index);
    QImage mask(frame.size(), QImage::Format_Mono);
    mask.setColor(0, qRgb(255, 255, 255));
    mask.setColor(1, qRgb(0, 0, 0));
    mask.fill(0);
    for (int y = 0; y < frame.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
        for (int x = 0; x < frame.width(); ++x) {
            if (qAlpha(line[x]) == 0) {
                mask.setPixel(x, y, 1);
            }
        }
    }
    return mask;
}
