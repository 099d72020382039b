#include "BevelPanel.h"

#include <QPainter>

const QColor BevelPanel::buttonFace(0xD4, 0xD0, 0xC8);
const QColor BevelPanel::buttonHighlight(0xFF, 0xFF, 0xFF);
const QColor BevelPanel::buttonShadow(0x80, 0x80, 0x80);

namespace {

// Draws `width` nested one-pixel frames and shrinks `rect` past them.
void drawBevel(QPainter& painter, QRect& rect, BevelPanel::Bevel bevel, int width) {
    if (bevel == BevelPanel::Bevel::None) {
        return;
    }
    const bool raised = bevel == BevelPanel::Bevel::Raised;
    const QColor topLeft = raised ? BevelPanel::buttonHighlight : BevelPanel::buttonShadow;
    const QColor bottomRight = raised ? BevelPanel::buttonShadow : BevelPanel::buttonHighlight;
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

void BevelPanel::setBevelInner(Bevel bevel) {
    m_inner = bevel;
    update();
}

void BevelPanel::setBevelOuter(Bevel bevel) {
    m_outer = bevel;
    update();
}

void BevelPanel::setBevelWidth(int width) {
    m_width = width;
    update();
}

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), buttonFace);
    QRect frame = rect();
    drawBevel(painter, frame, m_outer, m_width);
    drawBevel(painter, frame, m_inner, m_width);
}
