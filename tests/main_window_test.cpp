#include "AnimatedCourseView.h"
#include "MessageBox.h"
#include "RemarkBox.h"
#include "ResultDialog.h"
#include "SlotDrum.h"
#include "StatusPanelWidget.h"
#include "support/CourseViewTimer.h"
#include "support/ModalAnswerer.h"
#include "support/SettleForm.h"
#include "support/TestWindows.h"

#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QToolButton>
#include <QtTest>
#include <array>

namespace {

const ModalAnswerer::Answer AnswerYes = ModalAnswerer::click("yesButton");
const ModalAnswerer::Answer AnswerNo = ModalAnswerer::click("noButton");
const ModalAnswerer::Answer AnswerOk = ModalAnswerer::click("okButton");
const auto CloseBox = [](QDialog& d) { d.close(); };

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestWindows> testWindows;
    MainWindow& form() { return testWindows->mainWindow(); }

    bool enabled(const char* item) { return form().menuItem(item)->isEnabled(); }
    bool menuEnabled(const char* menu) { return form().menu(menu)->menuAction()->isEnabled(); }

    void settle() { QVERIFY2(settleForm(form()), "the animation never ended"); }

    // The drum's result as the drum reports it.
    void drumStopsOn(int number) {
        emit form().drum().stopped(number);
        settle();
    }

    void startGame() {
        form().startGame();
        settle();
    }

    // How many of each part of the game screen the window holds: the four
    // views, then the heroine's pictures.
    std::array<int, 5> gameScreenParts() {
        const QWidget* area = form().clientArea();
        return {int(area->findChildren<StatusPanelWidget*>().size()),
                int(area->findChildren<SlotDrum*>().size()),
                int(area->findChildren<AnimatedCourseView*>().size()),
                int(area->findChildren<RemarkBox*>().size()), form().heroineImages().count()};
    }

private slots:
    // The quit question is off; the tests that ask turn it on.
    void init() { testWindows = std::make_unique<TestWindows>(); }
    void cleanup() { testWindows.reset(); }

    void titleScreenShowsThePictureAndTheMenuInOrder() {
        QCOMPARE(form().windowTitle(), QStringLiteral("ぽてりん 一本道"));
        QCOMPARE(form().clientArea()->size(), QSize(252, 304));
        QVERIFY(form().titlePicture()->isVisible());
        QCOMPARE(form().titlePicture()->geometry(), QRect(61, 0, 138, 300));

        QStringList bar;
        for (QAction* a : form().menuBar()->actions())
            bar << a->text();
        QCOMPARE(bar, (QStringList{"ファイル", "オプション", "ヘルプ"}));
        QStringList file;
        for (QAction* a : form().menu("fileMenu")->actions())
            file << (a->isSeparator() ? "-" + a->objectName() : a->objectName() + ":" + a->text());
        QCOMPARE(file, (QStringList{"enterNameAction:名前の入力", "-nameSeparator",
                                    "startGameAction:ゲームスタート", "restartGameAction:やり直し",
                                    "-gameSeparator", "returnToTitleAction:タイトルへ戻る",
                                    "-closeSeparator", "closeAction:閉じる"}));
        QCOMPARE(form().menuItem("optionsAction")->text(), QStringLiteral("オプション"));
        QCOMPARE(form().menuItem("debugAction")->text(), QStringLiteral("デバグ"));
        QVERIFY(!form().menuItem("debugAction")->isVisible());
        QCOMPARE(form().menuItem("notesAction")->text(), QStringLiteral("注意事項"));
        QCOMPARE(form().menuItem("versionAction")->text(), QStringLiteral("バージョン情報"));
        for (QAction* a : form().findChildren<QAction*>())
            QVERIFY(a->shortcut().isEmpty());

        QVERIFY(enabled("enterNameAction") && enabled("startGameAction") &&
                !enabled("restartGameAction") && !enabled("returnToTitleAction"));
        QVERIFY(menuEnabled("optionsMenu") && enabled("notesAction") && enabled("versionAction") &&
                enabled("closeAction"));
        // Only the title screen is built, even once it has been painted and
        // the program is idle: the game screen and its pictures wait for the
        // first game, the dialogs for their first opening.
        QVERIFY(QTest::qWaitForWindowExposed(&form()));
        QCoreApplication::processEvents();
        QCOMPARE(gameScreenParts(), (std::array<int, 5>{0, 0, 0, 0, 0}));
        QCOMPARE(form().heroineImages().count(), 0);
        QVERIFY(form().findChildren<QDialog*>().isEmpty());
        // The first game builds all of it, once, and shows it.
        startGame();
        QCOMPARE(gameScreenParts(), (std::array<int, 5>{1, 1, 1, 1, 5}));
        QVERIFY(form().drum().isVisible() && form().courseView().isVisible() &&
                form().statusPanel().isVisible() && form().remarkBox().isVisible());
        QVERIFY(!form().titlePicture()->isVisible());
        QVERIFY(form().findChildren<QDialog*>().isEmpty());
    }

    void windowIsCentredOnTheWorkAreaTruncatingTowardZero() {
        QCOMPARE(form().pos(), QPoint(382, 199));
        setFullScreenSizeOverride(QSize(1024, 201));
        MainWindow small;
        QVERIFY(small.preferences().askBeforeQuit); // a fresh window asks before quitting
        QCOMPARE(small.pos().y(), -74);
        QCOMPARE(small.titlePicture()->pos(), QPoint(61, 0));
    }

    void theClientAreaIsAMenuBarOf19PixelsAboveTheViews() {
        // Outer 260 x 350 less the classic frame and title bar: 252 x 323.
        for (bool game : {false, true}) {
            if (game)
                startGame();
            QCOMPARE(form().size(), QSize(252, 323));
            QCOMPARE(form().menuBar()->geometry(), QRect(0, 0, 252, 19));
            QCOMPARE(form().clientArea()->geometry(), QRect(0, 19, 252, 304));
            for (QAction* title : form().menuBar()->actions()) {
                const QRect item = form().menuBar()->actionGeometry(title);
                QVERIFY(!item.isEmpty());
                QVERIFY2(form().menuBar()->rect().contains(item), qPrintable(title->text()));
            }
        }
        // The bar's overflow button stays hidden; its icon, decoded only when
        // drawn, is then the desktop style's own.
        auto* overflow = form().menuBar()->findChild<QToolButton*>(
            QStringLiteral("qt_menubar_ext_button"), Qt::FindDirectChildrenOnly);
        QVERIFY(overflow && !overflow->isVisible());
        const std::unique_ptr<QStyle> desktop(QStyleFactory::create(QApplication::style()->name()));
        const QIcon expected = desktop->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        QVERIFY(!expected.pixmap(16).isNull());
        QCOMPARE(overflow->icon().pixmap(16).toImage(), expected.pixmap(16).toImage());
    }

    void gameStartShowsTheFourViewsAndLocksTheMenu() {
        form().startGame();
        QVERIFY(!form().titlePicture()->isVisible());
        QVERIFY(!enabled("enterNameAction") && !enabled("startGameAction") &&
                enabled("restartGameAction") && enabled("returnToTitleAction"));
        QVERIFY(!menuEnabled("optionsMenu") && enabled("notesAction") && enabled("versionAction") &&
                enabled("closeAction"));
        QCOMPARE(form().statusPanel().geometry(), QRect(10, 0, 105, 120));
        // The captions (the values have fixed sizes) take their texts' size when shown.
        int captions = 0;
        for (QLabel* label : form().statusPanel().findChildren<QLabel*>()) {
            if (label->minimumSize() != label->maximumSize()) {
                QCOMPARE(label->size(), label->sizeHint());
                ++captions;
            }
        }
        QCOMPARE(captions, 6);
        QCOMPARE(form().drum().pos(), QPoint(120, 0));
        QCOMPARE(form().courseView().geometry(), QRect(0, 125, 251, 114));
        QVERIFY(form().statusPanel().isVisible());
        QCOMPARE(form().remarkBox().geometry(), QRect(0, 242, 251, 60));
        QVERIFY(form().remarkBox().isVisible());
        QVERIFY(form().controller().times().start.isValid());
        settle();
        QCOMPARE(form().drum().slotButton()->text(), QStringLiteral("スタート"));
        QCOMPARE(form().remarkBox().toPlainText(), QStringLiteral("さぁっ！いくぞぉっ！！"));
    }

    void statusPanelFollowsTheGame() {
        startGame();
        StatusPanelWidget& s = form().statusPanel();
        QCOMPARE(s.findChild<QLabel*>("nameValue")->text(), QStringLiteral("zad"));
        QCOMPARE(s.findChild<QLabel*>("staminaValue")->text(), QStringLiteral("30"));
        QCOMPARE(s.findChild<QLabel*>("arrowValue")->text() + "/" +
                     s.findChild<QLabel*>("rotationValue")->text() + "/" +
                     s.findChild<QLabel*>("timerValue")->text(),
                 QStringLiteral("0/30/10"));
        QCOMPARE(s.findChild<QLabel*>("distanceValue")->text(), QStringLiteral("100"));

        drumStopsOn(5); // square 6, lucky: the arrow moves down
        QCOMPARE(s.findChild<QLabel*>("staminaValue")->text(), QStringLiteral("25"));
        QCOMPARE(s.findChild<QLabel*>("distanceValue")->text(), QStringLiteral("95"));
        QCOMPARE(form().drum().slotButton()->text(), QStringLiteral("ラッキー"));
        form().drum().slotButton()->click();
        settle();
        QCOMPARE(form().controller().liveRecord().arrowRow, 1);
        QCOMPARE(s.findChild<QLabel*>("arrowValue")->text(), QStringLiteral("0"));
        QCOMPARE(form().drum().slotButton()->text(), QStringLiteral("スタート"));

        drumStopsOn(4); // square 10, stamina +6
        QCOMPARE(s.findChild<QLabel*>("staminaValue")->text(), QStringLiteral("21"));
        form().drum().slotButton()->click();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(s.findChild<QLabel*>("staminaValue")->text(), QStringLiteral("27"));
        QCOMPARE(s.findChild<QLabel*>("distanceValue")->width(), 24);
    }

    void aLongNameIsCutAtTheLabelsEdge() {
        std::string longName(2000, 'W');
        longName += "<b>x</b>";
        form().recordTemplate().playerName = longName;
        startGame();
        QLabel* name = form().statusPanel().findChild<QLabel*>("nameValue");
        QCOMPARE(name->size(), QSize(80, 12));
        QVERIFY(name->text().endsWith("<b>x</b>"));
        QCOMPARE(name->textFormat(), Qt::PlainText);
    }

    void askFirstAnswersNoYesAndCloseBox() {
        form().preferences().askBeforeQuit = true;
        startGame();
        drumStopsOn(2); // square 3, waiting for its OK
        ModalAnswerer answers;
        answers.then(AnswerNo);
        form().restartGame();
        QCOMPARE(form().controller().liveRecord().currentSquare, 3); // No keeps the game
        answers.then(CloseBox);
        form().restartGame();
        settle();
        QCOMPARE(form().controller().liveRecord().currentSquare, 1); // the close box goes on
        answers.then(AnswerYes);
        form().returnToTitle();
        QVERIFY(form().titlePicture()->isVisible());
        QVERIFY(answers.allAnswered());
        QCOMPARE(answers.seen().size(), 3);
    }

    // Each dialog is built when first opened, then kept: a second opening shows
    // the same window at the same size. (Where it appears is the window
    // system's test; Wayland tells a client no positions.)
    void eachDialogIsBuiltOnceAndReopensAsItWas() {
        ModalAnswerer answers;
        std::vector<std::pair<QWidget*, QSize>> opened;
        const auto closeNoting = [&opened](QDialog& d) {
            opened.emplace_back(&d, d.size());
            d.close();
        };
        for (int round = 0; round < 2; ++round) {
            answers.then(closeNoting);
            form().enterName();
            answers.then(closeNoting);
            form().showOptions();
            answers.then(closeNoting);
            form().showNotes();
        }
        form().preferences().askBeforeQuit = true;
        startGame();
        for (int round = 0; round < 2; ++round) {
            answers.then([&opened](QDialog& d) {
                opened.emplace_back(&d, d.size());
                AnswerNo(d);
            });
            form().restartGame();
        }
        QVERIFY(answers.allAnswered());
        QCOMPARE(opened.size(), std::size_t(8));
        for (std::size_t i = 0; i < 3; ++i)
            QCOMPARE(opened[i + 3], opened[i]);
        QCOMPARE(opened[7], opened[6]);
        QCOMPARE(form().findChildren<QDialog*>().size(), 4);
    }

    void withoutEndConfirmationNothingIsAsked() {
        form().preferences().askBeforeQuit = false;
        startGame();
        ModalAnswerer answers;
        form().restartGame();
        form().returnToTitle();
        QVERIFY(form().titlePicture()->isVisible());
        QVERIFY(answers.seen().isEmpty());
    }

    void returningToTheTitleLeavesTheGameInProgress() {
        form().preferences().askBeforeQuit = true;
        startGame();
        ModalAnswerer answers;
        answers.then(AnswerYes); // "やめちゃうの？" on the way to the title
        form().returnToTitle();
        QVERIFY(form().controller().isGameInProgress());
        answers.then(AnswerNo); // "閉じる" asks again
        form().closeGame();
        QVERIFY(form().isVisible());
        answers.then(AnswerYes);
        answers.then(AnswerOk); // the farewell
        form().closeGame();
        QVERIFY(!form().isVisible());
        QCOMPARE(answers.seen().size(), 4);
    }

    void aFreshTitleScreenClosesWithOnlyTheFarewell() {
        form().preferences().askBeforeQuit = true;
        ModalAnswerer answers;
        answers.then([](QDialog& d) {
            QVERIFY(part(d, "farewellPanel")->isVisible());
            AnswerOk(d);
        });
        form().closeGame();
        QVERIFY(!form().isVisible());
        QCOMPARE(answers.seen().size(), 1);
    }

    void afterTheGoalNothingIsAsked() {
        form().preferences().askBeforeQuit = true;
        form().recordTemplate().currentSquare = 98;
        form().recordTemplate().messageCheck = MessageCheck::None;
        startGame();
        ModalAnswerer answers;
        answers.then(AnswerOk); // the goal result
        drumStopsOn(3);
        QCOMPARE(form().controller().liveRecord().state, GameState::Goal);
        QVERIFY(enabled("restartGameAction") &&
                enabled("returnToTitleAction")); // the menu stays as it was
        form().restartGame();
        settle();
        QCOMPARE(answers.seen().size(), 1);
    }

    void returningToTheTitleStopsTheWalkOutOfSight() {
        startGame();
        emit form().drum().stopped(6);
        QCoreApplication::sendPostedEvents();
        QVERIFY(courseAnimationTimer(form().courseView()).isActive());
        form().returnToTitle();
        QVERIFY(!courseAnimationTimer(form().courseView()).isActive());
        QVERIFY(!form().statusPanel().isVisible());
        QVERIFY(!form().drum().isVisible());
        QVERIFY(!form().remarkBox().isVisible());
        const std::array<QWidget*, 4> views{&form().statusPanel(), &form().drum(),
                                            &form().courseView(), &form().remarkBox()};
        form().startGame(); // a fresh game with the same objects
        settle();
        QCOMPARE(form().controller().liveRecord().currentSquare, 1);
        QCOMPARE(form().drum().slotButton()->text(), QStringLiteral("スタート"));
        QCOMPARE(gameScreenParts(), (std::array<int, 5>{1, 1, 1, 1, 5}));
        QCOMPARE((std::array<QWidget*, 4>{&form().statusPanel(), &form().drum(),
                                          &form().courseView(), &form().remarkBox()}),
                 views);
        for (QWidget* view : views)
            QVERIFY(view->isVisible());
    }

    // A tick can land in the same turn of the event loop as a menu click, so
    // the abandoned game's reports may still be queued when the command runs.
    void reportsOfAnAbandonedGameNeverReachTheNextOne() {
        QStringList boxes;
        setMessageBoxHook([&](const QString& text) { boxes << text; });
        const auto queueWalkEnd = [this] {
            emit form().courseView().squareWalked(1);
            emit form().courseView().animationFinished();
            emit form().controller().eventApplied();
        };
        startGame();
        drumStopsOn(2);
        queueWalkEnd();
        form().restartGame(); // "やり直し"
        QCoreApplication::sendPostedEvents();
        const GameRecord& live = form().controller().liveRecord();
        QCOMPARE(live.currentSquare, 1);
        QCOMPARE(live.stamina, 30);
        QCOMPARE(live.state, GameState::NewGame);
        QVERIFY(form().drum().slotButton()->text().isEmpty()); // still entering
        settle();
        QCOMPARE(form().drum().slotButton()->text(), QStringLiteral("スタート"));

        queueWalkEnd();
        form().returnToTitle(); // "タイトルへ戻る"
        QCoreApplication::sendPostedEvents();
        QCOMPARE(live.currentSquare, 1);
        QCOMPARE(live.stamina, 30);
        queueWalkEnd();
        form().startGame(); // "ゲームスタート"
        settle();
        QCOMPARE(live.currentSquare, 1);
        QCOMPARE(live.stamina, 30);
        QCOMPARE(form().drum().slotButton()->text(), QStringLiteral("スタート"));
        setMessageBoxHook(nullptr);
        QCOMPARE(boxes, QStringList());
    }

    // A walk's last square and its end leave the view in one tick; the
    // controller takes them in that order, so the remark is the new square's.
    void reportsAreHandledInTheOrderTheyWereMade() {
        startGame();
        emit form().courseView().squareWalked(1);
        emit form().courseView().animationFinished();
        QCOMPARE(form().controller().liveRecord().currentSquare, 1); // queued, not yet handled
        QCoreApplication::sendPostedEvents();
        QCOMPARE(form().controller().liveRecord().currentSquare, 2);
        QCOMPARE(form().remarkBox().toPlainText().section(QLatin1Char('\n'), 0, 0),
                 QString::fromStdString(form().course().remarkAt(2, WalkRow)));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
