#include "Fonts.h"
#include "StatusPanelWidget.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>
#include <optional>

// The value labels as the player sees them: rendered with the shipped font,
// read back pixel by pixel.
namespace {

struct InkColumns {
    int left;
    int right;
};

// The first and last columns holding text, or nothing for a blank image.
std::optional<InkColumns> inkColumns(const QImage& image, const QColor& background) {
    // Anti-aliased edges count once they are clearly darker than the ground.
    const int inkGray = qGray(background.rgb()) - 80;
    std::optional<InkColumns> found;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (qGray(image.pixel(x, y)) < inkGray) {
                found = InkColumns{found ? found->left : x, x};
                break;
            }
        }
    }
    return found;
}

QImage rendered(QLabel* label) {
    return label->grab().toImage();
}

// Where the ink of `text` lies within its own advance, drawn alone.
InkColumns inkOfText(const QLabel* label, const QString& text) {
    const QFontMetrics metrics(label->font());
    QImage image(metrics.horizontalAdvance(text), label->height(), QImage::Format_RGB32);
    const QColor background = label->palette().color(QPalette::Window);
    image.fill(background);
    QPainter painter(&image);
    painter.setFont(label->font());
    painter.setPen(label->palette().color(QPalette::WindowText));
    painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignVCenter, text);
    painter.end();
    const auto ink = inkColumns(image, background);
    EXPECT_TRUE(ink.has_value()) << text.toStdString();
    return ink.value_or(InkColumns{0, 0});
}

class StatusPanelWidgetTest : public ::testing::Test {
protected:
    QWidget window;
    StatusPanelWidget panel{&window};
};

TEST_F(StatusPanelWidgetTest, ANewGamesNumbersFitTheirLabelsAndEndAtTheRightEdge) {
    panel.setDrumSettings(0, 30, 10);
    panel.setDistanceToGoal(100);
    panel.setStamina(30);
    struct Value {
        QLabel* label;
        int width;
    };
    const Value values[] = {{panel.arrowValue(), 7},
                            {panel.rotationValue(), 14},
                            {panel.timerValue(), 21},
                            {panel.distanceValue(), 24},
                            {panel.staminaValue(), 47}};
    // A timer of 100 must fit as well; it is written last.
    for (int timer : {10, 100}) {
        panel.setDrumSettings(0, 30, timer);
        for (const Value& value : values) {
            QLabel* label = value.label;
            const QString text = label->text();
            ASSERT_EQ(label->width(), value.width) << text.toStdString();
            const int advance = QFontMetrics(label->font()).horizontalAdvance(text);
            EXPECT_LE(advance, value.width) << text.toStdString();

            const auto ink = inkColumns(rendered(label), label->palette().color(QPalette::Window));
            ASSERT_TRUE(ink.has_value()) << text.toStdString();
            const InkColumns own = inkOfText(label, text);
            // The text's advance ends at the label's right edge, all of it shown.
            const int start = value.width - advance;
            EXPECT_EQ(ink->right, start + own.right) << text.toStdString();
            EXPECT_EQ(ink->left, start + own.left) << text.toStdString();
            EXPECT_GE(ink->left, 0) << text.toStdString();
        }
    }
}

TEST_F(StatusPanelWidgetTest, AValueWiderThanItsLabelShowsItsEnd) {
    // Once the text overflows, everything before the part that fits is cut
    // away, so a long name and its last characters look the same.
    const std::string tail = "0123456789<b>x</b>";
    panel.setPlayerName(std::string(2000, 'W') + tail);
    QLabel* name = panel.nameValue();
    ASSERT_EQ(name->size(), QSize(80, 12));
    ASSERT_GT(QFontMetrics(name->font()).horizontalAdvance(QString::fromStdString("W" + tail)),
              name->width());
    const QImage longName = rendered(name);
    EXPECT_TRUE(name->text().endsWith(QString::fromStdString(tail)));

    panel.setPlayerName("W" + tail);
    EXPECT_EQ(rendered(name), longName);

    const auto ink = inkColumns(longName, name->palette().color(QPalette::Window));
    ASSERT_TRUE(ink.has_value());
    const InkColumns own = inkOfText(name, name->text());
    const int advance = QFontMetrics(name->font()).horizontalAdvance(name->text());
    EXPECT_EQ(ink->right, name->width() - advance + own.right);

    // A timer too wide for its 21 pixels shows its last digits the same way.
    panel.setDrumSettings(0, 30, 123456);
    QLabel* timer = panel.timerValue();
    const QImage wideTimer = rendered(timer);
    panel.setDrumSettings(0, 30, 3456);
    EXPECT_EQ(rendered(timer), wideTimer);
    EXPECT_EQ(timer->size(), QSize(21, 12));
}

} // namespace
