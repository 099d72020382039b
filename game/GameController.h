#pragma once

#include "CourseTable.h"
#include "GamePorts.h"
#include "GameRecord.h"

#include <cstdint>

// Everything the controller talks to. The main window wires the real views;
// the tests wire recording fakes.
struct ControllerPorts {
    MessagePoster& Poster;
    SlotDrumPort& Slot;
    CourseViewPort& Display;
    RemarkLines& Remarks;
    StatusPanel& Status;
    ResultDialogs& Results;
    TimeOfDay& Clock;
    SessionValues& Session;
    const CourseTable& Course;
};

// Runs one game at a time. Every step is the reaction to a posted message,
// a menu command or a click; nothing here waits or polls.
//
// Turn protocol: BeginGame -> (entry ends) AnimeEnd -> SettleSquare offers the
// start square -> the drum posts SlotStop(n) -> n x HandleStep -> AnimeEnd ->
// SettleSquare offers the landing square's event -> Forward/Back walk again, or
// Remark/Lucky/StaminaUp take effect and post WM_GAME_NEXT -> PrepareNextTurn.
class GameController {
public:
    explicit GameController(const ControllerPorts& ports);

    const GameRecord& LiveRecord() const { return Data; }

    // Copies the template into the live record and writes the status panel.
    void SetUpGame(GameRecord templateRecord);
    void ShowStatusPanel(int left, int top);
    void HideStatusPanel();

    // Hands the record to the drum and the view and starts the entry animation.
    void BeginGame();

    // Handler of WM_GAME_EVENT; unknown codes (compared unsigned) do nothing.
    void HandleEvent(std::int32_t code, std::int32_t argument);
    // What happens on the square where a walk ends.
    void SettleSquare();
    // Handler of WM_GAME_STEP: one walked square, and the game's two endings.
    void HandleStep(std::int32_t step);
    // Handler of WM_GAME_NEXT.
    void PrepareNextTurn();

    // False only after game over (15) or the goal (16).
    bool IsGameInProgress() const;

private:
    void FinishEvent();

    GameRecord Data;
    ControllerPorts Ports;
};

// Hands one private message to the controller; false for any other number.
bool DispatchGameMessage(GameController& controller, int message, std::int32_t wParam,
                         std::int32_t lParam);
