#include "DrumPaintBox.h"

#include <QPaintEvent>
#include <QPainter>
#include <utility>

namespace {

// What the box shows before anything is drawn.
constexpr QRgb BlankPicture = qRgb(255, 255, 255);

} // namespace

DrumPaintBox::DrumPaintBox(QWidget* parent, int width, int height, std::function<void()> onExpose)
    : QWidget(parent), picture_(width, height, QImage::Format_RGB32),
      onExpose_(std::move(onExpose)) {
    picture_.fill(BlankPicture);
    // Every pixel comes from the picture: nothing underneath needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DrumPaintBox::Invalidate(const QRect& rect) {
    // A hidden box gets no paint for this; its next paint is an expose.
    if (!isVisible()) {
        return;
    }
    requested_ |= rect;
    update(rect);
}

void DrumPaintBox::paintEvent(QPaintEvent* event) {
    if (!requested_.contains(event->rect()) && onExpose_) {
        onExpose_();
    }
    requested_ = QRect();
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    // On a screen that scales by a whole factor every pixel becomes a sharp block.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(event->rect(), picture_, event->rect());
}

void DrumPaintBox::hideEvent(QHideEvent* event) {
    requested_ = QRect();
    QWidget::hideEvent(event);
}
