#include "Fonts.h"

#include <QStringList>

void registerFontSubstitutes() {
    // Monapo keeps the original's advance widths, so the forms' labels come
    // out as wide as they were laid out; the IPA gothics stand in when it is
    // missing.
    QFont::insertSubstitutions(GameFontFamily,
                               {QStringLiteral("Monapo"), QStringLiteral("IPAPGothic"),
                                QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP")});
}

QFont gameFont(int pixelHeight, bool bold) {
    QFont font(GameFontFamily);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    // Every glyph advances by a whole number of pixels, as the forms were
    // measured with; unhinted fractional advances make a label a pixel wider
    // than its place.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}
