#include "Fonts.h"

#include <QStringList>

void registerFontSubstitutes() {
    QFont::insertSubstitutions(GameFontFamily,
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                                QStringLiteral("Noto Sans CJK JP")});
}

QFont gameFont(int pixelHeight, bool bold) {
    QFont font(GameFontFamily);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}
