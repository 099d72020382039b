#include "Artwork.h"

#include "ImageList.h"

#include <QImageReader>
#include <QLocale>
#include <QPixmap>

namespace {

// Frames of the three lists, as the sheets hold them.
constexpr int kArrowFrames = 2;
constexpr int kDigitFrames = 6;
constexpr int kHeroineFrames = 5;

// The format is named and never guessed: guessing asks every image plugin
// whether it knows the data, which loads them all into the program.
QImage read(const QString& path, const char* format) {
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// Pictures come from the resource system as 32-bit images without alpha,
// the form the drawing code composes with.
QImage load(const char* name) {
    return read(QStringLiteral(":/images/") + QLatin1String(name), "bmp")
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
    icon.addPixmap(QPixmap::fromImage(read(QStringLiteral(":/images/icon16.png"), "png")));
    icon.addPixmap(QPixmap::fromImage(read(QStringLiteral(":/images/icon32.png"), "png")));
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
void loadHeroineImagesWhenDrawn(ImageList& list) {
    list.loadSheetWhenUsed(&heroineSheet, kHeroineFrames, ImageMask::BlackKey);
}

} // namespace Artwork
