#include "Artwork.h"

#include "ImageList.h"

namespace {

// Frames of the three lists, as the sheets hold them.
constexpr int kArrowFrames = 2;
constexpr int kDigitFrames = 6;
constexpr int kHeroineFrames = 5;

// Pictures come from the resource system as 32-bit images without alpha,
// the form the drawing code composes with.
QImage Load(const char* name) {
    return QImage(QStringLiteral(":/images/") + QLatin1String(name))
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

namespace Artwork {

QImage TitlePicture() {
    return Load("title.bmp");
}
QImage GoalPicture() {
    return Load("goal.bmp");
}
QImage GameOverPicture() {
    return Load("gameover.bmp");
}
QImage QuitPicture() {
    return Load("quit.bmp");
}
QImage FarewellPicture() {
    return Load("farewell.bmp");
}
QImage FacePicture() {
    return Load("face.bmp");
}

QImage ArrowSheet() {
    return Load("arrows.bmp");
}
QImage DigitSheet() {
    return Load("digits.bmp");
}
QImage HeroineSheet() {
    return Load("heroine.bmp");
}

QIcon AppIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/images/icon16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/images/icon32.png"), QSize(32, 32));
    return icon;
}

void LoadArrowImages(ImageList& list) {
    list.LoadSheet(ArrowSheet(), kArrowFrames, ImageMask::None);
}
void LoadDigitImages(ImageList& list) {
    list.LoadSheet(DigitSheet(), kDigitFrames, ImageMask::None);
}
void LoadHeroineImages(ImageList& list) {
    list.LoadSheet(HeroineSheet(), kHeroineFrames, ImageMask::BlackKey);
}

} // namespace Artwork
