#include "Fonts.h"
#include "OptionsDialog.h"
#include "Placement.h"
#include "ScreenMetrics.h"
#include "UpDown.h"
#include "support/ModalAnswerer.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

GameRecord defaultRecord() {
    GameRecord record;
    fillDefaultRecord(record, nullptr);
    return record;
}

// The ten debug fields in row order.
std::vector<std::int32_t> rows(const GameRecord& r) {
    return {r.currentSquare, r.stamina,       r.drumMin,      r.drumMax,         r.arrowRow,
            r.spinInterval,  r.rotationWidth, r.walkInterval, r.forwardInterval, r.backInterval};
}

QLineEdit* edit(const QDialog& d, int row) {
    return d.findChild<QLineEdit*>(QLatin1String(OptionsDialog::RowNames[row - 1]) + "Edit");
}

void click(const QDialog& d, const char* button) {
    QTest::mouseClick(part<QAbstractButton>(d, button), Qt::LeftButton);
}

} // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT
    Preferences m_preferences;

private slots:
    void initTestCase() { registerFontSubstitutes(); }
    void init() {
        setFullScreenSizeOverride(QSize(1024, 768));
        setCursorPosOverride(QPoint(512, 384));
        m_preferences = Preferences{};
        m_preferences.askBeforeQuit = true;
    }

    void placeNearCursorKeepsTheWindowInTheWorkArea_data() {
        QTest::addColumn<QSize>("workArea");
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<QPoint>("expected");
        const QSize screen(1024, 768);
        QTest::newRow("top-left corner") << screen << QPoint(0, 0) << QPoint(0, 0);
        QTest::newRow("just at the offsets") << screen << QPoint(77, 80) << QPoint(0, 0);
        QTest::newRow("middle") << screen << QPoint(512, 384) << QPoint(435, 304);
        QTest::newRow("bottom-right corner") << screen << QPoint(1023, 767) << QPoint(646, 487);
        QTest::newRow("top-right corner") << screen << QPoint(1023, 0) << QPoint(646, 0);
        QTest::newRow("bottom-left corner") << screen << QPoint(0, 767) << QPoint(0, 487);
        QTest::newRow("work area smaller than the window")
            << QSize(300, 200) << QPoint(150, 100) << QPoint(-78, -81);
    }
    void placeNearCursorKeepsTheWindowInTheWorkArea() {
        QFETCH(QSize, workArea);
        QFETCH(QPoint, cursor);
        QFETCH(QPoint, expected);
        setFullScreenSizeOverride(workArea);
        setCursorPosOverride(cursor);
        QCOMPARE(placeNearCursor(378, 281), expected);
    }

    void debugShowsTheRecordInTenRowsNearTheCursor() {
        OptionsDialog form(m_preferences);
        GameRecord record = defaultRecord();
        QStringList visible, texts;
        QSize outer;
        QPoint place, ok, cancel;
        bool checked = false;
        ModalAnswerer answer([&](QDialog& d) {
            visible =
                visibleParts(d, {"debugPanel", "messageCheckGroup", "okButton", "cancelButton"});
            outer = outerSizeOf(d);
            place = static_cast<GameDialog&>(d).requestedPlace();
            ok = part(d, "okButton")->pos();
            cancel = part(d, "cancelButton")->pos();
            for (int row = 1; row <= 10; ++row) {
                texts << edit(d, row)->text();
            }
            checked = part<QCheckBox>(d, "quitConfirmationCheck")->isChecked();
            click(d, "cancelButton");
        });
        form.showDebug(record);
        QCOMPARE(visible, QStringList({"debugPanel", "okButton", "cancelButton"}));
        QCOMPARE(outer, QSize(378, 281));
        QCOMPARE(place, placeNearCursor(378, 281));
        QCOMPARE(ok, QPoint(117, 224));
        QCOMPARE(cancel, QPoint(189, 224));
        QCOMPARE(texts, QStringList({"1", "30", "1", "6", "0", "10", "30", "150", "100", "200"}));
        QVERIFY(checked);
    }

    void okStoresEveryRowAndTheCheckBox() {
        OptionsDialog form(m_preferences);
        GameRecord record = defaultRecord();
        ModalAnswerer answer([&](QDialog& d) {
            const QStringList typed{"50", "99", "2", "4", "2", "1000", "7", "300", "10", "20"};
            for (int row = 1; row <= 10; ++row) {
                edit(d, row)->setText(typed[row - 1]);
            }
            click(d, "quitConfirmationCheck");
            QTest::keyClick(edit(d, 3), Qt::Key_Return);
        });
        form.showDebug(record);
        QCOMPARE(rows(record), (std::vector<std::int32_t>{50, 99, 2, 4, 2, 1000, 7, 300, 10, 20}));
        QVERIFY(!m_preferences.askBeforeQuit);
        QCOMPARE(record.messageCheck, MessageCheck::All);
    }

    void aSlotMaximumBelowTheMinimumIsRaisedToIt() {
        OptionsDialog form(m_preferences);
        GameRecord record = defaultRecord();
        QString maxShown;
        ModalAnswerer answer([&](QDialog& d) {
            edit(d, 3)->setText("5");
            edit(d, 4)->setText("3");
            form.acceptOptions();
            maxShown = edit(d, 4)->text();
            d.close();
        });
        form.showDebug(record);
        QCOMPARE(record.drumMin, 5);
        QCOMPARE(record.drumMax, 5);
        QCOMPARE(maxShown, QStringLiteral("5"));
    }

    void cancelEscAndTheCloseBoxChangeNothing_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel") << "Cancel";
        QTest::newRow("Esc") << "Esc";
        QTest::newRow("close box") << "close";
    }
    void cancelEscAndTheCloseBoxChangeNothing() {
        QFETCH(QString, how);
        OptionsDialog form(m_preferences);
        GameRecord record = defaultRecord();
        const auto before = rows(record);
        const auto leave = [&](QDialog& d) {
            if (how == "Cancel") {
                click(d, "cancelButton");
            } else if (how == "Esc") {
                QTest::keyClick(d.focusWidget(), Qt::Key_Escape);
            } else {
                d.close();
            }
        };
        ModalAnswerer answers([&](QDialog& d) {
            edit(d, 1)->setText("77");
            click(d, "quitConfirmationCheck");
            leave(d);
        });
        form.showDebug(record);
        answers.then([&](QDialog& d) {
            click(d, "checkNoneRadio");
            leave(d);
        });
        form.showOptions(record);
        QVERIFY(answers.allAnswered());
        QCOMPARE(rows(record), before);
        QCOMPARE(record.messageCheck, MessageCheck::All);
        QVERIFY(m_preferences.askBeforeQuit);
    }

    void rowsOneToSevenWrapAndEightToTenStop() {
        OptionsDialog form(m_preferences);
        GameRecord record = defaultRecord();
        QStringList overTop, underBottom;
        ModalAnswerer answer([&](QDialog& d) {
            for (int row = 1; row <= 10; ++row) {
                auto* upDown = d.findChild<UpDown*>(
                    QLatin1String(OptionsDialog::RowNames[row - 1]) + "UpDown");
                upDown->setPosition(upDown->maximum());
                QTest::keyClick(edit(d, row), Qt::Key_Up);
                overTop << edit(d, row)->text();
                upDown->setPosition(upDown->minimum());
                QTest::keyClick(edit(d, row), Qt::Key_Down);
                underBottom << edit(d, row)->text();
            }
            d.close();
        });
        form.showDebug(record);
        QCOMPARE(overTop, QStringList({"1", "1", "1", "1", "0", "10", "1", "300", "300", "300"}));
        QCOMPARE(underBottom,
                 QStringList({"101", "100", "6", "6", "2", "1000", "30", "10", "10", "10"}));
    }

    void badTextInTheTimerKeepsTheLastValidValue_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("above the maximum") << "5000";
        QTest::newRow("below the minimum") << "5";
        QTest::newRow("letters") << "1O0";
        QTest::newRow("minus sign") << "-100";
        QTest::newRow("plus sign") << "+100";
        QTest::newRow("huge") << "99999999999999999999999";
        QTest::newRow("empty") << "";
        QTest::newRow("spaces") << " 100";
        QTest::newRow("full-width digits") << "１００";
        QTest::newRow("thousands separator where there is none") << "1,000";
    }
    void badTextInTheTimerKeepsTheLastValidValue() {
        QFETCH(QString, typed);
        OptionsDialog form(m_preferences);
        GameRecord record = defaultRecord();
        record.spinInterval = 250;
        QString shownAfterOk;
        ModalAnswerer answer([&](QDialog& d) {
            edit(d, 6)->setText(typed);
            form.acceptOptions();
            shownAfterOk = edit(d, 6)->text();
            d.close();
        });
        form.showDebug(record);
        QCOMPARE(record.spinInterval, 250);
        QCOMPARE(shownAfterOk, QStringLiteral("250"));
    }

    // The up-down holds 16 bits; a wider value must not wrap around into range.
    void recordValuesOutsideARowsRangeAreHeldAtItsEnds() {
        OptionsDialog form(m_preferences);
        GameRecord record = defaultRecord();
        record.currentSquare = 65536 + 50;
        record.stamina = -3;
        ModalAnswerer answer([&](QDialog& d) { click(d, "okButton"); });
        form.showDebug(record);
        QCOMPARE(record.currentSquare, 101);
        QCOMPARE(record.stamina, 1);
    }

    void optionsShowOnlyTheRadioGroupAndKeepTheirSelection() {
        OptionsDialog form(m_preferences);
        GameRecord record = defaultRecord();
        QStringList visible;
        QSize outer;
        QPoint place, radio, ok, cancel;
        bool secondItemChecked = false;

        ModalAnswerer answers([&](QDialog& d) { // pick, then cancel
            visible =
                visibleParts(d, {"debugPanel", "messageCheckGroup", "okButton", "cancelButton"});
            outer = outerSizeOf(d);
            place = static_cast<GameDialog&>(d).requestedPlace();
            radio = part(d, "messageCheckGroup")->pos();
            ok = part(d, "okButton")->pos();
            cancel = part(d, "cancelButton")->pos();
            click(d, "checkNoneRadio");
            click(d, "cancelButton");
        });
        form.showOptions(record);
        QCOMPARE(visible, QStringList({"messageCheckGroup", "okButton", "cancelButton"}));
        QCOMPARE(outer, QSize(187, 164));
        QCOMPARE(place, QPoint(212, 127));
        QCOMPARE(radio, QPoint(8, 8));
        QCOMPARE(ok, QPoint(13, 104));
        QCOMPARE(cancel, QPoint(101, 104));
        QCOMPARE(record.messageCheck, MessageCheck::All);

        answers.then([&](QDialog& d) { // reopen, then OK
            secondItemChecked = part<QRadioButton>(d, "checkNoneRadio")->isChecked();
            QTest::keyClick(d.focusWidget(), Qt::Key_Return);
        });
        form.showOptions(record);
        QVERIFY(secondItemChecked);
        QCOMPARE(record.messageCheck, MessageCheck::None);

        answers.then([&](QDialog& d) { // back to all
            click(d, "checkAllRadio");
            click(d, "okButton");
        });
        form.showOptions(record);
        QCOMPARE(record.messageCheck, MessageCheck::All);
    }

    void optionsAfterDebugOpenWhereDebugPlacedTheWindow() {
        setCursorPosOverride(QPoint(900, 700));
        OptionsDialog form(m_preferences);
        GameRecord record = defaultRecord();
        QPoint debugPlace, optionsPlace;
        QSize optionsOuter;
        QStringList optionsVisible;
        ModalAnswerer answers([&](QDialog& d) {
            debugPlace = static_cast<GameDialog&>(d).requestedPlace();
            d.close();
        });
        form.showDebug(record);
        setCursorPosOverride(QPoint(0, 0));
        answers.then([&](QDialog& d) {
            optionsPlace = static_cast<GameDialog&>(d).requestedPlace();
            optionsOuter = outerSizeOf(d);
            optionsVisible = visibleParts(d, {"debugPanel", "messageCheckGroup"});
            d.close();
        });
        form.showOptions(record);
        QCOMPARE(debugPlace, QPoint(1024 - 378, 768 - 281));
        QCOMPARE(optionsPlace, debugPlace);
        QCOMPARE(optionsOuter, QSize(187, 164));
        QCOMPARE(optionsVisible, QStringList({"messageCheckGroup"}));
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "options_dialog_test.moc"
