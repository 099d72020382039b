#include "Fonts.h"
#include "Placement.h"
#include "ResultDialog.h"
#include "ScreenMetrics.h"
#include "support/ModalAnswerer.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

const QStringList VariantParts{"goalPanel", "gameOverPanel", "quitPanel", "farewellPanel",
                               "okButton",  "yesButton",     "noButton"};

// What a showing looked like while it was open.
struct Seen {
    QStringList visible;
    QSize outer;
    QPoint place;
    QPoint okPlace, yesPlace, noPlace;
};

Seen look(const QDialog& dialog) {
    return {visibleParts(dialog, VariantParts),
            outerSizeOf(dialog),
            static_cast<const GameDialog&>(dialog).requestedPlace(),
            part(dialog, "okButton")->pos(),
            part(dialog, "yesButton")->pos(),
            part(dialog, "noButton")->pos()};
}

QString labelText(const QDialog& dialog, const char* name) {
    return part<QLabel>(dialog, name)->text();
}

} // namespace

class ResultDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutes(); }
    void init() {
        setFullScreenSizeOverride(QSize(1024, 768));
        setCursorPosOverride(QPoint(512, 384));
    }

    void eachVariantShowsOnlyItsPanelAndButtonsAtItsSize() {
        ResultDialog form;
        GameRecord record;
        Seen seen;
        const auto closeWith = [&](const char* button) {
            return [&, button](QDialog& d) {
                seen = look(d);
                QTest::mouseClick(part<QPushButton>(d, button), Qt::LeftButton);
            };
        };

        ModalAnswerer answers(closeWith("okButton"));
        form.showGoalResult(record, GameTimes{QTime(10, 0), QTime(10, 5)});
        QCOMPARE(seen.visible, QStringList({"goalPanel", "okButton"}));
        QCOMPARE(seen.outer, QSize(257, 345));
        QCOMPARE(form.size(), QSize(249, 318));
        QCOMPARE(seen.okPlace, QPoint(87, 288));
        answers.then(closeWith("okButton"));
        form.showGameOver(record);
        QCOMPARE(seen.visible, QStringList({"gameOverPanel", "okButton"}));
        QCOMPARE(seen.outer, QSize(178, 248));
        QCOMPARE(seen.okPlace, QPoint(47, 194));
        answers.then(closeWith("yesButton"));
        const QMessageBox::StandardButton quitAnswer = form.confirmQuit();
        QCOMPARE(seen.visible, QStringList({"quitPanel", "yesButton", "noButton"}));
        QCOMPARE(seen.outer, QSize(178, 248));
        QCOMPARE(seen.yesPlace, QPoint(8, 188));
        QCOMPARE(seen.noPlace, QPoint(88, 188));
        QCOMPARE(quitAnswer, QMessageBox::Yes);
        answers.then(closeWith("okButton"));
        const int result = form.showFarewell();
        QCOMPARE(seen.visible, QStringList({"farewellPanel", "okButton"}));
        QCOMPARE(seen.outer, QSize(179, 248));
        QCOMPARE(seen.okPlace, QPoint(48, 188));
        QCOMPARE(result, int(QDialog::Accepted));
        QVERIFY(form.isHidden());
    }

    void placeAtCursorPutsThePointNearTheButtonsUnderTheCursor_data() {
        QTest::addColumn<QSize>("workArea");
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<QPoint>("expected");
        const QSize screen(1024, 768), goal(257, 345), small(178, 248);
        QTest::newRow("top-left corner") << screen << QPoint(0, 0) << goal << QPoint(0, 0);
        QTest::newRow("middle, goal") << screen << QPoint(512, 384) << goal << QPoint(355, 69);
        QTest::newRow("middle, game over")
            << screen << QPoint(512, 384) << small << QPoint(434, 166);
        QTest::newRow("bottom-right corner")
            << screen << QPoint(1023, 767) << goal << QPoint(1024 - 257, 768 - 345);
        QTest::newRow("top-right corner") << screen << QPoint(1023, 0) << small << QPoint(846, 0);
        QTest::newRow("bottom-left corner") << screen << QPoint(0, 767) << small << QPoint(0, 520);
        QTest::newRow("work area smaller than the window")
            << QSize(200, 200) << QPoint(100, 100) << small << QPoint(22, -48);
        QTest::newRow("offsets exactly at the cursor")
            << screen << QPoint(78, 218) << small << QPoint(0, 0);
    }
    void placeAtCursorPutsThePointNearTheButtonsUnderTheCursor() {
        QFETCH(QSize, workArea);
        QFETCH(QPoint, cursor);
        QFETCH(QSize, outer);
        QFETCH(QPoint, expected);
        setFullScreenSizeOverride(workArea);
        setCursorPosOverride(cursor);
        ResultDialog form;
        QCOMPARE(form.placeAtCursor(outer.width(), outer.height()), expected);
    }

    void theWindowIsMovedToThePlaceComputed() {
        setCursorPosOverride(QPoint(1023, 767));
        ResultDialog form;
        Seen seen;
        ModalAnswerer answer([&](QDialog& d) {
            seen = look(d);
            d.close();
        });
        form.showGameOver(GameRecord{});
        QCOMPARE(seen.place, QPoint(1024 - 178, 768 - 248));
    }

    void gameOverShowsTheSquareReached() {
        ResultDialog form;
        GameRecord record;
        record.currentSquare = 57;
        QString square;
        ModalAnswerer answer([&](QDialog& d) {
            square = labelText(d, "reachedSquareLabel");
            d.close();
        });
        form.showGameOver(record);
        QCOMPARE(square, QStringLiteral("57"));
    }

    void goalShowsTheTimesAndTheStaminaLeft_data() {
        QTest::addColumn<QTime>("start");
        QTest::addColumn<QTime>("end");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("200 seconds") << QTime(10, 0) << QTime(10, 3, 20)
                                     << QStringList({"10:00:00", "10:03:20", "0:03:20", "7"});
        QTest::newRow("across midnight") << QTime(23, 58, 30) << QTime(0, 1, 50)
                                         << QStringList({"23:58:30", "0:01:50", "0:03:20", "7"});
    }
    void goalShowsTheTimesAndTheStaminaLeft() {
        QFETCH(QTime, start);
        QFETCH(QTime, end);
        QFETCH(QStringList, expected);
        ResultDialog form;
        GameRecord record;
        record.stamina = 7;
        QStringList shown;
        ModalAnswerer answer([&](QDialog& d) {
            for (const char* name :
                 {"startTimeLabel", "endTimeLabel", "elapsedTimeLabel", "staminaLeftLabel"}) {
                shown << labelText(d, name);
            }
            d.close();
        });
        form.showGoalResult(record, GameTimes{start, end});
        QCOMPARE(shown, expected);
    }

    void confirmQuitAnswers_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QMessageBox::StandardButton>("expected");
        QTest::newRow("Yes") << "yesButton" << QMessageBox::Yes;
        QTest::newRow("No") << "noButton" << QMessageBox::No;
        QTest::newRow("close box") << "close" << QMessageBox::Cancel;
        QTest::newRow("Enter") << "Enter" << QMessageBox::Yes;
        QTest::newRow("Esc") << "Esc" << QMessageBox::No;
    }
    void confirmQuitAnswers() {
        QFETCH(QString, how);
        QFETCH(QMessageBox::StandardButton, expected);
        ResultDialog form;
        ModalAnswerer answer([&](QDialog& d) {
            if (how == "close") {
                d.close();
            } else if (how == "Enter" || how == "Esc") {
                QTest::keyClick(d.focusWidget(), how == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
            } else {
                QTest::mouseClick(d.findChild<QPushButton*>(how), Qt::LeftButton);
            }
        });
        QCOMPARE(form.confirmQuit(), expected);
    }

    void escDoesNothingWhereThereIsNoCancelButton() {
        ResultDialog form;
        bool stillOpen = false;
        ModalAnswerer answer([&](QDialog& d) {
            QTest::keyClick(d.focusWidget(), Qt::Key_Escape);
            stillOpen = d.isVisible();
            QTest::keyClick(d.focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(form.showFarewell(), int(QDialog::Accepted));
        QVERIFY(stillOpen);
    }

    // A walk can end in game over while the quit confirmation is open.
    void aShowingWhileAnotherIsOpenGetsAWindowOfItsOwn() {
        ResultDialog form;
        GameRecord record;
        record.currentSquare = 42;
        QString nestedSquare;
        QStringList outerAfterwards;
        ModalAnswerer outer([&](QDialog& d) {
            ModalAnswerer inner(
                [&](QDialog& nested) {
                    nestedSquare = labelText(nested, "reachedSquareLabel");
                    nested.close();
                },
                &d);
            form.showGameOver(record);
            outerAfterwards = visibleParts(d, VariantParts);
            QTest::mouseClick(part<QPushButton>(d, "noButton"), Qt::LeftButton);
        });
        QCOMPARE(form.confirmQuit(), QMessageBox::No);
        QCOMPARE(nestedSquare, QStringLiteral("42"));
        QCOMPARE(outerAfterwards, QStringList({"quitPanel", "yesButton", "noButton"}));
    }
};

QTEST_MAIN(ResultDialogTest)
#include "result_dialog_test.moc"
