#include "UpDown.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QWidget>
#include <limits>

namespace {

// An edit with its up-down, as a form holds them.
struct Row {
    QWidget form;
    QLineEdit* edit = new QLineEdit(&form);
    UpDown* upDown = new UpDown(&form);

    Row(int min, int max, int increment, bool wrap) {
        upDown->setMinimum(min);
        upDown->setMaximum(max);
        upDown->setIncrement(increment);
        upDown->setWrapping(wrap);
        upDown->setAssociate(edit);
        edit->setGeometry(0, 0, 73, 23);
        upDown->setGeometry(73, 0, 15, 23);
    }
};

} // namespace

class UpDownTest : public QObject {
    Q_OBJECT

private slots:
    void arrowsStepByTheIncrementAndWrapOrStop_data() {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("increment");
        QTest::addColumn<bool>("wrap");
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("expected");
        QTest::newRow("up inside") << 10 << 300 << 10 << false << 150 << true << 160;
        QTest::newRow("down inside") << 10 << 300 << 10 << false << 150 << false << 140;
        QTest::newRow("up past the top wraps") << 1 << 101 << 1 << true << 101 << true << 1;
        QTest::newRow("down past the bottom wraps") << 1 << 101 << 1 << true << 1 << false << 101;
        QTest::newRow("up past the top stops") << 10 << 300 << 10 << false << 300 << true << 300;
        QTest::newRow("down past the bottom stops")
            << 10 << 300 << 10 << false << 10 << false << 10;
        QTest::newRow("a step overshooting the top stops at it")
            << 10 << 300 << 10 << false << 295 << true << 300;
        QTest::newRow("a step overshooting the top wraps")
            << 10 << 1000 << 10 << true << 995 << true << 10;
    }
    void arrowsStepByTheIncrementAndWrapOrStop() {
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(int, increment);
        QFETCH(bool, wrap);
        QFETCH(int, start);
        QFETCH(bool, up);
        QFETCH(int, expected);
        Row row(min, max, increment, wrap);
        row.upDown->setPosition(start);
        up ? row.upDown->stepUp() : row.upDown->stepDown();
        QCOMPARE(int(row.upDown->position()), expected);
        QCOMPARE(row.edit->text(), QString::number(expected));
    }

    void theArrowButtonsAndKeysStepFromTheTypedNumber() {
        Row row(1, 30, 1, true);
        row.form.show();
        row.edit->setText("20");
        QTest::mouseClick(row.upDown->upButton(), Qt::LeftButton);
        QCOMPARE(row.edit->text(), QStringLiteral("21"));
        QTest::mouseClick(row.upDown->downButton(), Qt::LeftButton);
        QTest::keyClick(row.edit, Qt::Key_Down);
        QCOMPARE(row.edit->text(), QStringLiteral("19"));
        row.edit->setText("junk");
        QTest::keyClick(row.edit, Qt::Key_Up);
        QCOMPARE(row.edit->text(), QStringLiteral("20"));
    }

    void readingThePositionTakesOverOnlyAValidNumber_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("shown");
        QTest::newRow("in range") << "42" << 42 << "42";
        QTest::newRow("leading zeros") << "007" << 7 << "007";
        QTest::newRow("the minimum") << "-5" << -5 << "-5";
        QTest::newRow("below") << "-6" << 12 << "12";
        QTest::newRow("above") << "101" << 12 << "12";
        QTest::newRow("empty") << "" << 12 << "12";
        QTest::newRow("letters") << "4a" << 12 << "12";
        QTest::newRow("plus sign") << "+4" << 12 << "12";
        QTest::newRow("two minus signs") << "--4" << 12 << "12";
        QTest::newRow("beyond 16 bits") << "65548" << 12 << "12";
        QTest::newRow("beyond 64 bits") << "123456789012345678901234567890" << 12 << "12";
        QTest::newRow("many zeros") << QString(40, '0') + "9" << 9 << QString(40, '0') + "9";
        QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("٤") << 12 << "12";
    }
    void readingThePositionTakesOverOnlyAValidNumber() {
        QFETCH(QString, typed);
        QFETCH(int, expected);
        QFETCH(QString, shown);
        Row row(-5, 100, 1, false);
        row.upDown->setPosition(12);
        row.edit->setText(typed);
        QCOMPARE(int(row.upDown->position()), expected);
        QCOMPARE(row.edit->text(), shown);
    }

    void thousandsAreGroupedOnlyWhenAskedFor() {
        Row grouped(0, 30000, 1, false);
        grouped.upDown->setPosition(12345);
        QCOMPARE(grouped.edit->text(), QStringLiteral("12,345"));
        grouped.edit->setText("1,500");
        QCOMPARE(int(grouped.upDown->position()), 1500);
        grouped.edit->setText("15,00");
        QCOMPARE(int(grouped.upDown->position()), 1500);

        Row plain(10, 1000, 10, true);
        plain.upDown->setThousands(false);
        plain.upDown->setPosition(1000);
        QCOMPARE(plain.edit->text(), QStringLiteral("1000"));
    }

    void anyValueSetIsHeldWithinTheRange() {
        Row row(1, 101, 1, true);
        row.upDown->setPosition(65536 + 50);
        QCOMPARE(int(row.upDown->position()), 101);
        row.upDown->setPosition(std::numeric_limits<std::int32_t>::min());
        QCOMPARE(int(row.upDown->position()), 1);
    }
};

QTEST_MAIN(UpDownTest)
#include "up_down_test.moc"
