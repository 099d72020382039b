#include "AnimatedCourseView.h"
#include "Fonts.h"
#include "GameMessageEvent.h"
#include "GameMessages.h"
#include "MessageBox.h"
#include "ModalAnswerer.h"
#include "ProgramWindows.h"
#include "RemarkBox.h"
#include "ResultDialog.h"
#include "ScreenMetrics.h"
#include "SettleForm.h"
#include "SlotDrum.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

void Click(QWidget* dialog, const char* button) {
    auto* b = dialog->findChild<QPushButton*>(QString::fromLatin1(button));
    QVERIFY2(b, button);
    b->click();
}

const auto AnswerYes = [](QWidget* w) { Click(w, "yesButton"); };
const auto AnswerNo = [](QWidget* w) { Click(w, "noButton"); };
const auto AnswerOk = [](QWidget* w) { Click(w, "okButton"); };
const auto CloseBox = [](QWidget* w) { w->close(); };

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramWindows> forms;
    MainWindow& form() { return forms->Form1(); }

    bool Enabled(const char* item) { return form().MenuItem(item)->isEnabled(); }
    bool MenuEnabled(const char* menu) { return form().Menu(menu)->menuAction()->isEnabled(); }

    void Settle() { QVERIFY2(SettleForm(form()), "the animation never ended"); }

    // The drum's result as the drum posts it.
    void DrumStopsOn(int number) {
        QCoreApplication::postEvent(&form(), new GameMessageEvent(WM_GAME_EVENT, SlotStop, number));
        Settle();
    }

    void StartGame() {
        form().startGame();
        Settle();
    }

private slots:
    void initTestCase() {
        RegisterFontSubstitutes();
        ReserveGameMessageTypes();
    }

    void init() {
        SetFullScreenSizeOverride(QSize(1024, 749));
        SetCursorPosOverride(QPoint(500, 400));
        forms = std::make_unique<ProgramWindows>();
        QVERIFY(form().Session().EndConfirmation);
        form().Session().EndConfirmation = false; // tests that ask turn it on
        form().show();
    }

    void cleanup() {
        form().Session().EndConfirmation = false;
        forms.reset();
        SetFullScreenSizeOverride(std::nullopt);
        SetCursorPosOverride(std::nullopt);
    }

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
        for (QAction* a : form().Menu("fileMenu")->actions())
            file << (a->isSeparator() ? "-" + a->objectName() : a->objectName() + ":" + a->text());
        QCOMPARE(file,
                 (QStringList{"enterNameAction:名前の入力", "-N1", "startGameAction:ゲームスタート",
                              "restartGameAction:やり直し", "-N2",
                              "returnToTitleAction:タイトルへ戻る", "-N3", "closeAction:閉じる"}));
        QCOMPARE(form().MenuItem("optionsAction")->text(), QStringLiteral("オプション"));
        QCOMPARE(form().MenuItem("debugAction")->text(), QStringLiteral("デバグ"));
        QVERIFY(!form().MenuItem("debugAction")->isVisible());
        QCOMPARE(form().MenuItem("notesAction")->text(), QStringLiteral("注意事項"));
        QCOMPARE(form().MenuItem("versionAction")->text(), QStringLiteral("バージョン情報"));
        for (QAction* a : form().findChildren<QAction*>())
            QVERIFY(a->shortcut().isEmpty());

        QVERIFY(Enabled("enterNameAction") && Enabled("startGameAction") &&
                !Enabled("restartGameAction") && !Enabled("returnToTitleAction"));
        QVERIFY(MenuEnabled("optionsMenu") && Enabled("notesAction") && Enabled("versionAction") &&
                Enabled("closeAction"));
        QVERIFY(!form().Status().Panel()->isVisible());
        QVERIFY(!form().MessBox().Memo()->isVisible());
    }

    void windowIsCentredOnTheWorkAreaTruncatingTowardZero() {
        QCOMPARE(form().pos(), QPoint(382, 199));
        SetFullScreenSizeOverride(QSize(1024, 201));
        MainWindow small;
        QCOMPARE(small.pos().y(), -74);
        QCOMPARE(small.titlePicture()->pos(), QPoint(61, 0));
    }

    void gameStartShowsTheFourViewsAndLocksTheMenu() {
        form().startGame();
        QVERIFY(!form().titlePicture()->isVisible());
        QVERIFY(!Enabled("enterNameAction") && !Enabled("startGameAction") &&
                Enabled("restartGameAction") && Enabled("returnToTitleAction"));
        QVERIFY(!MenuEnabled("optionsMenu") && Enabled("notesAction") && Enabled("versionAction") &&
                Enabled("closeAction"));
        QCOMPARE(form().Status().Panel()->geometry(), QRect(10, 0, 105, 120));
        QVERIFY(form().Status().Panel()->isVisible());
        QCOMPARE(form().MessBox().Memo()->geometry(), QRect(0, 242, 251, 60));
        QVERIFY(form().MessBox().Memo()->isVisible());
        QVERIFY(form().Session().StartTime > 0.0);
        Settle();
        QCOMPARE(form().Slot().SlotButton()->text(), QStringLiteral("スタート"));
        QCOMPARE(form().MessBox().Memo()->toPlainText(), QStringLiteral("さぁっ！いくぞぉっ！！"));
    }

    void statusPanelFollowsTheGame() {
        StartGame();
        StatusPanelWidget& s = form().Status();
        QCOMPARE(s.NameValue()->text(), QStringLiteral("zad"));
        QCOMPARE(s.StaminaValue()->text(), QStringLiteral("30"));
        QCOMPARE(s.ArrowValue()->text() + "/" + s.RotationValue()->text() + "/" +
                     s.TimerValue()->text(),
                 QStringLiteral("0/30/10"));
        QCOMPARE(s.DistanceValue()->text(), QStringLiteral("100"));

        DrumStopsOn(5); // square 6, lucky: the arrow moves down
        QCOMPARE(s.StaminaValue()->text(), QStringLiteral("25"));
        QCOMPARE(s.DistanceValue()->text(), QStringLiteral("95"));
        QCOMPARE(form().Slot().SlotButton()->text(), QStringLiteral("ラッキー"));
        form().Slot().SlotButton()->click();
        Settle();
        QCOMPARE(form().Controller().LiveRecord().ArrowPosition, 1);
        QCOMPARE(s.ArrowValue()->text(), QStringLiteral("0"));
        QCOMPARE(form().Slot().SlotButton()->text(), QStringLiteral("スタート"));

        DrumStopsOn(4); // square 10, stamina +6
        QCOMPARE(s.StaminaValue()->text(), QStringLiteral("21"));
        form().Slot().SlotButton()->click();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(s.StaminaValue()->text(), QStringLiteral("27"));
        QCOMPARE(s.DistanceValue()->width(), 24);
    }

    void aLongNameIsCutAtTheLabelsEdge() {
        form().Template().PlayerName = std::string(2000, 'W') + "<b>x</b>";
        StartGame();
        QLabel* name = form().Status().NameValue();
        QCOMPARE(name->size(), QSize(80, 12));
        QVERIFY(name->text().endsWith("<b>x</b>"));
        QCOMPARE(name->textFormat(), Qt::PlainText);
    }

    void askFirstAnswersNoYesAndCloseBox() {
        form().Session().EndConfirmation = true;
        StartGame();
        DrumStopsOn(2); // square 3, waiting for its OK
        ModalAnswerer answers;
        answers.Then(AnswerNo);
        form().restartGame();
        QCOMPARE(form().Controller().LiveRecord().StartPosition, 3); // No keeps the game
        answers.Then(CloseBox);
        form().restartGame();
        Settle();
        QCOMPARE(form().Controller().LiveRecord().StartPosition, 1); // the close box goes on
        answers.Then(AnswerYes);
        form().returnToTitle();
        QVERIFY(form().titlePicture()->isVisible());
        QVERIFY(answers.AllAnswered());
        QCOMPARE(answers.Seen().size(), std::size_t(3));
    }

    void withoutEndConfirmationNothingIsAsked() {
        form().Session().EndConfirmation = false;
        StartGame();
        ModalAnswerer answers;
        form().restartGame();
        form().returnToTitle();
        QVERIFY(form().titlePicture()->isVisible());
        QVERIFY(answers.Seen().empty());
    }

    void returningToTheTitleLeavesTheGameInProgress() {
        form().Session().EndConfirmation = true;
        StartGame();
        ModalAnswerer answers;
        answers.Then(AnswerYes); // "やめちゃうの？" on the way to the title
        form().returnToTitle();
        QVERIFY(form().Controller().IsGameInProgress());
        answers.Then(AnswerNo); // "閉じる" asks again
        form().closeGame();
        QVERIFY(form().isVisible());
        answers.Then(AnswerYes);
        answers.Then(AnswerOk); // the farewell
        form().closeGame();
        QVERIFY(!form().isVisible());
        QCOMPARE(answers.Seen().size(), std::size_t(4));
    }

    void aFreshTitleScreenClosesWithOnlyTheFarewell() {
        form().Session().EndConfirmation = true;
        ModalAnswerer answers;
        answers.Then([](QWidget* w) {
            QVERIFY(w->findChild<QWidget*>("farewellPanel")->isVisible());
            Click(w, "okButton");
        });
        form().closeGame();
        QVERIFY(!form().isVisible());
        QCOMPARE(answers.Seen().size(), std::size_t(1));
    }

    void afterTheGoalNothingIsAsked() {
        form().Session().EndConfirmation = true;
        form().Template().StartPosition = 98;
        form().Template().MessageCheck = 0;
        StartGame();
        ModalAnswerer answers;
        answers.Then(AnswerOk); // the goal result
        DrumStopsOn(3);
        QCOMPARE(form().Controller().LiveRecord().State, StateGoal);
        QVERIFY(Enabled("restartGameAction") &&
                Enabled("returnToTitleAction")); // the menu stays as it was
        form().restartGame();
        Settle();
        QCOMPARE(answers.Seen().size(), std::size_t(1));
    }

    void returningToTheTitleStopsTheWalkOutOfSight() {
        StartGame();
        QCoreApplication::postEvent(&form(), new GameMessageEvent(WM_GAME_EVENT, SlotStop, 6));
        QCoreApplication::sendPostedEvents();
        QVERIFY(form().Display().AnimeInterval() != 0);
        form().returnToTitle();
        QCOMPARE(form().Display().AnimeInterval(), 0);
        QVERIFY(!form().Status().Panel()->isVisible());
        QVERIFY(!form().Slot().OuterPanel()->isVisible());
        QVERIFY(!form().MessBox().Memo()->isVisible());
        form().startGame(); // a fresh game with the same objects
        Settle();
        QCOMPARE(form().Controller().LiveRecord().StartPosition, 1);
        QCOMPARE(form().Slot().SlotButton()->text(), QStringLiteral("スタート"));
    }

    // A tick can land in the same turn of the event loop as a menu click, so
    // the abandoned game's messages may still be queued when the command runs.
    void messagesOfAnAbandonedGameNeverReachTheNextOne() {
        QStringList boxes;
        SetMessageBoxHook([&](const QString& text) { boxes << text; });
        const auto queueWalkEnd = [this] {
            QCoreApplication::postEvent(&form(), new GameMessageEvent(WM_GAME_STEP, 1, 0));
            QCoreApplication::postEvent(&form(), new GameMessageEvent(WM_GAME_EVENT, AnimeEnd, 0));
            QCoreApplication::postEvent(&form(), new GameMessageEvent(WM_GAME_NEXT, 0, 0));
        };
        StartGame();
        DrumStopsOn(2);
        queueWalkEnd();
        form().restartGame(); // "やり直し"
        QCoreApplication::sendPostedEvents();
        const GameRecord& live = form().Controller().LiveRecord();
        QCOMPARE(live.StartPosition, 1);
        QCOMPARE(live.Stamina, 30);
        QCOMPARE(live.State, StateNewGame);
        QVERIFY(form().Slot().SlotButton()->text().isEmpty()); // still entering
        Settle();
        QCOMPARE(form().Slot().SlotButton()->text(), QStringLiteral("スタート"));

        queueWalkEnd();
        form().returnToTitle(); // "タイトルへ戻る"
        QCoreApplication::sendPostedEvents();
        QCOMPARE(live.StartPosition, 1);
        QCOMPARE(live.Stamina, 30);
        queueWalkEnd();
        form().startGame(); // "ゲームスタート"
        Settle();
        QCOMPARE(live.StartPosition, 1);
        QCOMPARE(live.Stamina, 30);
        QCOMPARE(form().Slot().SlotButton()->text(), QStringLiteral("スタート"));
        SetMessageBoxHook(nullptr);
        QCOMPARE(boxes, QStringList());
    }

    void onlyTheThreeGameMessagesReachTheController() {
        StartGame();
        for (int other : {1024, 1028, 2000}) {
            QCoreApplication::postEvent(&form(), new GameMessageEvent(other, SlotStop, 6));
        }
        QCoreApplication::sendPostedEvents();
        QCOMPARE(form().Display().AnimeInterval(), 0);
        QCOMPARE(form().Controller().LiveRecord().StartPosition, 1);
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
