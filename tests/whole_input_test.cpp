// Bad input at the level of the whole program: odd names and garbage numbers
// typed into the real dialogs reach a game intact or are refused, and clicks
// at odd moments (during the entry, on hidden views, on the main window while
// a dialog is open) change nothing.

// Clicks go through the window system layer, so a modal dialog blocks them and
// they land on whatever widget is at that place.
#define QTEST_QPA_MOUSE_HANDLING

#include "AnimatedCourseView.h"
#include "support/CourseViewTimer.h"
#include "MessageBox.h"
#include "NameDialog.h"
#include "OptionsDialog.h"
#include "SlotDrum.h"
#include "StatusPanelWidget.h"
#include "support/ModalAnswerer.h"
#include "support/SettleForm.h"
#include "support/TestWindows.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

class WholeInputTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestWindows> testWindows;
    QStringList boxes; // wrong-sequence message boxes; there must be none

    MainWindow& form() { return testWindows->mainWindow(); }
    const GameRecord& live() { return form().controller().liveRecord(); }

    void settle() { QVERIFY2(settleForm(form()), "the animation never ended"); }

    void typeName(const QString& name) {
        ModalAnswerer answers;
        answers.then([&](QDialog& dialog) {
            part<QLineEdit>(dialog, "nameEdit")->setText(name);
            ModalAnswerer::clickButton(dialog, "okButton");
        });
        form().menuItem("enterNameAction")->trigger();
        QVERIFY(answers.allAnswered());
    }

    // One whole turn from "スタート": spin, stop, walk, and the square's event.
    void playATurn() {
        SlotDrum& slot = form().drum();
        QCOMPARE(slot.slotButton()->text(), QStringLiteral("スタート"));
        QTest::mouseClick(slot.slotButton(), Qt::LeftButton);
        slot.spinTick();
        QTest::mouseClick(slot.slotButton(), Qt::LeftButton);
        for (int guard = 0; drumSpins(slot) && guard < 1000; ++guard) {
            slot.spinTick();
        }
        settle();
        if (!slot.slotButton()->text().isEmpty() && form().controller().isGameInProgress()) {
            QTest::mouseClick(slot.slotButton(), Qt::LeftButton);
            settle();
        }
    }

private slots:
    void init() {
        boxes.clear();
        setMessageBoxHook([this](const QString& text) { boxes << text; });
        testWindows = std::make_unique<TestWindows>();
        QVERIFY(QTest::qWaitForWindowExposed(&form()));
    }

    void cleanup() {
        testWindows.reset();
        setMessageBoxHook(nullptr);
        QCOMPARE(boxes, QStringList());
    }

    void oddNamesReachTheGameWhole_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << QString() << NameDialog::fallbackName();
        QTest::newRow("spaces only") << QStringLiteral("   ") << QStringLiteral("   ");
        const QString huge(100000, QChar(0x307D));
        QTest::newRow("100,000 characters") << huge << huge;
        const QString controls = QStringLiteral("a\tb\x01") + QChar(0x7F) + QStringLiteral("c");
        QTest::newRow("control characters") << controls << controls;
        const QString outside = QStringLiteral("😀 한국 €");
        QTest::newRow("outside code page 932") << outside << outside;
        const QString nearMiss = NameDialog::revealPhrase() + QLatin1Char(' ');
        QTest::newRow("the reveal phrase and a space") << nearMiss << nearMiss;
    }
    void oddNamesReachTheGameWhole() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        typeName(typed);
        form().menuItem("startGameAction")->trigger();
        settle();
        QCOMPARE(form().statusPanel().findChild<QLabel*>("nameValue")->text(), shown);
        QCOMPARE(form().statusPanel().findChild<QLabel*>("nameValue")->size(),
                 QSize(80, 12)); // cut, never grown
        QVERIFY(!form().menuItem("debugAction")->isVisible());
        playATurn();
        QVERIFY(live().currentSquare > 1);
    }

    void theRevealPhraseKeepsTheNameAndShowsTheDebugItem() {
        typeName(NameDialog::revealPhrase());
        QVERIFY(form().menuItem("debugAction")->isVisible());
        QCOMPARE(form().recordTemplate().playerName, std::string("zad"));
    }

    // Every row of the debug panel gets text it must refuse or hold in range;
    // the game that follows still plays.
    void garbageInTheDebugPanelLeavesAPlayableGame() {
        typeName(NameDialog::revealPhrase());
        const QStringList garbage{QStringLiteral("1O"),     QStringLiteral("99999999999"),
                                  QStringLiteral("-1"),     QString(),
                                  QStringLiteral("3"),      QStringLiteral("9"),
                                  QStringLiteral("+5"),     QStringLiteral("301"),
                                  QStringLiteral("１００"), QStringLiteral("2147483648")};
        ModalAnswerer answers;
        answers.then([&](QDialog& dialog) {
            for (int row = 1; row <= garbage.size(); ++row) {
                dialog
                    .findChild<QLineEdit*>(QLatin1String(OptionsDialog::RowNames[row - 1]) + "Edit")
                    ->setText(garbage[row - 1]);
            }
            ModalAnswerer::clickButton(dialog, "okButton");
        });
        form().menuItem("debugAction")->trigger();
        QVERIFY(answers.allAnswered());

        GameRecord defaults;
        fillDefaultRecord(defaults, nullptr);
        const GameRecord& t = form().recordTemplate();
        // All refused: letters, overflow, just below or above the range, empty,
        // signs, full-width digits. Each row keeps its last valid value.
        QCOMPARE(t.currentSquare, defaults.currentSquare);
        QCOMPARE(t.stamina, defaults.stamina);
        QCOMPARE(t.drumMin, defaults.drumMin);
        QCOMPARE(t.drumMax, defaults.drumMax);
        QCOMPARE(t.arrowRow, defaults.arrowRow);
        QCOMPARE(t.spinInterval, defaults.spinInterval);
        QCOMPARE(t.rotationWidth, defaults.rotationWidth);
        QCOMPARE(t.walkInterval, defaults.walkInterval);
        QCOMPARE(t.forwardInterval, defaults.forwardInterval);
        QCOMPARE(t.backInterval, defaults.backInterval);

        form().menuItem("startGameAction")->trigger();
        settle();
        playATurn();
        QVERIFY(live().currentSquare > 1);
    }

    void clicksDuringTheEntryAndOnHiddenViewsDoNothing() {
        form().menuItem("startGameAction")->trigger();
        QPushButton* button = form().drum().slotButton();
        QCOMPARE(form().courseView().animation(), CourseAnimation::Entry);
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseDClick(button, Qt::LeftButton);
        QTest::keyClick(form().windowHandle(), Qt::Key_Space);
        QVERIFY(!drumSpins(form().drum()));
        settle();
        QCOMPARE(live().currentSquare, 1);
        QCOMPARE(button->text(), QStringLiteral("スタート"));

        // Back at the title, clicks where the drum and the view were hit the
        // title screen only.
        form().menuItem("returnToTitleAction")->trigger();
        QWidget* client = form().clientArea();
        for (const QPoint at : {QPoint(213, 53), QPoint(120, 180), QPoint(60, 270)}) {
            QTest::mouseDClick(form().windowHandle(), Qt::LeftButton, {},
                               client->mapTo(&form(), at));
        }
        QCoreApplication::sendPostedEvents();
        QVERIFY(!drumSpins(form().drum()));
        QVERIFY(!courseAnimationTimer(form().courseView()).isActive());
        QCOMPARE(live().currentSquare, 1);
        QVERIFY(!form().onGameScreen());
    }

    // While a dialog is open, a click on the main window's menu bar opens no
    // menu and a click on the drum does not reach it.
    void theMainWindowTakesNoClickWhileADialogIsOpen() {
        form().menuItem("startGameAction")->trigger();
        settle();
        QPushButton* button = form().drum().slotButton();
        QMenuBar* bar = form().menuBar();
        const QPoint file = bar->mapTo(
            &form(), bar->actionGeometry(form().menu("fileMenu")->menuAction()).center());
        const QPoint drum = button->mapTo(&form(), button->rect().center());
        bool menuOpened = true;
        ModalAnswerer answers;
        answers.then([&](QDialog& dialog) {
            QTest::mouseClick(form().windowHandle(), Qt::LeftButton, {}, file);
            QTest::mouseClick(form().windowHandle(), Qt::LeftButton, {}, drum);
            menuOpened = QApplication::activePopupWidget() != nullptr;
            ModalAnswerer::clickButton(dialog, "okButton");
        });
        form().menuItem("versionAction")->trigger(); // "バージョン情報"
        QVERIFY(answers.allAnswered());
        QVERIFY(!menuOpened);
        QVERIFY(!drumSpins(form().drum()));
        QCOMPARE(button->text(), QStringLiteral("スタート"));
    }
};

QTEST_MAIN(WholeInputTest)
#include "whole_input_test.moc"
