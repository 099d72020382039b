#pragma once

#include <QIcon>
#include <QImage>

class ImageList;

// Every picture of the game, built into the program. Nothing is read from disk.
namespace Artwork {

QImage titlePicture();    // 138 x 300, the title screen
QImage goalPicture();     // 153 x 278, the goal result
QImage gameOverPicture(); // 170 x 140
QImage QuitPicture();     // 170 x 140, the quit confirmation
QImage farewellPicture(); // 170 x 140
QImage facePicture();     // 64 x 64, the version panel

QImage arrowSheet();   // 88 x 60: 2 frames of 22 x 30
QImage digitSheet();   // 112 x 90: 6 frames of 28 x 30
QImage heroineSheet(); // 200 x 210: 5 frames of 50 x 70 on pure black

QIcon appIcon(); // 16 and 32 pixels

// Fill the main window's image lists from their sheets.
void loadArrowImages(ImageList& list);   // 22 x 30, no transparency
void loadDigitImages(ImageList& list);   // 28 x 30, no transparency
void loadHeroineImages(ImageList& list); // 50 x 70, pure black transparent
// The same, with the sheet decoded when the first picture is drawn.
void loadHeroineImagesWhenDrawn(ImageList& list);

} // namespace Artwork
