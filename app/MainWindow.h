#pragma once

#include "CourseTable.h"
#include "GameController.h"
#include "GameMessageEvent.h"
#include "GameRecord.h"
#include "ImageList.h"
#include "StatusPanelWidget.h"
#include "TimeOfDay.h"

#include <QMainWindow>
#include <functional>
#include <memory>

namespace Ui {
class MainWindow;
}
class QAction;
class QLabel;
class QMenu;
class SlotDrum;
class AnimatedCourseView;
class RemarkBox;
class OptionsDialog;
class NameDialog;
class AboutDialog;
class ResultDialog;

// Hands the controller's result calls to the result dialog, which is created
// after the main window; until then there is nothing to show them on. Once a
// result has been closed, `afterShowing` runs.
class ResultDialogsRelay : public ResultDialogs {
public:
    explicit ResultDialogsRelay(std::function<void()> afterShowing)
        : afterShowing_(std::move(afterShowing)) {}
    void SetTarget(ResultDialogs* target) { target_ = target; }
    void ShowGameOver(GameRecord record) override;
    void ShowGoalResult(GameRecord record) override;

private:
    ResultDialogs* target_ = nullptr;
    std::function<void()> afterShowing_;
};

// The main window: the title screen and the game screen, the menu commands, and
// the dispatch of the three private game messages to the controller.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The dialogs are created after the main window; the start-up wires them here.
    void SetDialogs(OptionsDialog* debugForm, NameDialog* nameInputForm, AboutDialog* form3,
                    ResultDialog* messageForm);

    // Menu commands.
    void enterName();
    void startGame();
    void restartGame();
    void returnToTitle();
    void closeGame();
    void showOptions();
    void showDebug();
    void showNotes();
    void showVersion();

    // Makes the hidden "デバグ" item visible for the rest of the run.
    void RevealDebugItem();

    GameRecord& Template() { return template_; }
    SessionValues& Session() { return session_; }
    GameController& Controller() { return *controller_; }
    SlotDrum& Slot() { return *slot_; }
    AnimatedCourseView& Display() { return *display_; }
    RemarkBox& MessBox() { return *messBox_; }
    StatusPanelWidget& Status() { return *status_; }
    const CourseTable& Course() const { return course_; }
    bool OnGameScreen() const { return onGameScreen_; }

    QAction* MenuItem(const char* name) const;
    QMenu* Menu(const char* name) const;
    QLabel* titlePicture() const;
    QWidget* clientArea() const;

    const ImageList& ImageList1() const { return imageList1_; }
    const ImageList& ImageList2() const { return imageList2_; }
    const ImageList& ImageList3() const { return imageList3_; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormClose();
    // "Ask first": false when the player answered No to the quit confirmation.
    bool AskFirst();
    // Removes the game messages still queued for this window.
    void DropGameMessages();
    // After every dialog: the main window is active again (the dialogs have no
    // parent for the window manager to return to) and, during a game, the
    // drum's button has the keyboard, so Space or Enter plays on.
    void ReturnFocusToGame();
    void ShowTitleScreen();
    void ShowGameScreen();
    void PlaceWindow();

    std::unique_ptr<Ui::MainWindow> ui;
    ImageList imageList1_;
    ImageList imageList2_;
    ImageList imageList3_;

    GameRecord template_;
    SessionValues session_;
    CourseTable course_;
    LocalTimeOfDay clock_;
    QtMessagePoster poster_;
    ResultDialogsRelay results_;

    std::unique_ptr<StatusPanelWidget> status_;
    std::unique_ptr<GameController> controller_;
    std::unique_ptr<SlotDrum> slot_;
    std::unique_ptr<AnimatedCourseView> display_;
    std::unique_ptr<RemarkBox> messBox_;

    OptionsDialog* debugForm_ = nullptr;
    NameDialog* nameInputForm_ = nullptr;
    AboutDialog* form3_ = nullptr;
    ResultDialog* messageForm_ = nullptr;
    bool onGameScreen_ = false;
};
