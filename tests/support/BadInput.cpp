#include "BadInput.h"

#include "NameDialog.h"

#include <QStringList>

namespace {

constexpr int HugeLength = 100000;

// Hiragana to katakana is a fixed offset in Unicode.
constexpr char16_t KatakanaOffset = 0x60;

} // namespace

QString BadInput::nearMiss() {
    const QString phrase = NameDialog::revealPhrase();
    switch (below(8)) {
    case 0:
        return phrase + QLatin1Char(' ');
    case 1:
        return QLatin1Char(' ') + phrase;
    case 2:
        return phrase.left(phrase.size() - 1);
    case 3:
        return phrase + QStringLiteral("よ");
    case 4: {
        QString katakana = phrase;
        for (QChar& c : katakana) {
            c = QChar(static_cast<char16_t>(c.unicode() + KatakanaOffset));
        }
        return katakana;
    }
    case 5:
        return QStringLiteral("ｱｵｲｿﾗﾉｼﾀﾃﾞｳﾀｳｺﾈｺﾉﾕﾒｦﾐﾀ");
    case 6: {
        QString changed = phrase;
        changed[below(static_cast<int>(changed.size()))] = QChar(0x3042);
        return changed == phrase ? phrase + phrase : changed;
    }
    default:
        return phrase + QChar(0x3000); // an ideographic space
    }
}

QString BadInput::name() {
    switch (below(12)) {
    case 0:
        return QString();
    case 1:
        return QString(1 + below(8), QLatin1Char(' '));
    case 2: {
        // A huge name of mixed scripts.
        static const QString palette = QStringLiteral("ぽてりんWa1 ｱ漢😀<&>");
        QString huge;
        huge.reserve(HugeLength);
        while (huge.size() < HugeLength) {
            huge += palette[below(static_cast<int>(palette.size()))];
        }
        return huge.left(HugeLength);
    }
    case 3: {
        QString controls = QStringLiteral("a");
        for (char16_t c : {u'\x01', u'\t', u'\n', u'\r', u'\x1b', u'\x7f', u'\0', u'\x85'}) {
            controls += QChar(c);
        }
        return controls + QStringLiteral("z");
    }
    case 4:
        return QStringLiteral("😀 ñ 한국 € ∮ \u202e") + QChar(0xD800); // a lone surrogate too
    case 5:
        return QStringLiteral("<b>x</b> &amp; %1 %s");
    case 6:
    case 7:
        return NameDialog::revealPhrase();
    case 8:
    case 9:
        return nearMiss();
    default: {
        static const QStringList ordinary{QStringLiteral("ぽてりん"), QStringLiteral("zad"),
                                          QStringLiteral("名無しの権兵衛"),
                                          QStringLiteral("ＡＢＣ")};
        return ordinary[below(static_cast<int>(ordinary.size()))];
    }
    }
}

QString BadInput::number(int min, int max) {
    switch (below(16)) {
    case 0:
        return QString::number(min);
    case 1:
        return QString::number(max);
    case 2:
        return QString::number(min - 1);
    case 3:
        return QString::number(max + 1);
    case 4:
        return QString();
    case 5:
        return QStringLiteral("abc");
    case 6:
        return QString::number(min) + QStringLiteral("a");
    case 7:
        return QLatin1Char('+') + QString::number(max);
    case 8:
        return QStringLiteral("-") + QString::number(max);
    case 9:
        return QStringLiteral("99999999999999999999");
    case 10:
        return QStringLiteral("2147483648");
    case 11:
        return QStringLiteral("32768");
    case 12:
        return QStringLiteral(" 5 ");
    case 13:
        return QStringLiteral("１０"); // full-width digits
    case 14:
        return QStringLiteral("1,000");
    default:
        return QString::number(min + below(max - min + 1));
    }
}

bool BadInput::plainDecimal(const QString& text, std::int64_t& value) {
    QString digits = text;
    const bool negative = digits.startsWith(QLatin1Char('-'));
    if (negative) {
        digits.remove(0, 1);
    }
    if (digits.isEmpty() || digits.size() > 9) {
        return false;
    }
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    value = digits.toLongLong() * (negative ? -1 : 1);
    return true;
}
