#pragma once

#include <QFont>
#include <QString>

// The family every form asks for. Linux has no such font, so start-up maps it
// to Monapo, which has its metrics, or else to the closest proportional
// Japanese gothic that is installed.
inline const QString GameFontFamily = QStringLiteral("ＭＳ Ｐゴシック");

void registerFontSubstitutes();

// The game font at a pixel height (a form's "Height -12" is 12 pixels).
QFont gameFont(int pixelHeight, bool bold = false);
