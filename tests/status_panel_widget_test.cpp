#include "Fonts.h"
#include "StatusPanelWidget.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <memory>
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

std::optional<InkColumns> inkOf(QLabel* label) {
    return inkColumns(rendered(label), label->palette().color(QPalette::Window));
}

// Where the ink of `text` lies within its own advance, drawn alone.
std::optional<InkColumns> inkOfText(const QLabel* label, const QString& text) {
    const QFontMetrics metrics(label->font());
    QImage image(metrics.horizontalAdvance(text), label->height(), QImage::Format_RGB32);
    const QColor background = label->palette().color(QPalette::Window);
    image.fill(background);
    QPainter painter(&image);
    painter.setFont(label->font());
    painter.setPen(label->palette().color(QPalette::WindowText));
    painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignVCenter, text);
    painter.end();
    return inkColumns(image, background);
}

} // namespace

class StatusPanelWidgetTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QWidget> window;
    StatusPanelWidget* panel = nullptr;

    QLabel* value(const char* name) { return panel->findChild<QLabel*>(QString::fromLatin1(name)); }

private slots:
    void initTestCase() { registerFontSubstitutes(); }
    void init() {
        window = std::make_unique<QWidget>();
        panel = new StatusPanelWidget(window.get());
    }
    void cleanup() { window.reset(); }

    // A new game's numbers fit their labels and end at the right edge; a
    // timer of 100 must fit as well, and it is written last.
    void aNewGamesNumbersFitTheirLabelsAndEndAtTheRightEdge_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("timer");
        const struct {
            const char* label;
            int width;
        } values[] = {{"arrowValue", 7},
                      {"rotationValue", 14},
                      {"timerValue", 21},
                      {"distanceValue", 24},
                      {"staminaValue", 47}};
        for (int timer : {10, 100}) {
            for (const auto& v : values) {
                QTest::addRow("%s, timer %d", v.label, timer)
                    << QString::fromLatin1(v.label) << v.width << timer;
            }
        }
    }
    void aNewGamesNumbersFitTheirLabelsAndEndAtTheRightEdge() {
        QFETCH(QString, label);
        QFETCH(int, width);
        QFETCH(int, timer);
        panel->setDrumSettings(0, 30, 10);
        panel->setDistanceToGoal(100);
        panel->setStamina(30);
        panel->setDrumSettings(0, 30, timer);

        auto* shown = panel->findChild<QLabel*>(label);
        QVERIFY(shown);
        const QString text = shown->text();
        QCOMPARE(shown->width(), width);
        const int advance = QFontMetrics(shown->font()).horizontalAdvance(text);
        QVERIFY2(advance <= width,
                 qPrintable(QStringLiteral("%1 is %2 wide").arg(text).arg(advance)));

        const auto ink = inkOf(shown);
        QVERIFY2(ink.has_value(), qPrintable(text));
        const auto own = inkOfText(shown, text);
        QVERIFY2(own.has_value(), qPrintable(text));
        // The text's advance ends at the label's right edge, all of it shown.
        const int start = width - advance;
        QCOMPARE(ink->right, start + own->right);
        QCOMPARE(ink->left, start + own->left);
        QVERIFY(ink->left >= 0);
    }

    void aValueWiderThanItsLabelShowsItsEnd() {
        // Once the text overflows, everything before the part that fits is cut
        // away, so a long name and its last characters look the same.
        const std::string tail = "0123456789<b>x</b>";
        panel->setPlayerName(std::string(2000, 'W') + tail);
        QLabel* name = value("nameValue");
        QVERIFY(name);
        QCOMPARE(name->size(), QSize(80, 12));
        QVERIFY(QFontMetrics(name->font()).horizontalAdvance(QString::fromStdString("W" + tail)) >
                name->width());
        const QImage longName = rendered(name);
        QVERIFY(name->text().endsWith(QString::fromStdString(tail)));

        panel->setPlayerName("W" + tail);
        QCOMPARE(rendered(name), longName);

        const auto ink = inkColumns(longName, name->palette().color(QPalette::Window));
        QVERIFY(ink.has_value());
        const auto own = inkOfText(name, name->text());
        QVERIFY(own.has_value());
        const int advance = QFontMetrics(name->font()).horizontalAdvance(name->text());
        QCOMPARE(ink->right, name->width() - advance + own->right);

        // A timer too wide for its 21 pixels shows its last digits the same way.
        panel->setDrumSettings(0, 30, 123456);
        QLabel* timer = value("timerValue");
        QVERIFY(timer);
        const QImage wideTimer = rendered(timer);
        panel->setDrumSettings(0, 30, 3456);
        QCOMPARE(rendered(timer), wideTimer);
        QCOMPARE(timer->size(), QSize(21, 12));
    }
};

QTEST_MAIN(StatusPanelWidgetTest)
#include "status_panel_widget_test.moc"
