#include "BevelPanel.h"

#include <QPainter>

const QColor BevelPanel::ButtonFace(0xD4, 0xD0, 0xC8);
const QColor BevelPanel::ButtonHighlight(0xFF, 0xFF, 0xFF);
const QColor BevelPanel::ButtonShadow(0x80, 0x80, 0x80);

namespace {

// Draws `width` nested one-pixel frames and shrinks `rect` past them.
void DrawBevel(QPainter& painter, QRect& rect, BevelPanel::Bevel bevel, int width) {
    if (bevel == BevelPanel::Bevel::None) {
        return;
    }
    const bool raised = bevel == BevelPanel::Bevel::Raised;
    const QColor topLeft = raised ? BevelPanel::ButtonHighlight : BevelPanel::ButtonShadow;
    const QColor bottomRight = raised ? BevelPanel::ButtonShadow : BevelPanel::ButtonHighlight;
    for (int i = 0; i < width && rect.width() > 0 && rect.height() > 0; ++i) {
        const int l = rect.left(), t = rect.top(), r = rect.right(), b = rect.bottom();
        painter.fillRect(QRect(l, t, r - l + 1, 1), topLeft);
        painter.fillRect(QRect(l, t, 1, b - t + 1), topLeft);
        painter.fillRect(QRect(l, b, r - l + 1, 1), bottomRight);
        painter.fillRect(QRect(r, t, 1, b - t + 1), bottomRight);
        rect.adjust(1, 1, -1, -1);
    }
}

} // namespace

BevelPanel::BevelPanel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BevelPanel::SetBevelInner(Bevel bevel) {
    inner_ = bevel;
    update();
}

void BevelPanel::SetBevelOuter(Bevel bevel) {
    outer_ = bevel;
    update();
}

void BevelPanel::SetBevelWidth(int width) {
    width_ = width;
    update();
}

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ButtonFace);
    QRect frame = rect();
    DrawBevel(painter, frame, outer_, width_);
    DrawBevel(painter, frame, inner_, width_);
}
