// A whole game played from the keyboard alone: the drum's button holds the
// focus from the first turn to the result, Space and Enter press it, and the
// focus comes back to it after every dialog.
#include "AnimatedCourseView.h"
#include "DrumRandom.h"
#include "Fonts.h"
#include "GameMessageEvent.h"
#include "GameMessages.h"
#include "ModalAnswerer.h"
#include "ProgramWindows.h"
#include "RemarkBox.h"
#include "ResultDialog.h"
#include "ScreenMetrics.h"
#include "SettleForm.h"
#include "SlotDrum.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

class KeyboardPlayTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramWindows> forms;
    MainWindow& form() { return forms->mainWindow(); }
    QPushButton* button() { return form().drum().slotButton(); }

    void settle() { QVERIFY2(settleForm(form()), "the animation never ended"); }

    // Turns the drum until it halts on its own.
    void spinUntilItHalts() {
        for (int guard = 0; guard < 1000 && form().drum().spinning(); ++guard) {
            form().drum().spinTick();
        }
        QVERIFY(!form().drum().spinning());
    }

    // A key press on whatever holds the focus, which must be the drum's button.
    void press(Qt::Key key) {
        QCOMPARE(QApplication::focusWidget(), button());
        QTest::keyClick(QApplication::focusWidget(), key);
    }

    // Answers a dialog with a key press on its focused control, once the
    // dialog holds the focus.
    static ModalAnswerer::Answer pressKey(Qt::Key key) {
        return [key](QWidget* dialog) {
            QTRY_VERIFY(dialog->isAncestorOf(QApplication::focusWidget()));
            QTest::keyClick(QApplication::focusWidget(), key);
        };
    }

    void startGameFromTheMenu() {
        form().startGame();
        settle();
        QCOMPARE(button()->text(), QStringLiteral("スタート"));
    }

private slots:
    void initTestCase() {
        registerFontSubstitutes();
        reserveGameMessageTypes();
    }

    void init() {
        setFullScreenSizeOverride(QSize(1024, 749));
        setCursorPosOverride(QPoint(500, 400));
        forms = std::make_unique<ProgramWindows>();
        form().session().askBeforeQuit = false;
        form().show();
        form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form()));
    }

    void cleanup() {
        form().session().askBeforeQuit = false;
        forms.reset();
        setFullScreenSizeOverride(std::nullopt);
        setCursorPosOverride(std::nullopt);
    }

    void onlyTheDrumsButtonOnTheGameScreenTakesTheFocus() {
        startGameFromTheMenu();
        for (QWidget* widget : form().clientArea()->findChildren<QWidget*>()) {
            if (widget != button()) {
                QVERIFY2(widget->focusPolicy() == Qt::NoFocus,
                         qPrintable(widget->metaObject()->className() + QStringLiteral(" ") +
                                    widget->objectName()));
            }
        }
        // A click into the remark window leaves the focus where it was.
        QPlainTextEdit* memo = form().remarkBox().textEdit();
        QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
        QCOMPARE(QApplication::focusWidget(), button());
        press(Qt::Key_Space);
        QVERIFY(form().drum().spinning());
    }

    void aWholeGameIsPlayedWithSpaceAndEnter_data() {
        QTest::addColumn<std::uint32_t>("seed");
        // Two drums: with today's course the first walks to the goal, the
        // second runs out of stamina, so both results get their Enter.
        QTest::newRow("seed 17") << std::uint32_t(17);
        QTest::newRow("seed 4") << std::uint32_t(4);
    }

    void aWholeGameIsPlayedWithSpaceAndEnter() {
        QFETCH(std::uint32_t, seed);
        seedRandom(seed);
        startGameFromTheMenu();
        ModalAnswerer answers;
        answers.then(pressKey(Qt::Key_Return));

        int turns = 0;
        int presses = 0;
        while (form().controller().isGameInProgress()) {
            QVERIFY2(++turns < 500, qPrintable(QStringLiteral("seed %1").arg(seed)));
            const Qt::Key key = presses++ % 2 ? Qt::Key_Return : Qt::Key_Space;
            if (form().drum().buttonMode() == ButtonStart) {
                press(key);
                QVERIFY(form().drum().spinning());
                press(key == Qt::Key_Space ? Qt::Key_Return : Qt::Key_Space);
                spinUntilItHalts();
            } else {
                // The square's event waits for its confirmation.
                QVERIFY2(form().drum().buttonMode() != ButtonIdle,
                         qPrintable(QStringLiteral("seed %1, turn %2").arg(seed).arg(turns)));
                press(key);
            }
            settle();
        }

        // The result was answered with Enter, and the focus is back on the button.
        QCOMPARE(answers.Seen().size(), std::size_t(1));
        QCOMPARE(answers.Seen().front(), QStringLiteral("ResultDialog"));
        QVERIFY(answers.allAnswered());
        QVERIFY(!forms->resultDialog().isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(button()));
        const GameState state = form().controller().liveRecord().state;
        QVERIFY(state == GameState::Goal || state == GameState::GameOver);
        qInfo("seed %u: %s after %d turns", seed, state == GameState::Goal ? "goal" : "game over",
              turns);
    }

    void theQuitQuestionAnswersEscAndEnterAndGivesTheFocusBack() {
        form().session().askBeforeQuit = true;
        startGameFromTheMenu();
        ModalAnswerer answers;
        answers.then(pressKey(Qt::Key_Escape)); // "いいえ": the game goes on
        form().restartGame();
        QVERIFY(answers.allAnswered());
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(button()));
        press(Qt::Key_Space);
        QVERIFY(form().drum().spinning());

        answers.then(pressKey(Qt::Key_Return)); // "はい": a new game
        form().restartGame();
        QVERIFY(answers.allAnswered());
        spinUntilItHalts(); // the abandoned spin halts without a result
        settle();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(button()));
        QCOMPARE(button()->text(), QStringLiteral("スタート"));
        QCOMPARE(answers.Seen().size(), std::size_t(2));
    }
};

QTEST_MAIN(KeyboardPlayTest)
#include "keyboard_play_test.moc"
