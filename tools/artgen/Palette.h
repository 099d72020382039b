#pragma once

#include "Raster.h"

// The one palette of the heroine and her world. Outlines are a deep ink, never
// pure black: pure black is the transparent key of the walking sheet.
namespace art::palette {

constexpr QRgb Rgb(int r, int g, int b) {
    return 0xFF000000u | (static_cast<QRgb>(r) << 16) | (static_cast<QRgb>(g) << 8) |
           static_cast<QRgb>(b);
}

constexpr QRgb kInk = Rgb(40, 22, 38);
constexpr QRgb kWhite = Rgb(255, 255, 255);
constexpr QRgb kKeyBlack = Rgb(0, 0, 0);

constexpr Material kSkin{Rgb(255, 226, 200), Rgb(244, 184, 160), Rgb(255, 242, 228),
                         Rgb(196, 110, 96)};
constexpr QRgb kBlush = Rgb(255, 170, 170);

constexpr Material kHair{Rgb(226, 56, 44), Rgb(170, 30, 40), Rgb(255, 130, 96), Rgb(104, 18, 32)};

constexpr QRgb kIris = Rgb(48, 168, 84);
constexpr QRgb kIrisDark = Rgb(20, 104, 60);
constexpr QRgb kIrisLight = Rgb(140, 226, 120);
constexpr QRgb kPupil = Rgb(14, 58, 40);
constexpr QRgb kLash = Rgb(52, 20, 30);
constexpr QRgb kEyeWhite = Rgb(255, 255, 255);
constexpr QRgb kTear = Rgb(120, 200, 255);
constexpr QRgb kTearLight = Rgb(220, 244, 255);
constexpr QRgb kTearLine = Rgb(60, 130, 220);

constexpr QRgb kMouth = Rgb(150, 30, 50);
constexpr QRgb kTongue = Rgb(250, 120, 130);

constexpr Material kDress{Rgb(150, 208, 255), Rgb(104, 162, 236), Rgb(206, 236, 255),
                          Rgb(44, 80, 160)};
constexpr Material kHem{Rgb(46, 76, 184), Rgb(30, 50, 140), Rgb(80, 110, 210), Rgb(22, 32, 100)};
constexpr Material kCollar{Rgb(255, 255, 255), Rgb(210, 222, 240), Rgb(255, 255, 255),
                           Rgb(96, 110, 160)};
constexpr Material kSash{Rgb(232, 40, 56), Rgb(172, 20, 48), Rgb(255, 110, 110), Rgb(110, 14, 38)};
constexpr Material kSock{Rgb(255, 176, 206), Rgb(236, 128, 172), Rgb(255, 214, 230),
                         Rgb(170, 70, 120)};
constexpr Material kShoe{Rgb(224, 36, 40), Rgb(160, 20, 34), Rgb(255, 110, 100), Rgb(96, 14, 30)};
constexpr Material kShoeTrim{Rgb(255, 214, 50), Rgb(230, 160, 30), Rgb(255, 244, 150),
                             Rgb(150, 90, 20)};
constexpr Material kBoot{Rgb(156, 92, 44), Rgb(112, 62, 32), Rgb(196, 132, 74), Rgb(62, 34, 24)};

// Sky, ground and town of the title.
constexpr QRgb kSkyTop = Rgb(70, 140, 236);
constexpr QRgb kSkyLow = Rgb(156, 212, 255);
constexpr Material kCloud{Rgb(255, 255, 255), Rgb(214, 230, 248), Rgb(255, 255, 255),
                          Rgb(170, 196, 232)};
constexpr Material kGrass{Rgb(92, 196, 72), Rgb(56, 150, 60), Rgb(150, 226, 100), Rgb(36, 106, 50)};
constexpr Material kPath{Rgb(214, 168, 110), Rgb(182, 130, 80), Rgb(236, 200, 146),
                         Rgb(132, 90, 56)};
constexpr QRgb kTown = Rgb(120, 150, 200);
constexpr QRgb kTownFar = Rgb(140, 176, 224);
constexpr QRgb kTownWindow = Rgb(220, 236, 255);

// Lettering, arrows and the drum faces.
constexpr QRgb kBalloonLine = Rgb(60, 50, 80);
constexpr QRgb kLetter = Rgb(40, 22, 38);
constexpr QRgb kGroan = Rgb(70, 60, 120);
constexpr QRgb kArrow = Rgb(255, 74, 25);
constexpr QRgb kNoArrow = Rgb(0, 0, 255);

} // namespace art::palette
