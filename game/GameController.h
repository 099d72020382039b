#pragma once

#include "CourseTable.h"
#include "GamePorts.h"
#include "GameRecord.h"

#include <QObject>

// Everything the controller talks to. The main window wires the real views;
// the tests wire recording fakes.
struct ControllerPorts {
    SlotDrumPort& drum;
    CourseViewPort& courseView;
    RemarkLines& remarks;
    StatusPanel& statusPanel;
    ResultDialogs& results;
    Clock& clock;
    const CourseTable& course;
};

// Runs one game at a time, from its start to game over or the goal. Every step
// is the reaction to a menu command or to something a view reports; nothing
// here waits or polls.
//
// A turn: startGame has the heroine enter -> animationFinished: the start
// square is settled and the drum offers a spin -> drumStopped(n) -> the view
// walks n squares, squareWalked(+1) for each -> animationFinished: the square
// she reached is settled: its remark is shown and its event offered on the
// drum's button (or applied at once without message checks) ->
// eventConfirmed: walk further or go back walk again; a remark, lucky or
// stamina square takes effect and the next turn is queued -> the drum offers
// a spin again.
//
// The views' reports arrive queued (see listenTo), as does the next turn, so
// everything is handled first in, first out and never inside the tick or
// click that caused it.
class GameController : public QObject {
    Q_OBJECT
public:
    explicit GameController(const ControllerPorts& ports, QObject* parent = nullptr);

    // Connects the reports of a drum and a course view to this controller,
    // queued. Any types with the signals stopped(int), eventConfirmed(SquareKind),
    // squareWalked(int) and animationFinished() will do: the real views or fakes.
    template <class Drum, class View> void listenTo(const Drum* drum, const View* view);

    const GameRecord& liveRecord() const { return m_record; }
    const GameTimes& times() const { return m_times; }
    // False before the first game and after game over or the goal.
    bool isGameInProgress() const;

    // A new game with these settings: the views start afresh, the status panel
    // shows the settings and the heroine enters. Whatever the previous game
    // still had on its way is dropped.
    void startGame(const GameRecord& settings);
    // The game is left where it stands, out of sight: a spin or a walk under
    // way stops and reports nothing. The record is kept, and the game still
    // counts as in progress.
    void abandonGame();

public slots:
    // The drum halted with `number` beside its arrow.
    void drumStopped(int number);
    // The player confirmed the event of a square of `kind` on the drum's button.
    void eventConfirmed(SquareKind kind);
    // The heroine walked a square: +1 forward, -1 back.
    void squareWalked(int step);
    // The entry or a walk ended.
    void animationFinished();

signals:
    // A square's event took effect; the drum offers the next spin once this
    // has been handled, queued behind whatever came before.
    void eventApplied();

private slots:
    void prepareNextTurn();

private:
    // The event of the square she stands on, offered or applied.
    void settleSquare();
    void applyEvent(SquareKind kind);
    void finishEvent();
    void showStatus();
    // Removes the reports still queued for this controller.
    void dropQueuedReports();

    GameRecord m_record;
    GameTimes m_times;
    ControllerPorts m_ports;
};

template <class Drum, class View>
void GameController::listenTo(const Drum* drum, const View* view) {
    connect(drum, &Drum::stopped, this, &GameController::drumStopped, Qt::QueuedConnection);
    connect(drum, &Drum::eventConfirmed, this, &GameController::eventConfirmed,
            Qt::QueuedConnection);
    connect(view, &View::squareWalked, this, &GameController::squareWalked, Qt::QueuedConnection);
    connect(view, &View::animationFinished, this, &GameController::animationFinished,
            Qt::QueuedConnection);
}
