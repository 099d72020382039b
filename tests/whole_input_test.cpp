// Bad input at the level of the whole program: odd names and garbage numbers
// typed into the real dialogs reach a game intact or are refused, and clicks
// at odd moments (during the entry, on hidden views, on the main window while
// a dialog is open) change nothing.

// Clicks go through the window system layer, so a modal dialog blocks them and
// they land on whatever widget is at that place.
#define QTEST_QPA_MOUSE_HANDLING

#include "AnimatedCourseView.h"
#include "Fonts.h"
#include "GameMessageEvent.h"
#include "GameMessages.h"
#include "MessageBox.h"
#include "ModalAnswerer.h"
#include "NameDialog.h"
#include "OptionsDialog.h"
#include "ProgramWindows.h"
#include "ScreenMetrics.h"
#include "SettleForm.h"
#include "SlotDrum.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

namespace {

void Click(QWidget* dialog, const char* button) {
    auto* b = dialog->findChild<QPushButton*>(QString::fromLatin1(button));
    QVERIFY2(b, button);
    b->click();
}

} // namespace

class WholeInputTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramWindows> forms;
    QStringList boxes; // wrong-sequence message boxes; there must be none

    MainWindow& form() { return forms->Form1(); }
    const GameRecord& live() { return form().Controller().LiveRecord(); }

    void Settle() { QVERIFY2(SettleForm(form()), "the animation never ended"); }

    void TypeName(const QString& name) {
        ModalAnswerer answers;
        answers.Then([&](QWidget* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("nameEdit"))->setText(name);
            Click(dialog, "okButton");
        });
        form().MenuItem("enterNameAction")->trigger();
        QVERIFY(answers.AllAnswered());
    }

    // One whole turn from "スタート": spin, stop, walk, and the square's event.
    void PlayATurn() {
        SlotDrum& slot = form().Slot();
        QCOMPARE(slot.SlotButton()->text(), QStringLiteral("スタート"));
        QTest::mouseClick(slot.SlotButton(), Qt::LeftButton);
        slot.SpinTick();
        QTest::mouseClick(slot.SlotButton(), Qt::LeftButton);
        for (int guard = 0; slot.Spinning() && guard < 1000; ++guard) {
            slot.SpinTick();
        }
        Settle();
        if (!slot.SlotButton()->text().isEmpty() && form().Controller().IsGameInProgress()) {
            QTest::mouseClick(slot.SlotButton(), Qt::LeftButton);
            Settle();
        }
    }

private slots:
    void initTestCase() {
        RegisterFontSubstitutes();
        ReserveGameMessageTypes();
    }

    void init() {
        SetFullScreenSizeOverride(QSize(1024, 768));
        SetCursorPosOverride(QPoint(500, 400));
        boxes.clear();
        SetMessageBoxHook([this](const QString& text) { boxes << text; });
        forms = std::make_unique<ProgramWindows>();
        form().Session().EndConfirmation = false;
        form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&form()));
    }

    void cleanup() {
        forms.reset();
        SetMessageBoxHook(nullptr);
        QCOMPARE(boxes, QStringList());
        SetFullScreenSizeOverride(std::nullopt);
        SetCursorPosOverride(std::nullopt);
    }

    void oddNamesReachTheGameWhole_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << QString() << NameDialog::FallbackName;
        QTest::newRow("spaces only") << QStringLiteral("   ") << QStringLiteral("   ");
        const QString huge(100000, QChar(0x307D));
        QTest::newRow("100,000 characters") << huge << huge;
        const QString controls = QStringLiteral("a\tb\x01") + QChar(0x7F) + QStringLiteral("c");
        QTest::newRow("control characters") << controls << controls;
        const QString outside = QStringLiteral("😀 한국 €");
        QTest::newRow("outside code page 932") << outside << outside;
        const QString nearMiss = NameDialog::RevealPhrase + QLatin1Char(' ');
        QTest::newRow("the reveal phrase and a space") << nearMiss << nearMiss;
    }
    void oddNamesReachTheGameWhole() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        TypeName(typed);
        form().MenuItem("startGameAction")->trigger();
        Settle();
        QCOMPARE(form().Status().NameValue()->text(), shown);
        QCOMPARE(form().Status().NameValue()->size(), QSize(80, 12)); // cut, never grown
        QVERIFY(!form().MenuItem("debugAction")->isVisible());
        PlayATurn();
        QVERIFY(live().StartPosition > 1);
    }

    void theRevealPhraseKeepsTheNameAndShowsTheDebugItem() {
        TypeName(NameDialog::RevealPhrase);
        QVERIFY(form().MenuItem("debugAction")->isVisible());
        QCOMPARE(form().Template().PlayerName, std::string("zad"));
    }

    // Every row of the debug panel gets text it must refuse or hold in range;
    // the game that follows still plays.
    void garbageInTheDebugPanelLeavesAPlayableGame() {
        TypeName(NameDialog::RevealPhrase);
        const QStringList garbage{QStringLiteral("1O"),     QStringLiteral("99999999999"),
                                  QStringLiteral("-1"),     QString(),
                                  QStringLiteral("3"),      QStringLiteral("9"),
                                  QStringLiteral("+5"),     QStringLiteral("301"),
                                  QStringLiteral("１００"), QStringLiteral("2147483648")};
        ModalAnswerer answers;
        answers.Then([&](QWidget* dialog) {
            for (int row = 1; row <= garbage.size(); ++row) {
                dialog
                    ->findChild<QLineEdit*>(QLatin1String(OptionsDialog::RowNames[row - 1]) +
                                            "Edit")
                    ->setText(garbage[row - 1]);
            }
            Click(dialog, "okButton");
        });
        form().MenuItem("debugAction")->trigger();
        QVERIFY(answers.AllAnswered());

        GameRecord defaults;
        FillDefaultRecord(defaults, nullptr);
        const GameRecord& t = form().Template();
        // All refused: letters, overflow, just below or above the range, empty,
        // signs, full-width digits. Each row keeps its last valid value.
        QCOMPARE(t.StartPosition, defaults.StartPosition);
        QCOMPARE(t.Stamina, defaults.Stamina);
        QCOMPARE(t.SlotMin, defaults.SlotMin);
        QCOMPARE(t.SlotMax, defaults.SlotMax);
        QCOMPARE(t.ArrowPosition, defaults.ArrowPosition);
        QCOMPARE(t.TimerInterval, defaults.TimerInterval);
        QCOMPARE(t.RotationWidth, defaults.RotationWidth);
        QCOMPARE(t.WalkAnimeInterval, defaults.WalkAnimeInterval);
        QCOMPARE(t.ForwardAnimeInterval, defaults.ForwardAnimeInterval);
        QCOMPARE(t.BackAnimeInterval, defaults.BackAnimeInterval);

        form().MenuItem("startGameAction")->trigger();
        Settle();
        PlayATurn();
        QVERIFY(live().StartPosition > 1);
    }

    void clicksDuringTheEntryAndOnHiddenViewsDoNothing() {
        form().MenuItem("startGameAction")->trigger();
        QPushButton* button = form().Slot().SlotButton();
        QCOMPARE(form().Display().DisplayState(), DisplayEntry);
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseDClick(button, Qt::LeftButton);
        QTest::keyClick(form().windowHandle(), Qt::Key_Space);
        QVERIFY(!form().Slot().Spinning());
        Settle();
        QCOMPARE(live().StartPosition, 1);
        QCOMPARE(button->text(), QStringLiteral("スタート"));

        // Back at the title, clicks where the drum and the view were hit the
        // title screen only.
        form().MenuItem("returnToTitleAction")->trigger();
        QWidget* client = form().clientArea();
        for (const QPoint at : {QPoint(213, 53), QPoint(120, 180), QPoint(60, 270)}) {
            QTest::mouseDClick(form().windowHandle(), Qt::LeftButton, {},
                               client->mapTo(&form(), at));
        }
        QCoreApplication::sendPostedEvents();
        QVERIFY(!form().Slot().Spinning());
        QCOMPARE(form().Display().AnimeInterval(), 0);
        QCOMPARE(live().StartPosition, 1);
        QVERIFY(!form().OnGameScreen());
    }

    // While a dialog is open, a click on the main window's menu bar opens no
    // menu and a click on the drum does not reach it.
    void theMainWindowTakesNoClickWhileADialogIsOpen() {
        form().MenuItem("startGameAction")->trigger();
        Settle();
        QPushButton* button = form().Slot().SlotButton();
        QMenuBar* bar = form().menuBar();
        const QPoint file = bar->mapTo(
            &form(), bar->actionGeometry(form().Menu("fileMenu")->menuAction()).center());
        const QPoint drum = button->mapTo(&form(), button->rect().center());
        bool menuOpened = true;
        ModalAnswerer answers;
        answers.Then([&](QWidget* dialog) {
            QTest::mouseClick(form().windowHandle(), Qt::LeftButton, {}, file);
            QTest::mouseClick(form().windowHandle(), Qt::LeftButton, {}, drum);
            menuOpened = QApplication::activePopupWidget() != nullptr;
            Click(dialog, "okButton");
        });
        form().MenuItem("versionAction")->trigger(); // "バージョン情報"
        QVERIFY(answers.AllAnswered());
        QVERIFY(!menuOpened);
        QVERIFY(!form().Slot().Spinning());
        QCOMPARE(button->text(), QStringLiteral("スタート"));
    }
};

QTEST_MAIN(WholeInputTest)
#include "whole_input_test.moc"
