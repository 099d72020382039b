#pragma once

#include <QImage>
#include <QString>
#include <vector>

// Every picture the game ships, each drawn from nothing but this code.
namespace art {

struct Output {
    QString name; // file name in assets/images
    QImage image;
};

QImage ArrowSheet();   // 88 x 60, two frames of 22 x 30
QImage DigitSheet();   // 112 x 90, six frames of 28 x 30
QImage HeroineSheet(); // 200 x 210, five frames of 50 x 70 on pure black

QImage TitlePicture(); // 138 x 300
// The goal and game-over pictures letter the heroine's cry in the edition's
// language.
enum class Edition { Japanese, English };
QImage GoalPicture(Edition edition = Edition::Japanese);     // 153 x 278
QImage GameOverPicture(Edition edition = Edition::Japanese); // 170 x 140
QImage QuitPicture();                                        // 170 x 140
QImage FarewellPicture();                                    // 170 x 140
QImage FacePicture();                                        // 64 x 64

// The heroine's head in profile on a transparent background, at most 16
// colours, at the given size (16, 32, 48, 64, 128 or 256). Each size is drawn
// at its own resolution; from 64 pixels up the outline has a half-transparent
// fringe.
QImage Icon(int size);

std::vector<Output> AllPictures();

} // namespace art
