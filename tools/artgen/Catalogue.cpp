#include "Artgen.h"

namespace art {

namespace {

// The BMP writer stores a 32-bit image without alpha as 24-bit colour, the
// depth the game's pictures have.
QImage Opaque(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

std::vector<Output> AllPictures() {
    return {
        {QStringLiteral("title.bmp"), Opaque(TitlePicture())},
        {QStringLiteral("goal.bmp"), Opaque(GoalPicture())},
        {QStringLiteral("gameover.bmp"), Opaque(GameOverPicture())},
        {QStringLiteral("goal_en.bmp"), Opaque(GoalPicture(Edition::English))},
        {QStringLiteral("gameover_en.bmp"), Opaque(GameOverPicture(Edition::English))},
        {QStringLiteral("quit.bmp"), Opaque(QuitPicture())},
        {QStringLiteral("farewell.bmp"), Opaque(FarewellPicture())},
        {QStringLiteral("face.bmp"), Opaque(FacePicture())},
        {QStringLiteral("arrows.bmp"), Opaque(ArrowSheet())},
        {QStringLiteral("digits.bmp"), Opaque(DigitSheet())},
        {QStringLiteral("heroine.bmp"), Opaque(HeroineSheet())},
        {QStringLiteral("icon16.png"), Icon(16)},
        {QStringLiteral("icon32.png"), Icon(32)},
        {QStringLiteral("icon48.png"), Icon(48)},
        {QStringLiteral("icon64.png"), Icon(64)},
        {QStringLiteral("icon128.png"), Icon(128)},
        {QStringLiteral("icon256.png"), Icon(256)},
    };
}

} // namespace art
