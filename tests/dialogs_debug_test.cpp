#include "Fonts.h"
#include "OptionsDialog.h"
#include "Placement.h"
#include "ScreenMetrics.h"
#include "UpDown.h"
#include "dialogs_modal_answer.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

GameRecord DefaultRecord() {
    GameRecord record;
    FillDefaultRecord(record, nullptr);
    return record;
}

// The ten debug fields in row order.
std::vector<std::int32_t> Rows(const GameRecord& r) {
    return {r.StartPosition,        r.Stamina,          r.SlotMin,       r.SlotMax,
            r.ArrowPosition,        r.TimerInterval,    r.RotationWidth, r.WalkAnimeInterval,
            r.ForwardAnimeInterval, r.BackAnimeInterval};
}

QLineEdit* Edit(const QDialog& d, int row) {
    return d.findChild<QLineEdit*>(QLatin1String(OptionsDialog::RowNames[row - 1]) + "Edit");
}

void Click(const QDialog& d, const char* button) {
    QTest::mouseClick(Part<QAbstractButton>(d, button), Qt::LeftButton);
}

} // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT
    SessionValues session_;

private slots:
    void initTestCase() { RegisterFontSubstitutes(); }
    void init() {
        SetFullScreenSizeOverride(QSize(1024, 768));
        SetCursorPosOverride(QPoint(512, 384));
        session_ = SessionValues{};
        session_.EndConfirmation = true;
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
        SetFullScreenSizeOverride(workArea);
        SetCursorPosOverride(cursor);
        QCOMPARE(PlaceNearCursor(378, 281), expected);
    }

    void debugShowsTheRecordInTenRowsNearTheCursor() {
        OptionsDialog form(session_);
        GameRecord record = DefaultRecord();
        QStringList visible, texts;
        QSize outer;
        QPoint place, ok, cancel;
        bool checked = false;
        ModalAnswer answer([&](QDialog& d) {
            visible =
                VisibleParts(d, {"debugPanel", "messageCheckGroup", "okButton", "cancelButton"});
            outer = OuterSizeOf(d);
            place = d.pos();
            ok = Part(d, "okButton")->pos();
            cancel = Part(d, "cancelButton")->pos();
            for (int row = 1; row <= 10; ++row) {
                texts << Edit(d, row)->text();
            }
            checked = Part<QCheckBox>(d, "quitConfirmationCheck")->isChecked();
            Click(d, "cancelButton");
        });
        form.ShowDebug(record);
        QCOMPARE(visible, QStringList({"debugPanel", "okButton", "cancelButton"}));
        QCOMPARE(outer, QSize(378, 281));
        QCOMPARE(place, PlaceNearCursor(378, 281));
        QCOMPARE(ok, QPoint(117, 224));
        QCOMPARE(cancel, QPoint(189, 224));
        QCOMPARE(texts, QStringList({"1", "30", "1", "6", "0", "10", "30", "150", "100", "200"}));
        QVERIFY(checked);
    }

    void okStoresEveryRowAndTheCheckBox() {
        OptionsDialog form(session_);
        GameRecord record = DefaultRecord();
        ModalAnswer answer([&](QDialog& d) {
            const QStringList typed{"50", "99", "2", "4", "2", "1000", "7", "300", "10", "20"};
            for (int row = 1; row <= 10; ++row) {
                Edit(d, row)->setText(typed[row - 1]);
            }
            Click(d, "quitConfirmationCheck");
            QTest::keyClick(Edit(d, 3), Qt::Key_Return);
        });
        form.ShowDebug(record);
        QCOMPARE(Rows(record), (std::vector<std::int32_t>{50, 99, 2, 4, 2, 1000, 7, 300, 10, 20}));
        QVERIFY(!session_.EndConfirmation);
        QCOMPARE(record.MessageCheck, MessageCheckAll);
    }

    void aSlotMaximumBelowTheMinimumIsRaisedToIt() {
        OptionsDialog form(session_);
        GameRecord record = DefaultRecord();
        QString maxShown;
        ModalAnswer answer([&](QDialog& d) {
            Edit(d, 3)->setText("5");
            Edit(d, 4)->setText("3");
            form.acceptOptions();
            maxShown = Edit(d, 4)->text();
            d.close();
        });
        form.ShowDebug(record);
        QCOMPARE(record.SlotMin, 5);
        QCOMPARE(record.SlotMax, 5);
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
        OptionsDialog form(session_);
        GameRecord record = DefaultRecord();
        const auto before = Rows(record);
        const auto leave = [&](QDialog& d) {
            if (how == "Cancel") {
                Click(d, "cancelButton");
            } else if (how == "Esc") {
                QTest::keyClick(d.focusWidget(), Qt::Key_Escape);
            } else {
                d.close();
            }
        };
        ModalAnswer debug([&](QDialog& d) {
            Edit(d, 1)->setText("77");
            Click(d, "quitConfirmationCheck");
            leave(d);
        });
        form.ShowDebug(record);
        ModalAnswer options([&](QDialog& d) {
            Click(d, "checkNoneRadio");
            leave(d);
        });
        form.ShowOptions(record);
        QVERIFY(!debug.LeftOpen() && !options.LeftOpen());
        QCOMPARE(Rows(record), before);
        QCOMPARE(record.MessageCheck, MessageCheckAll);
        QVERIFY(session_.EndConfirmation);
    }

    void rowsOneToSevenWrapAndEightToTenStop() {
        OptionsDialog form(session_);
        GameRecord record = DefaultRecord();
        QStringList overTop, underBottom;
        ModalAnswer answer([&](QDialog& d) {
            for (int row = 1; row <= 10; ++row) {
                auto* upDown = d.findChild<UpDown*>(
                    QLatin1String(OptionsDialog::RowNames[row - 1]) + "UpDown");
                upDown->SetPosition(upDown->Max());
                QTest::keyClick(Edit(d, row), Qt::Key_Up);
                overTop << Edit(d, row)->text();
                upDown->SetPosition(upDown->Min());
                QTest::keyClick(Edit(d, row), Qt::Key_Down);
                underBottom << Edit(d, row)->text();
            }
            d.close();
        });
        form.ShowDebug(record);
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
        OptionsDialog form(session_);
        GameRecord record = DefaultRecord();
        record.TimerInterval = 250;
        QString shownAfterOk;
        ModalAnswer answer([&](QDialog& d) {
            Edit(d, 6)->setText(typed);
            form.acceptOptions();
            shownAfterOk = Edit(d, 6)->text();
            d.close();
        });
        form.ShowDebug(record);
        QCOMPARE(record.TimerInterval, 250);
        QCOMPARE(shownAfterOk, QStringLiteral("250"));
    }

    // The up-down holds 16 bits; a wider value must not wrap around into range.
    void recordValuesOutsideARowsRangeAreHeldAtItsEnds() {
        OptionsDialog form(session_);
        GameRecord record = DefaultRecord();
        record.StartPosition = 65536 + 50;
        record.Stamina = -3;
        ModalAnswer answer([&](QDialog& d) { Click(d, "okButton"); });
        form.ShowDebug(record);
        QCOMPARE(record.StartPosition, 101);
        QCOMPARE(record.Stamina, 1);
    }

    void optionsShowOnlyTheRadioGroupAndKeepTheirSelection() {
        OptionsDialog form(session_);
        GameRecord record = DefaultRecord();
        QStringList visible;
        QSize outer;
        QPoint place, radio, ok, cancel;
        bool secondItemChecked = false;

        ModalAnswer pickAndCancel([&](QDialog& d) {
            visible =
                VisibleParts(d, {"debugPanel", "messageCheckGroup", "okButton", "cancelButton"});
            outer = OuterSizeOf(d);
            place = d.pos();
            radio = Part(d, "messageCheckGroup")->pos();
            ok = Part(d, "okButton")->pos();
            cancel = Part(d, "cancelButton")->pos();
            Click(d, "checkNoneRadio");
            Click(d, "cancelButton");
        });
        form.ShowOptions(record);
        QCOMPARE(visible, QStringList({"messageCheckGroup", "okButton", "cancelButton"}));
        QCOMPARE(outer, QSize(187, 164));
        QCOMPARE(place, QPoint(212, 127));
        QCOMPARE(radio, QPoint(8, 8));
        QCOMPARE(ok, QPoint(13, 104));
        QCOMPARE(cancel, QPoint(101, 104));
        QCOMPARE(record.MessageCheck, MessageCheckAll);

        ModalAnswer reopenAndOk([&](QDialog& d) {
            secondItemChecked = Part<QRadioButton>(d, "checkNoneRadio")->isChecked();
            QTest::keyClick(d.focusWidget(), Qt::Key_Return);
        });
        form.ShowOptions(record);
        QVERIFY(secondItemChecked);
        QCOMPARE(record.MessageCheck, MessageCheckNone);

        ModalAnswer backToAll([&](QDialog& d) {
            Click(d, "checkAllRadio");
            Click(d, "okButton");
        });
        form.ShowOptions(record);
        QCOMPARE(record.MessageCheck, MessageCheckAll);
    }

    void optionsAfterDebugOpenWhereDebugPlacedTheWindow() {
        SetCursorPosOverride(QPoint(900, 700));
        OptionsDialog form(session_);
        GameRecord record = DefaultRecord();
        QPoint debugPlace, optionsPlace;
        QSize optionsOuter;
        QStringList optionsVisible;
        ModalAnswer debug([&](QDialog& d) {
            debugPlace = d.pos();
            d.close();
        });
        form.ShowDebug(record);
        SetCursorPosOverride(QPoint(0, 0));
        ModalAnswer options([&](QDialog& d) {
            optionsPlace = d.pos();
            optionsOuter = OuterSizeOf(d);
            optionsVisible = VisibleParts(d, {"debugPanel", "messageCheckGroup"});
            d.close();
        });
        form.ShowOptions(record);
        QCOMPARE(debugPlace, QPoint(1024 - 378, 768 - 281));
        QCOMPARE(optionsPlace, debugPlace);
        QCOMPARE(optionsOuter, QSize(187, 164));
        QCOMPARE(optionsVisible, QStringList({"messageCheckGroup"}));
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "dialogs_debug_test.moc"
