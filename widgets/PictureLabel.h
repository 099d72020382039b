#pragma once

#include <QLabel>

// A label that shows a picture pixel for pixel. On a screen that scales by a
// whole factor each picture pixel becomes a solid block, sampled nearest
// neighbour; a plain QLabel smooths the picture it scales, which blurs pixel
// art. Without a picture it is a plain label.
class PictureLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};
