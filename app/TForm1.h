#pragma once

#include "CharStatusClass.h"
#include "CourseTable.h"
#include "GameMessageEvent.h"
#include "IDDataStruct.h"
#include "ImageList.h"
#include "StatusPanelWidget.h"
#include "TimeOfDay.h"

#include <QMainWindow>
#include <functional>
#include <memory>

namespace Ui {
class TForm1;
}
class QAction;
class QLabel;
class QMenu;
class SlotClass;
class MainDisplayClass;
class MessBoxClass;
class TDebugForm;
class TNameInputForm;
class TForm3;
class TMessageForm;

// Hands the controller's result calls to the result dialog, which is created
// after the main window; until then there is nothing to show them on. Once a
// result has been closed, `afterShowing` runs.
class ResultDialogsRelay : public ResultDialogs {
public:
    explicit ResultDialogsRelay(std::function<void()> afterShowing)
        : afterShowing_(std::move(afterShowing)) {}
    void SetTarget(ResultDialogs* target) { target_ = target; }
    void ShowGameOver(IDDataStruct record) override;
    void ShowGoalResult(IDDataStruct record) override;

private:
    ResultDialogs* target_ = nullptr;
    std::function<void()> afterShowing_;
};

// The main window: the title screen and the game screen, the menu commands, and
// the dispatch of the three private game messages to the controller.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The dialogs are created after the main window; the start-up wires them here.
    void SetDialogs(TDebugForm* debugForm, TNameInputForm* nameInputForm, TForm3* form3,
                    TMessageForm* messageForm);

    // Menu commands.
    void K2Click();
    void K3Click();
    void K4Click();
    void K5Click();
    void Close1Click();
    void K11Click();
    void K10Click();
    void K7Click();
    void K8Click();

    // Makes the hidden "デバグ" item visible for the rest of the run.
    void RevealDebugItem();

    IDDataStruct& Template() { return template_; }
    SessionValues& Session() { return session_; }
    CharStatusClass& Controller() { return *controller_; }
    SlotClass& Slot() { return *slot_; }
    MainDisplayClass& Display() { return *display_; }
    MessBoxClass& MessBox() { return *messBox_; }
    StatusPanelWidget& Status() { return *status_; }
    const CourseTable& Course() const { return course_; }
    bool OnGameScreen() const { return onGameScreen_; }

    QAction* MenuItem(const char* name) const;
    QMenu* Menu(const char* name) const;
    QLabel* Image1() const;
    QWidget* ClientArea() const;

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

    std::unique_ptr<Ui::TForm1> ui;
    ImageList imageList1_;
    ImageList imageList2_;
    ImageList imageList3_;

    IDDataStruct template_;
    SessionValues session_;
    CourseTable course_;
    LocalTimeOfDay clock_;
    QtMessagePoster poster_;
    ResultDialogsRelay results_;

    std::unique_ptr<StatusPanelWidget> status_;
    std::unique_ptr<CharStatusClass> controller_;
    std::unique_ptr<SlotClass> slot_;
    std::unique_ptr<MainDisplayClass> display_;
    std::unique_ptr<MessBoxClass> messBox_;

    TDebugForm* debugForm_ = nullptr;
    TNameInputForm* nameInputForm_ = nullptr;
    TForm3* form3_ = nullptr;
    TMessageForm* messageForm_ = nullptr;
    bool onGameScreen_ = false;
};
