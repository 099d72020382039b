#include "Artwork.h"

#include "ImageList.h"

#include <QPainter>

// Stand-in pictures of the right sizes until the generated artwork lands.
namespace {

QImage Plain(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

namespace Artwork {

QImage TitlePicture() {
    return Plain(138, 300, QColor(0x88, 0xCC, 0xFF));
}
QImage GoalPicture() {
    return Plain(153, 278, Qt::white);
}
QImage GameOverPicture() {
    return Plain(170, 140, Qt::white);
}
QImage QuitPicture() {
    return Plain(170, 140, Qt::white);
}
QImage FarewellPicture() {
    return Plain(170, 140, Qt::white);
}
QImage FacePicture() {
    return Plain(64, 64, QColor(0xFF, 0xDD, 0xCC));
}

QImage ArrowSheet() {
    QImage sheet = Plain(88, 60, Qt::white);
    QPainter painter(&sheet);
    painter.fillRect(0, 0, 22, 30, QColor(255, 74, 25));
    painter.fillRect(32, 10, 2, 10, QColor(0, 0, 255));
    return sheet;
}

QImage DigitSheet() {
    QImage sheet = Plain(112, 90, Qt::white);
    QPainter painter(&sheet);
    for (int i = 0; i < 6; ++i) {
        painter.drawText(QRect((i % 4) * 28, (i / 4) * 30, 28, 30), Qt::AlignCenter,
                         QString::number(i + 1));
    }
    return sheet;
}

QImage HeroineSheet() {
    QImage sheet = Plain(200, 210, Qt::black);
    QPainter painter(&sheet);
    for (int i = 0; i < 5; ++i) {
        painter.fillRect((i % 4) * 50 + 15, (i / 4) * 70 + 10, 20, 55, QColor(200, 40, 40));
    }
    return sheet;
}

QIcon AppIcon() {
    return QIcon(QPixmap::fromImage(Plain(32, 32, QColor(200, 40, 40))));
}

void LoadArrowImages(ImageList& list) {
    list.LoadSheet(ArrowSheet(), 2, ImageMask::None);
}
void LoadDigitImages(ImageList& list) {
    list.LoadSheet(DigitSheet(), 6, ImageMask::None);
}
void LoadHeroineImages(ImageList& list) {
    list.LoadSheet(HeroineSheet(), 5, ImageMask::BlackKey);
}

} // namespace Artwork
