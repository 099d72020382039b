#include "MainWindow.h"

#include "AboutDialog.h"
#include "AnimatedCourseView.h"
#include "Artwork.h"
#include "Fonts.h"
#include "GameMessages.h"
#include "ModalResult.h"
#include "NameDialog.h"
#include "OptionsDialog.h"
#include "RemarkBox.h"
#include "ResultDialog.h"
#include "ScreenMetrics.h"
#include "SlotDrum.h"
#include "ui_MainWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

namespace {

// Outer size of the window, frame and title bar included; centring uses it.
constexpr int OuterWidth = 260;
constexpr int OuterHeight = 350;
// The client area under the menu bar.
constexpr int ClientWidth = 252;
constexpr int ClientHeight = 304;

constexpr int ViewWidth = 247;
constexpr int ViewHeight = 110;
constexpr int MessBoxWidth = 251;
constexpr int MessBoxHeight = 60;

const QPoint StatusPanelPlace(10, 0);
const QPoint SlotPlace(120, 0);
const QPoint DisplayPlace(0, 125);
const QPoint MessBoxPlace(0, 242);

} // namespace

void ResultDialogsRelay::ShowGameOver(GameRecord record) {
    if (target_) {
        target_->ShowGameOver(std::move(record));
        afterShowing_();
    }
}

void ResultDialogsRelay::ShowGoalResult(GameRecord record) {
    if (target_) {
        target_->ShowGoalResult(std::move(record));
        afterShowing_();
    }
}

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::MainWindow>()), imageList1_(22, 30),
      imageList2_(28, 30), imageList3_(50, 70), poster_(this),
      results_([this] { ReturnFocusToGame(); }) {
    // 1. The window from its layout.
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(GameFont(12));
    ui->clientArea->setFixedSize(ClientWidth, ClientHeight);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // The layout format has no named separators; they are added here.
    const char* separatorNames[] = {"N1", "N2", "N3"};
    QAction* before[] = {ui->startGameAction, ui->returnToTitleAction, ui->closeAction};
    for (int i = 0; i < 3; ++i) {
        QAction* separator = ui->fileMenu->insertSeparator(before[i]);
        separator->setObjectName(QString::fromLatin1(separatorNames[i]));
    }
    Artwork::LoadArrowImages(imageList1_);
    Artwork::LoadDigitImages(imageList2_);
    Artwork::LoadHeroineImages(imageList3_);
    const QImage title = Artwork::TitlePicture();
    ui->titlePicture->setPixmap(QPixmap::fromImage(title));
    ui->titlePicture->resize(title.size());
    template_.PlayerName.clear();

    // 2 to 5. Size and place.
    PlaceWindow();
    ui->titlePicture->move((OuterWidth - ui->titlePicture->width()) / 2, 0);

    // 6 to 9. The game objects, hidden. The controller's status panel comes
    // first, as the controller builds it; the controller object itself is
    // wired to the views once they exist.
    status_ = std::make_unique<StatusPanelWidget>(ui->clientArea);
    slot_ = std::make_unique<SlotDrum>(ui->clientArea, poster_, imageList1_, imageList2_);
    display_ = std::make_unique<AnimatedCourseView>(ui->clientArea, poster_, course_, ViewWidth,
                                                    ViewHeight);
    messBox_ = std::make_unique<RemarkBox>(ui->clientArea, MessBoxWidth, MessBoxHeight);
    controller_ = std::make_unique<GameController>(ControllerPorts{
        poster_, *slot_, *display_, *messBox_, *status_, results_, clock_, session_, course_});

    // 10 to 12.
    course_.BuildCourse();
    session_.EndConfirmation = true;
    FillDefaultRecord(template_, &imageList3_);

    connect(ui->enterNameAction, &QAction::triggered, this, &MainWindow::enterName);
    connect(ui->startGameAction, &QAction::triggered, this, &MainWindow::startGame);
    connect(ui->restartGameAction, &QAction::triggered, this, &MainWindow::restartGame);
    connect(ui->returnToTitleAction, &QAction::triggered, this, &MainWindow::returnToTitle);
    connect(ui->closeAction, &QAction::triggered, this, &MainWindow::closeGame);
    connect(ui->optionsAction, &QAction::triggered, this, &MainWindow::showOptions);
    connect(ui->debugAction, &QAction::triggered, this, &MainWindow::showDebug);
    connect(ui->notesAction, &QAction::triggered, this, &MainWindow::showNotes);
    connect(ui->versionAction, &QAction::triggered, this, &MainWindow::showVersion);
}

MainWindow::~MainWindow() = default;

void MainWindow::PlaceWindow() {
    const QSize workArea = FullScreenSize();
    // Integer division truncates toward zero, as the placement rule wants.
    move((workArea.width() - OuterWidth) / 2, (workArea.height() - OuterHeight) / 2);
}

void MainWindow::SetDialogs(OptionsDialog* debugForm, NameDialog* nameInputForm, AboutDialog* form3,
                            ResultDialog* messageForm) {
    debugForm_ = debugForm;
    nameInputForm_ = nameInputForm;
    form3_ = form3;
    messageForm_ = messageForm;
    results_.SetTarget(messageForm);
}

QAction* MainWindow::MenuItem(const char* name) const {
    return findChild<QAction*>(QString::fromLatin1(name));
}

QMenu* MainWindow::Menu(const char* name) const {
    return findChild<QMenu*>(QString::fromLatin1(name));
}

QLabel* MainWindow::titlePicture() const {
    return ui->titlePicture;
}

QWidget* MainWindow::clientArea() const {
    return ui->clientArea;
}

bool MainWindow::event(QEvent* event) {
    const int type = static_cast<int>(event->type());
    if (type == WM_GAME_EVENT || type == WM_GAME_STEP || type == WM_GAME_NEXT) {
        const auto* message = static_cast<GameMessageEvent*>(event);
        DispatchGameMessage(*controller_, type, message->WParam, message->LParam);
        // A message is where a square or a turn changes; the screen reader's
        // texts follow here rather than in the animations' ticks.
        display_->UpdateAccessibleText();
        slot_->UpdateAccessibleText();
        return true;
    }
    return QMainWindow::event(event);
}

bool MainWindow::AskFirst() {
    if (!session_.EndConfirmation || !controller_->IsGameInProgress() || !messageForm_) {
        return true;
    }
    const bool yes = messageForm_->ConfirmQuit() != mrNo;
    ReturnFocusToGame();
    return yes;
}

void MainWindow::ReturnFocusToGame() {
    activateWindow();
    if (onGameScreen_) {
        slot_->SlotButton()->setFocus();
    }
}

void MainWindow::ShowGameScreen() {
    onGameScreen_ = true;
    ui->titlePicture->setVisible(false);
    ui->enterNameAction->setEnabled(false);
    ui->startGameAction->setEnabled(false);
    ui->restartGameAction->setEnabled(true);
    ui->returnToTitleAction->setEnabled(true);
    ui->optionsMenu->menuAction()->setEnabled(false);
}

void MainWindow::ShowTitleScreen() {
    onGameScreen_ = false;
    ui->enterNameAction->setEnabled(true);
    ui->startGameAction->setEnabled(true);
    ui->restartGameAction->setEnabled(false);
    ui->returnToTitleAction->setEnabled(false);
    ui->optionsMenu->menuAction()->setEnabled(true);
}

// A tick of the drum or the view can land in the same turn of the event loop
// as the click of a menu command, so the abandoned game's last step, result or
// end can still be queued when the command runs. None of it may reach the next
// game: a stale end would offer "スタート" during the entry animation, a stale
// step would move the new heroine.
void MainWindow::DropGameMessages() {
    for (int message : {WM_GAME_EVENT, WM_GAME_STEP, WM_GAME_NEXT}) {
        QCoreApplication::removePostedEvents(this, message);
    }
}

void MainWindow::startGame() {
    if (onGameScreen_) {
        return; // a queued trigger after the item was disabled
    }
    DropGameMessages();
    ShowGameScreen();
    controller_->SetUpGame(template_);
    controller_->ShowStatusPanel(StatusPanelPlace.x(), StatusPanelPlace.y());
    slot_->ResetSlot();
    slot_->ShowSlot(SlotPlace.x(), SlotPlace.y());
    display_->InitDisplay();
    display_->ShowDisplay(DisplayPlace.x(), DisplayPlace.y());
    messBox_->ClearMessBox();
    messBox_->ShowMessBox(MessBoxPlace.x(), MessBoxPlace.y());
    session_.StartTime = clock_.Now();
    controller_->BeginGame();
    slot_->SlotButton()->setFocus();
}

void MainWindow::restartGame() {
    if (!onGameScreen_ || !AskFirst()) {
        return;
    }
    DropGameMessages();
    controller_->SetUpGame(template_);
    display_->InitDisplay();
    messBox_->ClearMessBox();
    slot_->ResetSlot();
    session_.StartTime = clock_.Now();
    controller_->BeginGame();
    slot_->SlotButton()->setFocus();
}

void MainWindow::returnToTitle() {
    if (!onGameScreen_ || !AskFirst()) {
        return;
    }
    // Nothing of the abandoned game goes on out of sight: its spin and its walk
    // stop here and report nothing.
    slot_->StopSpin();
    display_->StopAnime();
    DropGameMessages();
    ShowTitleScreen();
    controller_->HideStatusPanel();
    slot_->HideSlot();
    display_->HideDisplay();
    messBox_->HideMessBox();
    ui->titlePicture->setVisible(true);
}

void MainWindow::closeGame() {
    if (!AskFirst()) {
        return;
    }
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void MainWindow::FormClose() {
    if (session_.EndConfirmation && messageForm_) {
        messageForm_->ShowFarewell();
    }
}

void MainWindow::enterName() {
    if (nameInputForm_ && !onGameScreen_) {
        nameInputForm_->ShowNameInput(template_);
        ReturnFocusToGame();
    }
}

void MainWindow::showOptions() {
    if (debugForm_ && !onGameScreen_) {
        debugForm_->ShowOptions(template_);
        ReturnFocusToGame();
    }
}

void MainWindow::showDebug() {
    if (debugForm_ && !onGameScreen_ && ui->debugAction->isVisible()) {
        debugForm_->ShowDebug(template_);
        ReturnFocusToGame();
    }
}

void MainWindow::showNotes() {
    if (form3_) {
        form3_->ShowNotes();
        ReturnFocusToGame();
    }
}

void MainWindow::showVersion() {
    if (form3_) {
        form3_->ShowVersion();
        ReturnFocusToGame();
    }
}

void MainWindow::RevealDebugItem() {
    ui->debugAction->setVisible(true);
}
