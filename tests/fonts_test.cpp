#include "Fonts.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>

// The forms were laid out in the original font: their auto-sized labels and
// the status panel's fixed value labels only come out right if the game font
// keeps its widths. These measure the font the program really gets.
namespace {

struct Measured {
    const char* text;
    int pixelHeight;
    int width; // as the original lays it out
};

int advance(const Measured& m) {
    return QFontMetrics(gameFont(m.pixelHeight)).horizontalAdvance(QString::fromUtf8(m.text));
}

TEST(FontsTest, TheGameFontIsMonapoAtTheAskedHeight) {
    for (bool bold : {false, true}) {
        const QFontInfo info(gameFont(12, bold));
        EXPECT_EQ(info.family(), QStringLiteral("Monapo")) << "bold " << bold;
        EXPECT_EQ(info.pixelSize(), 12);
    }
}

TEST(FontsTest, AutoSizedLabelsComeOutAsWideAsTheFormsWereLaidOut) {
    // The result panels' lines, the name prompt and the notes' link caption,
    // none of them bold; the forms fit a label to its text's advance, and
    // these were laid out at exactly that width.
    const Measured labels[] = {
        {"やめちゃうの？", 15, 96},    {"来たのにぃ～～", 15, 100},       {"またねっ", 15, 54},
        {"名前を入力してね", 15, 112}, {"ホームページアドレス", 16, 143},
    };
    for (const Measured& m : labels) {
        EXPECT_EQ(advance(m), m.width) << m.text;
    }
}

TEST(FontsTest, TheStatusPanelNumbersFitTheirFixedLabels) {
    // Value label widths: arrow 7, separators 7, rotation 14, timer 21,
    // distance 24; each number of a new game must fit without clipping.
    const Measured values[] = {
        {"0", 12, 7}, {"/", 12, 7}, {"30", 12, 14}, {"10", 12, 21}, {"100", 12, 24},
    };
    for (const Measured& m : values) {
        EXPECT_LE(advance(m), m.width) << m.text;
    }
    // Digits share one width, so right-aligned numbers line up.
    const QFontMetrics metrics(gameFont(12));
    for (char digit = '1'; digit <= '9'; ++digit) {
        EXPECT_EQ(metrics.horizontalAdvance(QLatin1Char(digit)),
                  metrics.horizontalAdvance(QLatin1Char('0')))
            << digit;
    }
}

} // namespace
