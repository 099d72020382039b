#pragma once

#include "CourseTable.h"
#include "GameController.h"
#include "GamePorts.h"
#include "GameRecord.h"
#include "ImageList.h"

#include <QMainWindow>
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
class StatusPanelWidget;
class OptionsDialog;
class NameDialog;
class AboutDialog;
class ResultDialog;
class Announcer;

// The main window: the title screen and the game screen with its views, the
// menu commands, which it hands to the game controller, and the dialogs, its
// children, each built when it is first opened. Only the title screen is built
// with the window; the game screen, its pictures and the controller follow when
// the first game starts, the remark box when it is first shown. The controller's
// remark lines pass through the window on their way to the box.
class MainWindow : public QMainWindow, private ResultDialogs, private RemarkLines {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

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

    // The settings of the next game, as the dialogs leave them.
    GameRecord& recordTemplate() { return m_recordTemplate; }
    Preferences& preferences() { return m_preferences; }
    // The game screen; asking for any part of it builds all of it, once.
    GameController& controller();
    SlotDrum& drum();
    AnimatedCourseView& courseView();
    RemarkBox& remarkBox();
    StatusPanelWidget& statusPanel();
    Announcer& announcer();
    const CourseTable& course() const { return m_course; }
    bool onGameScreen() const { return m_onGameScreen; }

    // The dialogs; each is built on first use and kept for the rest of the run.
    OptionsDialog& optionsDialog();
    NameDialog& nameDialog();
    AboutDialog& aboutDialog();
    ResultDialog& resultDialog();

    QAction* menuItem(const char* name) const;
    QMenu* menu(const char* name) const;
    QLabel* titlePicture() const;
    QWidget* clientArea() const;

    const ImageList& heroineImages() const { return m_heroineImages; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The controller's results, shown in the result dialog.
    void showGameOver(const GameRecord& record) override;
    void showGoalResult(const GameRecord& record, const GameTimes& times) override;
    // The controller's remark lines, shown in the remark box.
    void clearLines() override;
    void addLine(const std::string& line) override;

    // "Ask first": false when the player answered No to the quit confirmation.
    bool mayQuit();
    // After every dialog: the main window is asked to be active again (a
    // window manager may leave the activation elsewhere) and, during a game,
    // the drum's button has the keyboard, so Space or Enter plays on as soon
    // as the window has it.
    void returnFocusToGame();
    // The game screen's views but the remark box, their pictures and the
    // controller that drives them; built on the first call, kept for the rest
    // of the run.
    void buildGameScreen();
    // The course view and the drum's button describe the square the
    // controller's record names, so the course and the status panel agree.
    void updateAccessibleTexts();
    // What a screen reader is told once the controller has handled a report:
    // the drum's number after it stops; the square, its remark and event after
    // a walk ends; the stamina and distance when they changed; a new caption.
    void announceDrumResult(int number);
    void announceWalkEnd();
    void announceStatus();
    void announceCaption();
    // Whether a game runs on the game screen; the result dialog says the rest.
    bool announcesGame() const;
    void showTitleScreen();
    void showGameScreen();
    void placeWindow();

    std::unique_ptr<Ui::MainWindow> m_ui;
    ImageList m_arrowImages;
    ImageList m_digitImages;
    ImageList m_heroineImages;

    GameRecord m_recordTemplate;
    Preferences m_preferences;
    CourseTable m_course;
    LocalClock m_clock;

    // Children of the client area, owned by it, once the game screen is built.
    StatusPanelWidget* m_statusPanel = nullptr;
    SlotDrum* m_drum = nullptr;
    AnimatedCourseView* m_courseView = nullptr;
    RemarkBox* m_remarkBox = nullptr;
    GameController* m_controller = nullptr;
    std::unique_ptr<Announcer> m_announcer;

    // Children of this window once built.
    OptionsDialog* m_optionsDialog = nullptr;
    NameDialog* m_nameDialog = nullptr;
    AboutDialog* m_aboutDialog = nullptr;
    ResultDialog* m_resultDialog = nullptr;
    bool m_onGameScreen = false;
};
