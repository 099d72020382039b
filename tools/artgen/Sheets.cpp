#include "Artgen.h"
#include "Lettering.h"
#include "Palette.h"

#include <cmath>

namespace art {

namespace {

constexpr int kSheetColumns = 4;

constexpr int kArrowWidth = 22;
constexpr int kArrowHeight = 30;
constexpr int kArrowFrames = 2;
// The pointing triangle narrows over these columns; a two-pixel stem on rows
// 14 and 15 carries on to the right edge.
constexpr int kArrowHeadLength = 15;
constexpr int kStemTop = 14;
constexpr int kStemBottom = 15;
// The no-arrow mark's middle bar.
constexpr int kBarLeft = 10;
constexpr int kBarTop = 10;
constexpr int kBarBottom = 19;

constexpr int kDigitWidth = 28;
constexpr int kDigitHeight = 30;
constexpr int kDigitFrames = 6;
constexpr double kDigitEm = 21;     // glyph height in pixels
constexpr double kDigitPen = 0.095; // stroke radius in em
constexpr int kDigitSamples = 8;    // sub-samples a side for the grey edges

QRect Bounds(const Mask& mask) {
    QRect box;
    for (int y = 0; y < mask.Height(); ++y) {
        for (int x = 0; x < mask.Width(); ++x) {
            if (mask.At(x, y)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

QPoint CellOrigin(int frame, int width, int height) {
    return {(frame % kSheetColumns) * width, (frame / kSheetColumns) * height};
}

void DrawArrow(QImage& sheet, QPoint at) {
    const int half = kArrowHeight / 2;
    for (int x = 0; x < kArrowWidth; ++x) {
        int top = kStemTop;
        int bottom = kStemBottom;
        if (x < kArrowHeadLength) {
            // From the full cell height down to the stem's two rows.
            const int reach = static_cast<int>(std::lround(
                (half - 1) * static_cast<double>(kArrowHeadLength - x) / kArrowHeadLength));
            top = kStemTop - reach;
            bottom = kStemBottom + reach;
        }
        for (int y = top; y <= bottom; ++y) {
            sheet.setPixel(at.x() + x, at.y() + y, palette::kArrow);
        }
    }
}

void DrawNoArrow(QImage& sheet, QPoint at) {
    const int barRight = kBarLeft + 1;
    for (int i = 0; i < kBarTop; ++i) {
        // Diagonals from the four corners down to the ends of the bar.
        sheet.setPixel(at.x() + i, at.y() + i, palette::kNoArrow);
        sheet.setPixel(at.x() + kArrowWidth - 1 - i, at.y() + i, palette::kNoArrow);
        sheet.setPixel(at.x() + i, at.y() + kArrowHeight - 1 - i, palette::kNoArrow);
        sheet.setPixel(at.x() + kArrowWidth - 1 - i, at.y() + kArrowHeight - 1 - i,
                       palette::kNoArrow);
    }
    for (int y = kBarTop; y <= kBarBottom; ++y) {
        sheet.setPixel(at.x() + kBarLeft, at.y() + y, palette::kNoArrow);
        sheet.setPixel(at.x() + barRight, at.y() + y, palette::kNoArrow);
    }
}

void DrawDigit(QImage& sheet, QPoint at, int digit) {
    const Glyph glyph = Digit(digit);
    // Drawn large and averaged down, which gives the grey edge pixels.
    const int n = kDigitSamples;
    const Shapes big(kDigitWidth * n, kDigitHeight * n);
    const Mask drawn = Letter(big, glyph, {3.0 * n, 3.0 * n}, kDigitEm * n, kDigitPen);
    // Centred by the ink itself, so a narrow "1" sits as centred as a "6".
    const QRect box = Bounds(drawn);
    const Mask ink = drawn.Shifted((big.Width() - box.width()) / 2 - box.left(),
                                   (big.Height() - box.height()) / 2 - box.top());
    for (int y = 0; y < kDigitHeight; ++y) {
        for (int x = 0; x < kDigitWidth; ++x) {
            int hits = 0;
            for (int j = 0; j < n; ++j) {
                for (int i = 0; i < n; ++i) {
                    hits += ink.At(x * n + i, y * n + j) ? 1 : 0;
                }
            }
            const int level = 255 - static_cast<int>(std::lround(255.0 * hits / (n * n)));
            sheet.setPixel(at.x() + x, at.y() + y, qRgb(level, level, level));
        }
    }
}

} // namespace

QImage ArrowSheet() {
    QImage sheet(kArrowWidth * kSheetColumns, kArrowHeight * 2, QImage::Format_RGB32);
    sheet.fill(palette::kWhite);
    DrawArrow(sheet, CellOrigin(0, kArrowWidth, kArrowHeight));
    DrawNoArrow(sheet, CellOrigin(1, kArrowWidth, kArrowHeight));
    static_assert(kArrowFrames == 2);
    return sheet;
}

QImage DigitSheet() {
    QImage sheet(kDigitWidth * kSheetColumns, kDigitHeight * 3, QImage::Format_RGB32);
    sheet.fill(palette::kWhite);
    for (int i = 0; i < kDigitFrames; ++i) {
        DrawDigit(sheet, CellOrigin(i, kDigitWidth, kDigitHeight), i + 1);
    }
    return sheet;
}

} // namespace art
