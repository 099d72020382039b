#pragma once

#include "CourseTable.h"
#include "GamePorts.h"
#include "GameRecord.h"
#include "TextCatalogue.h"

#include <cstdint>

// Everything the controller talks to. The main window wires the real views;
// the tests wire recording fakes.
struct ControllerPorts {
    MessagePoster& poster;
    SlotDrumPort& drum;
    CourseViewPort& courseView;
    RemarkLines& remarks;
    StatusPanel& statusPanel;
    ResultDialogs& results;
    TimeOfDay& clock;
    SessionValues& session;
    const CourseTable& course;
    // Puts the rules' lines into the player's language.
    const TextCatalogue& texts;
};

// Runs one game at a time. Every step is the reaction to a posted message,
// a menu command or a click; nothing here waits or polls.
//
// Turn protocol: beginGame -> (entry ends) AnimationEnded -> settleSquare offers the
// start square -> the drum posts DrumStopped(n) -> n x handleStep -> AnimationEnded ->
// settleSquare offers the landing square's event -> Forward/Back walk again, or
// Remark/Lucky/StaminaUp take effect and post GameMessage::NextTurn -> prepareNextTurn.
class GameController {
public:
    explicit GameController(const ControllerPorts& ports);

    const GameRecord& liveRecord() const { return m_record; }

    // Copies the template into the live record and writes the status panel.
    void setUpGame(GameRecord templateRecord);
    void showStatusPanel(int left, int top);
    void hideStatusPanel();

    // Hands the record to the drum and the view and starts the entry animation.
    void beginGame();

    // Handler of GameMessage::Event; unknown codes (compared unsigned) do nothing.
    void handleEvent(std::int32_t code, std::int32_t argument);
    // What happens on the square where a walk ends.
    void settleSquare();
    // Handler of GameMessage::Step: one walked square, and the game's two endings.
    void handleStep(std::int32_t step);
    // Handler of GameMessage::NextTurn.
    void prepareNextTurn();

    // False only after game over (15) or the goal (16).
    bool isGameInProgress() const;

private:
    void finishEvent();

    GameRecord m_record;
    ControllerPorts m_ports;
};

// Hands one private message to the controller; false for any other number.
bool dispatchGameMessage(GameController& controller, GameMessage message, std::int32_t wParam,
                         std::int32_t lParam);
