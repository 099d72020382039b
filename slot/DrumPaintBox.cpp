#include "DrumPaintBox.h"

#include <QPaintEvent>
#include <QPainter>
#include <utility>

namespace {

// What the box shows before anything is drawn.
constexpr QRgb BlankPicture = qRgb(255, 255, 255);

} // namespace

DrumPaintBox::DrumPaintBox(QWidget* parent, int width, int height, std::function<void()> onExpose)
    : QWidget(parent), m_picture(width, height, QImage::Format_RGB32),
      m_onExpose(std::move(onExpose)) {
    m_picture.fill(BlankPicture);
    // Every pixel comes from the picture: nothing underneath needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DrumPaintBox::invalidate(const QRect& rect) {
    // A hidden box gets no paint for this; its next paint is an expose.
    if (!isVisible()) {
        return;
    }
    m_requested |= rect;
    update(rect);
}

void DrumPaintBox::paintEvent(QPaintEvent* event) {
    if (!m_requested.contains(event->rect()) && m_onExpose) {
        m_onExpose();
    }
    m_requested = QRect();
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    // On a screen that scales by a whole factor every pixel becomes a sharp block.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(event->rect(), m_picture, event->rect());
}

void DrumPaintBox::hideEvent(QHideEvent* event) {
    m_requested = QRect();
    QWidget::hideEvent(event);
}
