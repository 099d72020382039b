#include "PictureLabel.h"

#include <QPainter>
#include <QStyle>

void PictureLabel::paintEvent(QPaintEvent* event) {
    const QPixmap picture = pixmap();
    // A disabled label shows the style's greyed picture; ours never are.
    if (picture.isNull() || !isEnabled()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    style()->drawItemPixmap(&painter, contentsRect(), static_cast<int>(alignment()), picture);
}
