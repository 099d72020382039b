#pragma once

#include "CourseTable.h"
#include "GameController.h"
#include "GameMessageEvent.h"
#include "GameRecord.h"
#include "ImageList.h"
#include "LocalClock.h"
#include "QtTextCatalogue.h"
#include "StatusPanelWidget.h"

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
class Announcer;

// Hands the controller's result calls to the result dialog, which is created
// after the main window; until then there is nothing to show them on. Before
// a result shows, `beforeShowing` runs; once it has been closed, `afterShowing`.
class ResultDialogsRelay : public ResultDialogs {
public:
    ResultDialogsRelay(std::function<void()> beforeShowing, std::function<void()> afterShowing)
        : m_beforeShowing(std::move(beforeShowing)), m_afterShowing(std::move(afterShowing)) {}
    void setTarget(ResultDialogs* target) { m_target = target; }
    void showGameOver(GameRecord record) override;
    void showGoalResult(GameRecord record) override;

private:
    ResultDialogs* m_target = nullptr;
    std::function<void()> m_beforeShowing;
    std::function<void()> m_afterShowing;
};

// The main window: the title screen and the game screen, the menu commands, and
// the dispatch of the three private game messages to the controller.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The dialogs are created after the main window; the start-up wires them here.
    void setDialogs(OptionsDialog* debugForm, NameDialog* nameInputForm, AboutDialog* form3,
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
    void revealDebugItem();

    GameRecord& recordTemplate() { return m_recordTemplate; }
    SessionValues& session() { return m_session; }
    GameController& controller() { return *m_controller; }
    SlotDrum& drum() { return *m_drum; }
    AnimatedCourseView& courseView() { return *m_courseView; }
    RemarkBox& remarkBox() { return *m_remarkBox; }
    Announcer& announcer() { return *m_announcer; }
    StatusPanelWidget& statusPanel() { return *m_statusPanel; }
    const CourseTable& course() const { return m_course; }
    bool onGameScreen() const { return m_onGameScreen; }

    QAction* menuItem(const char* name) const;
    QMenu* menu(const char* name) const;
    QLabel* titlePicture() const;
    QWidget* clientArea() const;

    const ImageList& arrowImages() const { return m_arrowImages; }
    const ImageList& digitImages() const { return m_digitImages; }
    const ImageList& heroineImages() const { return m_heroineImages; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void confirmAndClose();
    // "Ask first": false when the player answered No to the quit confirmation.
    bool mayQuit();
    // Removes the game messages still queued for this window.
    void dropGameMessages();
    // After every dialog: the main window is asked to be active again (a
    // window manager may leave the activation elsewhere) and, during a game,
    // the drum's button has the keyboard, so Space or Enter plays on as soon
    // as the window has it.
    void returnFocusToGame();
    // What a screen reader is told after a game message: the drum's number
    // after it stops, the square, remark and event after a walk ends, the
    // stamina and distance after a walk or an event, a new button caption.
    void announceAfterMessage(GameMessage message, std::int32_t wParam, std::int32_t lParam);
    // The course view and the drum describe what the panel shows now.
    void updateAccessibleTexts();
    void showTitleScreen();
    void showGameScreen();
    void placeWindow();

    std::unique_ptr<Ui::MainWindow> m_ui;
    ImageList m_arrowImages;
    ImageList m_digitImages;
    ImageList m_heroineImages;

    GameRecord m_recordTemplate;
    SessionValues m_session;
    CourseTable m_course;
    LocalClock m_clock;
    QtTextCatalogue m_texts;
    QtMessagePoster m_poster;
    ResultDialogsRelay m_results;

    std::unique_ptr<StatusPanelWidget> m_statusPanel;
    std::unique_ptr<GameController> m_controller;
    std::unique_ptr<SlotDrum> m_drum;
    std::unique_ptr<AnimatedCourseView> m_courseView;
    std::unique_ptr<RemarkBox> m_remarkBox;
    std::unique_ptr<Announcer> m_announcer;

    OptionsDialog* m_optionsDialog = nullptr;
    NameDialog* m_nameDialog = nullptr;
    AboutDialog* m_aboutDialog = nullptr;
    ResultDialog* m_resultDialog = nullptr;
    bool m_onGameScreen = false;
};
