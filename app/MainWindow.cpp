#include "MainWindow.h"

#include "AboutDialog.h"
#include "AnimatedCourseView.h"
#include "Announcer.h"
#include "Artwork.h"
#include "DialogAnswer.h"
#include "Fonts.h"
#include "GameMessages.h"
#include "NameDialog.h"
#include "OptionsDialog.h"
#include "RemarkBox.h"
#include "ResultDialog.h"
#include "ScreenMetrics.h"
#include "SlotDrum.h"
#include "WindowStateGuard.h"
#include "ui_MainWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

// Outer size of the window, frame and title bar included; centring uses it.
constexpr int OuterWidth = 260;
constexpr int OuterHeight = 350;
// The client area under the menu bar.
constexpr int ClientWidth = 252;
constexpr int ClientHeight = 304;

constexpr int ViewWidth = 247;
constexpr int ViewHeight = 110;
constexpr int RemarkBoxWidth = 251;
constexpr int RemarkBoxHeight = 60;

const QPoint StatusPanelPlace(10, 0);
const QPoint SlotPlace(120, 0);
const QPoint DisplayPlace(0, 125);
const QPoint RemarkBoxPlace(0, 242);

} // namespace

void ResultDialogsRelay::showGameOver(GameRecord record) {
    if (m_target) {
        m_beforeShowing();
        m_target->showGameOver(std::move(record));
        m_afterShowing();
    }
}

void ResultDialogsRelay::showGoalResult(GameRecord record) {
    if (m_target) {
        m_beforeShowing();
        m_target->showGoalResult(std::move(record));
        m_afterShowing();
    }
}

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::MainWindow>()), m_arrowImages(22, 30),
      m_digitImages(28, 30), m_heroineImages(50, 70), m_poster(this),
      m_results([this] { updateAccessibleTexts(); }, [this] { returnFocusToGame(); }) {
    m_ui->setupUi(this);
    // The size is fixed, so there is no maximise button; without the customise
    // hint the window system would add one anyway.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    WindowStateGuard::protect(this);
    setFont(gameFont(12));
    m_ui->clientArea->setFixedSize(ClientWidth, ClientHeight);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // The layout format has no named separators; they are added here.
    const char* separatorNames[] = {"nameSeparator", "gameSeparator", "closeSeparator"};
    QAction* before[] = {m_ui->startGameAction, m_ui->returnToTitleAction, m_ui->closeAction};
    for (int i = 0; i < 3; ++i) {
        QAction* separator = m_ui->fileMenu->insertSeparator(before[i]);
        separator->setObjectName(QString::fromLatin1(separatorNames[i]));
    }
    Artwork::loadArrowImages(m_arrowImages);
    Artwork::loadDigitImages(m_digitImages);
    Artwork::loadHeroineImages(m_heroineImages);
    const QImage title = Artwork::titlePicture();
    m_ui->titlePicture->setPixmap(QPixmap::fromImage(title));
    m_ui->titlePicture->resize(title.size());
    // The title screen's one control: the focus rests here rather than on a
    // hidden one, and a screen reader says how to begin. (Reached by Tab
    // only, and on the title screen only; a click moves no focus.)
    m_ui->titlePicture->setFocusPolicy(Qt::TabFocus);
    //: What a screen reader says on the title screen.
    m_ui->titlePicture->setAccessibleDescription(
        tr("ファイル メニューの ゲームスタート で始まります"));
    m_recordTemplate.playerName.clear();

    // The title picture sits centred in a window of fixed size.
    placeWindow();
    m_ui->titlePicture->move((OuterWidth - m_ui->titlePicture->width()) / 2, 0);

    // The game's views start hidden. The status panel comes first, as the
    // controller writes into it; the controller is wired to the views once
    // they exist.
    m_statusPanel = std::make_unique<StatusPanelWidget>(m_ui->clientArea);
    m_drum = std::make_unique<SlotDrum>(m_ui->clientArea, m_poster, m_arrowImages, m_digitImages);
    m_courseView = std::make_unique<AnimatedCourseView>(m_ui->clientArea, m_poster, m_course,
                                                        ViewWidth, ViewHeight);
    m_remarkBox = std::make_unique<RemarkBox>(m_ui->clientArea, RemarkBoxWidth, RemarkBoxHeight);
    m_announcer = std::make_unique<Announcer>(m_ui->clientArea);
    m_controller = std::make_unique<GameController>(
        ControllerPorts{m_poster, *m_drum, *m_courseView, *m_remarkBox, *m_statusPanel, m_results,
                        m_clock, m_session, m_course, m_texts});

    // The course, the quit confirmation and the settings of a new game.
    m_course.buildCourse();
    m_session.askBeforeQuit = true;
    fillDefaultRecord(m_recordTemplate, &m_heroineImages);

    // A click changes the caption at once (スタート -> ストップ); the screen
    // reader hears the new one.
    connect(m_drum->slotButton(), &QPushButton::clicked, this,
            [this] { m_announcer->announceCaption(m_drum->slotButton()->text()); });

    connect(m_ui->enterNameAction, &QAction::triggered, this, &MainWindow::enterName);
    connect(m_ui->startGameAction, &QAction::triggered, this, &MainWindow::startGame);
    connect(m_ui->restartGameAction, &QAction::triggered, this, &MainWindow::restartGame);
    connect(m_ui->returnToTitleAction, &QAction::triggered, this, &MainWindow::returnToTitle);
    connect(m_ui->closeAction, &QAction::triggered, this, &MainWindow::closeGame);
    connect(m_ui->optionsAction, &QAction::triggered, this, &MainWindow::showOptions);
    connect(m_ui->debugAction, &QAction::triggered, this, &MainWindow::showDebug);
    connect(m_ui->notesAction, &QAction::triggered, this, &MainWindow::showNotes);
    connect(m_ui->versionAction, &QAction::triggered, this, &MainWindow::showVersion);
}

MainWindow::~MainWindow() = default;

void MainWindow::placeWindow() {
    const QSize workArea = fullScreenSize();
    // Integer division truncates toward zero, as the placement rule wants.
    move((workArea.width() - OuterWidth) / 2, (workArea.height() - OuterHeight) / 2);
}

void MainWindow::setDialogs(OptionsDialog* debugForm, NameDialog* nameInputForm, AboutDialog* form3,
                            ResultDialog* messageForm) {
    m_optionsDialog = debugForm;
    m_nameDialog = nameInputForm;
    m_aboutDialog = form3;
    m_resultDialog = messageForm;
    m_results.setTarget(messageForm);
}

QAction* MainWindow::menuItem(const char* name) const {
    return findChild<QAction*>(QString::fromLatin1(name));
}

QMenu* MainWindow::menu(const char* name) const {
    return findChild<QMenu*>(QString::fromLatin1(name));
}

QLabel* MainWindow::titlePicture() const {
    return m_ui->titlePicture;
}

QWidget* MainWindow::clientArea() const {
    return m_ui->clientArea;
}

bool MainWindow::event(QEvent* event) {
    const int type = static_cast<int>(event->type());
    if (isGameMessage(type)) {
        const auto* message = static_cast<GameMessageEvent*>(event);
        dispatchGameMessage(*m_controller, message->message(), message->wParam, message->lParam);
        // A message is where a square or a turn changes; the screen reader's
        // texts follow here rather than in the animations' ticks.
        updateAccessibleTexts();
        announceAfterMessage(message->message(), message->wParam, message->lParam);
        return true;
    }
    return QMainWindow::event(event);
}

void MainWindow::updateAccessibleTexts() {
    const GameRecord& record = m_controller->liveRecord();
    m_courseView->describeSquare(record.currentSquare, record.currentRow);
    // The course cannot take the focus, so the button that has it carries the
    // course's description too: a screen reader's "where am I" reads the
    // square and the kinds of the squares ahead.
    const QString course = m_courseView->viewBox()->accessibleDescription();
    if (m_drum->slotButton()->accessibleDescription() != course) {
        m_drum->slotButton()->setAccessibleDescription(course);
    }
    m_drum->updateAccessibleText();
}

void MainWindow::announceAfterMessage(GameMessage message, std::int32_t wParam,
                                      std::int32_t lParam) {
    if (!m_onGameScreen || !m_controller->isGameInProgress()) {
        return; // the result dialog says the rest
    }
    const GameRecord& record = m_controller->liveRecord();
    if (message == GameMessage::Event && wParam == DrumStopped) {
        m_announcer->announceDrumResult(lParam);
    } else if (message == GameMessage::Event && wParam == AnimationEnded) {
        m_announcer->announceSquare(record.currentSquare, m_remarkBox->textEdit()->toPlainText(),
                                    m_drum->slotButton()->text());
    }
    if (message == GameMessage::Event && wParam != DrumStopped) {
        m_announcer->announceStatus(record.stamina, GoalSquare - record.currentSquare);
    }
    m_announcer->announceCaption(m_drum->slotButton()->text());
}

bool MainWindow::mayQuit() {
    if (!m_session.askBeforeQuit || !m_controller->isGameInProgress() || !m_resultDialog) {
        return true;
    }
    const bool yes = m_resultDialog->confirmQuit() != DialogAnswer::No;
    returnFocusToGame();
    return yes;
}

void MainWindow::returnFocusToGame() {
    activateWindow();
    if (m_onGameScreen) {
        m_drum->slotButton()->setFocus();
    } else {
        m_ui->titlePicture->setFocus();
    }
}

void MainWindow::showGameScreen() {
    m_onGameScreen = true;
    m_ui->titlePicture->setVisible(false);
    m_ui->titlePicture->setFocusPolicy(Qt::NoFocus);
    m_ui->enterNameAction->setEnabled(false);
    m_ui->startGameAction->setEnabled(false);
    m_ui->restartGameAction->setEnabled(true);
    m_ui->returnToTitleAction->setEnabled(true);
    m_ui->optionsMenu->menuAction()->setEnabled(false);
}

void MainWindow::showTitleScreen() {
    m_onGameScreen = false;
    m_ui->enterNameAction->setEnabled(true);
    m_ui->startGameAction->setEnabled(true);
    m_ui->restartGameAction->setEnabled(false);
    m_ui->returnToTitleAction->setEnabled(false);
    m_ui->optionsMenu->menuAction()->setEnabled(true);
}

// A tick of the drum or the view can land in the same turn of the event loop
// as the click of a menu command, so the abandoned game's last step, result or
// end can still be queued when the command runs. None of it may reach the next
// game: a stale end would offer "スタート" during the entry animation, a stale
// step would move the new heroine.
void MainWindow::dropGameMessages() {
    for (GameMessage message : AllGameMessages) {
        QCoreApplication::removePostedEvents(this, messageNumber(message));
    }
}

void MainWindow::startGame() {
    if (m_onGameScreen) {
        return; // a queued trigger after the item was disabled
    }
    dropGameMessages();
    showGameScreen();
    m_controller->setUpGame(m_recordTemplate);
    m_controller->showStatusPanel(StatusPanelPlace.x(), StatusPanelPlace.y());
    m_drum->reset();
    m_drum->showDrum(SlotPlace.x(), SlotPlace.y());
    m_courseView->initialise();
    m_courseView->showView(DisplayPlace.x(), DisplayPlace.y());
    m_remarkBox->clear();
    m_remarkBox->showBox(RemarkBoxPlace.x(), RemarkBoxPlace.y());
    m_session.startTime = m_clock.now();
    m_announcer->reset();
    m_controller->beginGame();
    m_drum->slotButton()->setFocus();
}

void MainWindow::restartGame() {
    if (!m_onGameScreen || !mayQuit()) {
        return;
    }
    dropGameMessages();
    m_controller->setUpGame(m_recordTemplate);
    m_courseView->initialise();
    m_remarkBox->clear();
    m_drum->reset();
    m_session.startTime = m_clock.now();
    m_announcer->reset();
    m_controller->beginGame();
    m_drum->slotButton()->setFocus();
}

void MainWindow::returnToTitle() {
    if (!m_onGameScreen || !mayQuit()) {
        return;
    }
    // Nothing of the abandoned game goes on out of sight: its spin and its walk
    // stop here and report nothing.
    m_drum->stopSpin();
    m_courseView->stopAnimation();
    dropGameMessages();
    showTitleScreen();
    m_controller->hideStatusPanel();
    m_drum->hideDrum();
    m_courseView->hideView();
    m_remarkBox->hideBox();
    m_ui->titlePicture->setVisible(true);
    m_ui->titlePicture->setFocusPolicy(Qt::TabFocus);
    m_ui->titlePicture->setFocus();
}

void MainWindow::closeGame() {
    if (!mayQuit()) {
        return;
    }
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    confirmAndClose();
    event->accept();
}

void MainWindow::confirmAndClose() {
    if (m_session.askBeforeQuit && m_resultDialog) {
        m_resultDialog->showFarewell();
    }
}

void MainWindow::enterName() {
    if (m_nameDialog && !m_onGameScreen) {
        m_nameDialog->showNameEntry(m_recordTemplate);
        returnFocusToGame();
    }
}

void MainWindow::showOptions() {
    if (m_optionsDialog && !m_onGameScreen) {
        m_optionsDialog->showOptions(m_recordTemplate);
        returnFocusToGame();
    }
}

void MainWindow::showDebug() {
    if (m_optionsDialog && !m_onGameScreen && m_ui->debugAction->isVisible()) {
        m_optionsDialog->showDebug(m_recordTemplate);
        returnFocusToGame();
    }
}

void MainWindow::showNotes() {
    if (m_aboutDialog) {
        m_aboutDialog->showNotes();
        returnFocusToGame();
    }
}

void MainWindow::showVersion() {
    if (m_aboutDialog) {
        m_aboutDialog->showVersion();
        returnFocusToGame();
    }
}

void MainWindow::revealDebugItem() {
    m_ui->debugAction->setVisible(true);
}
