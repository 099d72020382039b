#include "Fonts.h"

#include <QStringList>

void RegisterFontSubstitutes() {
    QFont::insertSubstitutions(GameFontFamily,
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                                QStringLiteral("Noto Sans CJK JP")});
}

QFont GameFont(int pixelHeight, bool bold) {
    QFont font(GameFontFamily);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}
