#include "Fonts.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>

// The forms were laid out in the original font: their auto-sized labels and
// the status panel's fixed value labels only come out right if the game font
// keeps its widths. These measure the font the program really gets.
namespace {

int advance(const QString& text, int pixelHeight) {
    return QFontMetrics(gameFont(pixelHeight)).horizontalAdvance(text);
}

} // namespace

class FontsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutes(); }

    void theGameFontIsMonapoAtTheAskedHeight_data() {
        QTest::addColumn<bool>("bold");
        QTest::newRow("regular") << false;
        QTest::newRow("bold") << true;
    }
    void theGameFontIsMonapoAtTheAskedHeight() {
        QFETCH(bool, bold);
        const QFontInfo info(gameFont(12, bold));
        QCOMPARE(info.family(), QStringLiteral("Monapo"));
        QCOMPARE(info.pixelSize(), 12);
    }

    // The result panels' lines, the name prompt and the notes' link caption,
    // none of them bold; the forms fit a label to its text's advance, and
    // these were laid out at exactly that width.
    void autoSizedLabelsComeOutAsWideAsTheFormsWereLaidOut_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pixelHeight");
        QTest::addColumn<int>("width");
        QTest::newRow("quit question") << QStringLiteral("やめちゃうの？") << 15 << 96;
        QTest::newRow("came all this way") << QStringLiteral("来たのにぃ～～") << 15 << 100;
        QTest::newRow("see you") << QStringLiteral("またねっ") << 15 << 54;
        QTest::newRow("name prompt") << QStringLiteral("名前を入力してね") << 15 << 112;
        QTest::newRow("home page link") << QStringLiteral("ホームページアドレス") << 16 << 143;
    }
    void autoSizedLabelsComeOutAsWideAsTheFormsWereLaidOut() {
        QFETCH(QString, text);
        QFETCH(int, pixelHeight);
        QFETCH(int, width);
        QCOMPARE(advance(text, pixelHeight), width);
    }

    // Value label widths: arrow 7, separators 7, rotation 14, timer 21,
    // distance 24; each number of a new game must fit without clipping.
    void theStatusPanelNumbersFitTheirFixedLabels_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::newRow("arrow") << QStringLiteral("0") << 7;
        QTest::newRow("separator") << QStringLiteral("/") << 7;
        QTest::newRow("rotation") << QStringLiteral("30") << 14;
        QTest::newRow("timer") << QStringLiteral("10") << 21;
        QTest::newRow("distance") << QStringLiteral("100") << 24;
    }
    void theStatusPanelNumbersFitTheirFixedLabels() {
        QFETCH(QString, text);
        QFETCH(int, width);
        QVERIFY2(advance(text, 12) <= width,
                 qPrintable(QStringLiteral("advance %1 of %2").arg(advance(text, 12)).arg(width)));
    }

    // Digits share one width, so right-aligned numbers line up.
    void digitsShareOneWidth() {
        const QFontMetrics metrics(gameFont(12));
        const int zero = metrics.horizontalAdvance(QLatin1Char('0'));
        for (char digit = '1'; digit <= '9'; ++digit) {
            QVERIFY2(metrics.horizontalAdvance(QLatin1Char(digit)) == zero,
                     qPrintable(QStringLiteral("digit %1").arg(QLatin1Char(digit))));
        }
    }
};

QTEST_MAIN(FontsTest)
#include "fonts_test.moc"
