#include "MainWindow.h"

#include "AboutDialog.h"
#include "AnimatedCourseView.h"
#include "Announcer.h"
#include "Artwork.h"
#include "ClassicMenuBar.h"
#include "Fonts.h"
#include "LanguageChoice.h"
#include "NameDialog.h"
#include "OptionsDialog.h"
#include "RemarkBox.h"
#include "ResultDialog.h"
#include "ScreenMetrics.h"
#include "SlotDrum.h"
#include "StatusPanelWidget.h"
#include "WindowStateGuard.h"
#include "ui_MainWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

// Outer size of the window, frame and title bar included; centring uses it.
constexpr int OuterWidth = 260;
constexpr int OuterHeight = 350;
// The client area under the menu bar.
constexpr int ClientWidth = 252;
constexpr int ClientHeight = 304;

constexpr int ViewWidth = 247;
constexpr int ViewHeight = 110;
constexpr QSize RemarkBoxSize(251, 60);

constexpr QPoint StatusPanelPlace(10, 0);
constexpr QPoint SlotPlace(120, 0);
constexpr QPoint CourseViewPlace(0, 125);
constexpr QPoint RemarkBoxPlace(0, 242);

// Frame sizes of the three picture lists.
constexpr QSize ArrowFrame(22, 30);
constexpr QSize DigitFrame(28, 30);
constexpr QSize HeroineFrame(50, 70);

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::MainWindow>()),
      m_arrowImages(ArrowFrame.width(), ArrowFrame.height()),
      m_digitImages(DigitFrame.width(), DigitFrame.height()),
      m_heroineImages(HeroineFrame.width(), HeroineFrame.height()) {
    m_ui->setupUi(this);
    // The size is fixed, so there is no maximise button; without the customise
    // hint the window system would add one anyway.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    WindowStateGuard::protect(this);
    setFont(gameFont(12));
    // The English menus read in the bar's font; the Japanese edition keeps
    // the desktop's menu font in its drop-downs, as it always had.
    if (auto* bar = qobject_cast<ClassicMenuBar*>(menuBar())) {
        bar->setMenusShareFont(LanguageChoice::current() == Language::English);
    }
    m_ui->clientArea->setFixedSize(ClientWidth, ClientHeight);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // The layout format has no named separators; they are added here.
    const char* separatorNames[] = {"nameSeparator", "gameSeparator", "closeSeparator"};
    QAction* before[] = {m_ui->startGameAction, m_ui->returnToTitleAction, m_ui->closeAction};
    for (int i = 0; i < 3; ++i) {
        QAction* separator = m_ui->fileMenu->insertSeparator(before[i]);
        separator->setObjectName(QString::fromLatin1(separatorNames[i]));
    }
    m_ui->titlePicture->setPixmap(QPixmap::fromImage(Artwork::titlePicture()));
    m_ui->titlePicture->resize(m_ui->titlePicture->pixmap().size());
    // The title screen's one control: the focus rests here rather than on a
    // hidden one, and a screen reader says how to begin. (Reached by Tab
    // only, and on the title screen only; a click moves no focus.)
    m_ui->titlePicture->setFocusPolicy(Qt::TabFocus);
    //: What a screen reader says on the title screen.
    m_ui->titlePicture->setAccessibleDescription(
        tr("ファイル メニューの ゲームスタート で始まります"));

    // The title picture sits centred in a window of fixed size.
    placeWindow();
    m_ui->titlePicture->move((OuterWidth - m_ui->titlePicture->width()) / 2, 0);

    // The course and the settings of a new game.
    m_course.buildCourse();
    fillDefaultRecord(m_recordTemplate, &m_heroineImages);

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

void MainWindow::buildGameScreen() {
    if (m_controller) {
        return;
    }
    Artwork::loadArrowImages(m_arrowImages);
    Artwork::loadDigitImages(m_digitImages);
    // Her pictures are first drawn with the course, while the entry waits
    // for its first step.
    Artwork::loadHeroineImagesWhenDrawn(m_heroineImages);
    m_statusPanel = new StatusPanelWidget(m_ui->clientArea);
    m_statusPanel->move(StatusPanelPlace);
    m_drum = new SlotDrum(m_arrowImages, m_digitImages, m_ui->clientArea);
    m_drum->move(SlotPlace);
    m_courseView = new AnimatedCourseView(m_course, ViewWidth, ViewHeight, m_ui->clientArea);
    m_courseView->move(CourseViewPlace);
    m_controller = new GameController(
        ControllerPorts{*m_drum, *m_courseView, *this, *m_statusPanel, *this, m_clock, m_course},
        this);
    m_announcer = std::make_unique<Announcer>(m_ui->clientArea);
    m_controller->listenTo(m_drum, m_courseView);
    // What a screen reader is told follows each report once the controller
    // has handled it (these are queued behind its own connections), and never
    // an animation's tick.
    connect(
        m_courseView, &AnimatedCourseView::squareWalked, this,
        [this] {
            updateAccessibleTexts();
            announceCaption();
        },
        Qt::QueuedConnection);
    connect(m_drum, &SlotDrum::stopped, this, &MainWindow::announceDrumResult,
            Qt::QueuedConnection);
    connect(m_courseView, &AnimatedCourseView::animationFinished, this,
            &MainWindow::announceWalkEnd, Qt::QueuedConnection);
    connect(m_drum, &SlotDrum::eventConfirmed, this, &MainWindow::announceStatus,
            Qt::QueuedConnection);
    // The controller offers the next spin on its own queued call, made before
    // this one, so the caption here is the new turn's.
    connect(m_controller, &GameController::eventApplied, this, &MainWindow::announceStatus,
            Qt::QueuedConnection);
    // A click changes the caption at once (スタート -> ストップ); the screen
    // reader hears the new one.
    connect(m_drum->slotButton(), &QPushButton::clicked, this, &MainWindow::announceCaption);
}

Announcer& MainWindow::announcer() {
    buildGameScreen();
    return *m_announcer;
}

GameController& MainWindow::controller() {
    buildGameScreen();
    return *m_controller;
}

SlotDrum& MainWindow::drum() {
    buildGameScreen();
    return *m_drum;
}

AnimatedCourseView& MainWindow::courseView() {
    buildGameScreen();
    return *m_courseView;
}

RemarkBox& MainWindow::remarkBox() {
    buildGameScreen();
    if (!m_remarkBox) {
        m_remarkBox = new RemarkBox(m_ui->clientArea);
        m_remarkBox->setGeometry(QRect(RemarkBoxPlace, RemarkBoxSize));
    }
    return *m_remarkBox;
}

void MainWindow::clearLines() {
    // A box not yet built holds no lines.
    if (m_remarkBox) {
        m_remarkBox->clearLines();
    }
}

void MainWindow::addLine(const std::string& line) {
    remarkBox().addLine(line);
}

StatusPanelWidget& MainWindow::statusPanel() {
    buildGameScreen();
    return *m_statusPanel;
}

void MainWindow::placeWindow() {
    const QSize workArea = fullScreenSize();
    // Integer division truncates toward zero, as the placement rule wants.
    move((workArea.width() - OuterWidth) / 2, (workArea.height() - OuterHeight) / 2);
}

// Each dialog is a child of the main window, so it is transient for it: the
// window system keeps it above the main window and, on Wayland, places it
// relative to it.
OptionsDialog& MainWindow::optionsDialog() {
    if (!m_optionsDialog) {
        m_optionsDialog = new OptionsDialog(m_preferences, this);
    }
    return *m_optionsDialog;
}

NameDialog& MainWindow::nameDialog() {
    if (!m_nameDialog) {
        m_nameDialog = new NameDialog(this);
        connect(m_nameDialog, &NameDialog::revealPhraseEntered, this, &MainWindow::revealDebugItem);
    }
    return *m_nameDialog;
}

AboutDialog& MainWindow::aboutDialog() {
    if (!m_aboutDialog) {
        m_aboutDialog = new AboutDialog(this);
    }
    return *m_aboutDialog;
}

ResultDialog& MainWindow::resultDialog() {
    if (!m_resultDialog) {
        m_resultDialog = new ResultDialog(this);
    }
    return *m_resultDialog;
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

void MainWindow::showGameOver(const GameRecord& record) {
    // The dialog is modal: the course says the square the dialog names
    // while it is open.
    updateAccessibleTexts();
    resultDialog().showGameOver(record);
    returnFocusToGame();
}

void MainWindow::showGoalResult(const GameRecord& record, const GameTimes& times) {
    updateAccessibleTexts();
    resultDialog().showGoalResult(record, times);
    returnFocusToGame();
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
}

bool MainWindow::announcesGame() const {
    return m_onGameScreen && m_controller->isGameInProgress();
}

void MainWindow::announceDrumResult(int number) {
    updateAccessibleTexts();
    if (announcesGame()) {
        m_announcer->announceDrumResult(number);
    }
    announceCaption();
}

void MainWindow::announceWalkEnd() {
    updateAccessibleTexts();
    if (announcesGame()) {
        const GameRecord& record = m_controller->liveRecord();
        m_announcer->announceSquare(record.currentSquare, remarkBox().toPlainText(),
                                    m_drum->slotButton()->text());
    }
    announceStatus();
}

void MainWindow::announceStatus() {
    updateAccessibleTexts();
    if (announcesGame()) {
        const GameRecord& record = m_controller->liveRecord();
        m_announcer->announceStatus(record.stamina, GoalSquare - record.currentSquare);
    }
    announceCaption();
}

void MainWindow::announceCaption() {
    if (announcesGame()) {
        m_announcer->announceCaption(m_drum->slotButton()->text());
    }
}

bool MainWindow::mayQuit() {
    // Before the first game there is no controller and nothing to lose.
    if (!m_preferences.askBeforeQuit || !m_controller || !m_controller->isGameInProgress()) {
        return true;
    }
    const bool yes = resultDialog().confirmQuit() != QMessageBox::No;
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
    buildGameScreen();
    m_onGameScreen = true;
    m_ui->titlePicture->setVisible(false);
    m_ui->titlePicture->setFocusPolicy(Qt::NoFocus);
    m_ui->enterNameAction->setEnabled(false);
    m_ui->startGameAction->setEnabled(false);
    m_ui->restartGameAction->setEnabled(true);
    m_ui->returnToTitleAction->setEnabled(true);
    m_ui->optionsMenu->menuAction()->setEnabled(false);
    m_statusPanel->show();
    m_drum->show();
    m_courseView->show();
    remarkBox().show();
}

void MainWindow::showTitleScreen() {
    m_onGameScreen = false;
    m_ui->enterNameAction->setEnabled(true);
    m_ui->startGameAction->setEnabled(true);
    m_ui->restartGameAction->setEnabled(false);
    m_ui->returnToTitleAction->setEnabled(false);
    m_ui->optionsMenu->menuAction()->setEnabled(true);
    m_statusPanel->hide();
    m_drum->hide();
    m_courseView->hide();
    remarkBox().hide();
    m_ui->titlePicture->setVisible(true);
    m_ui->titlePicture->setFocusPolicy(Qt::TabFocus);
    m_ui->titlePicture->setFocus();
}

void MainWindow::startGame() {
    if (m_onGameScreen) {
        return; // a queued trigger after the item was disabled
    }
    // The entry's timer starts before the views are shown, so that their first
    // paint happens while the heroine's first step is due. The remark box,
    // which the entry does not need, is built as it is first shown, in that
    // time too.
    buildGameScreen();
    m_announcer->reset();
    m_controller->startGame(m_recordTemplate);
    showGameScreen();
    m_drum->slotButton()->setFocus();
}

void MainWindow::restartGame() {
    if (!m_onGameScreen || !mayQuit()) {
        return;
    }
    m_announcer->reset();
    m_controller->startGame(m_recordTemplate);
    m_drum->slotButton()->setFocus();
}

void MainWindow::returnToTitle() {
    if (!m_onGameScreen || !mayQuit()) {
        return;
    }
    m_controller->abandonGame();
    showTitleScreen();
}

void MainWindow::closeGame() {
    if (!mayQuit()) {
        return;
    }
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_preferences.askBeforeQuit) {
        resultDialog().showFarewell();
    }
    event->accept();
}

void MainWindow::enterName() {
    if (!m_onGameScreen) {
        nameDialog().showNameEntry(m_recordTemplate);
        returnFocusToGame();
    }
}

void MainWindow::showOptions() {
    if (!m_onGameScreen) {
        optionsDialog().showOptions(m_recordTemplate);
        returnFocusToGame();
    }
}

void MainWindow::showDebug() {
    if (!m_onGameScreen && m_ui->debugAction->isVisible()) {
        optionsDialog().showDebug(m_recordTemplate);
        returnFocusToGame();
    }
}

void MainWindow::showNotes() {
    aboutDialog().showNotes();
    returnFocusToGame();
}

void MainWindow::showVersion() {
    aboutDialog().showVersion();
    returnFocusToGame();
}

void MainWindow::revealDebugItem() {
    m_ui->debugAction->setVisible(true);
}
