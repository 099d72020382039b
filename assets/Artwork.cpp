#include "Artwork.h"

#include "ImageList.h"

#include <QLocale>

namespace {

// Frames of the three lists, as the sheets hold them.
constexpr int kArrowFrames = 2;
constexpr int kDigitFrames = 6;
constexpr int kHeroineFrames = 5;

// Pictures come from the resource system as 32-bit images without alpha,
// the form the drawing code composes with.
QImage load(const char* name) {
    return QImage(QStringLiteral(":/images/") + QLatin1String(name))
        .convertToFormat(QImage::Format_RGB32);
}

bool inEnglish() {
    return QLocale().language() == QLocale::English;
}

} // namespace

namespace Artwork {

QImage titlePicture() {
    return load("title.bmp");
}
// Their cries are lettered in the player's language, which the default
// locale names.
QImage goalPicture() {
    return load(inEnglish() ? "goal_en.bmp" : "goal.bmp");
}
QImage gameOverPicture() {
    return load(inEnglish() ? "gameover_en.bmp" : "gameover.bmp");
}
QImage QuitPicture() {
    return load("quit.bmp");
}
QImage farewellPicture() {
    return load("farewell.bmp");
}
QImage facePicture() {
    return load("face.bmp");
}

QImage arrowSheet() {
    return load("arrows.bmp");
}
QImage digitSheet() {
    return load("digits.bmp");
}
QImage heroineSheet() {
    return load("heroine.bmp");
}

QIcon appIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/images/icon16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/images/icon32.png"), QSize(32, 32));
    return icon;
}

void loadArrowImages(ImageList& list) {
    list.loadSheet(arrowSheet(), kArrowFrames, ImageMask::None);
}
void loadDigitImages(ImageList& list) {
    list.loadSheet(digitSheet(), kDigitFrames, ImageMask::None);
}
void loadHeroineImages(ImageList& list) {
    list.loadSheet(heroineSheet(), kHeroineFrames, ImageMask::BlackKey);
}

} // namespace Artwork
