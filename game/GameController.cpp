#include "GameController.h"

#include "GameMessages.h"
#include "SquareEffects.h"

#include <string>

namespace {

constexpr const char* InitialDistanceText = "100";

} // namespace

GameController::GameController(const ControllerPorts& ports) : Ports(ports) {
    Data.PlayerName.clear();
    // No game yet: the title screen's "閉じる" must not ask first.
    Data.State = StateGameOver;
}

void GameController::SetUpGame(GameRecord templateRecord) {
    Data = std::move(templateRecord);
    StatusPanel& panel = Ports.Status;
    panel.SetNameText(Data.PlayerName);
    panel.SetStaminaText(std::to_string(Data.Stamina));
    panel.SetArrowText(std::to_string(Data.ArrowPosition));
    panel.SetRotationText(std::to_string(Data.RotationWidth));
    panel.SetTimerText(std::to_string(Data.TimerInterval));
    panel.SetDistanceText(InitialDistanceText);
}

void GameController::ShowStatusPanel(int left, int top) {
    Ports.Status.ShowPanel(left, top);
}

void GameController::HideStatusPanel() {
    Ports.Status.HidePanel();
}

void GameController::BeginGame() {
    Ports.Slot.SetSlot(Data);
    Ports.Slot.SetButtonIdle();
    Ports.Display.SetMainDisplay(Data);
    Ports.Display.StartEntry();
}

void GameController::FinishEvent() {
    Ports.Display.ShowPose(RestFrame(Data));
    Ports.Slot.SetButtonIdle();
    Data.State = StateEventApplied;
    Ports.Poster.PostGameMessage(WM_GAME_NEXT, Data.Spare, 0);
}

void GameController::HandleEvent(std::int32_t code, std::int32_t argument) {
    const std::int32_t param = Ports.Course.ParamAt(Data.StartPosition, Data.StartRow);
    switch (static_cast<std::uint32_t>(code)) {
    case static_cast<std::uint32_t>(SquareKind::Start):
        Ports.Slot.SetSlot(Data);
        Ports.Slot.SetButtonMode(ButtonStart);
        break;
    case static_cast<std::uint32_t>(SquareKind::Remark):
        FinishEvent();
        break;
    case static_cast<std::uint32_t>(SlotStop):
        Ports.Slot.SetButtonIdle();
        Ports.Display.StartWalk(argument);
        break;
    case static_cast<std::uint32_t>(SquareKind::Lucky):
        ApplyLucky(Data, param);
        Ports.Slot.SetSlot(Data);
        FinishEvent();
        break;
    case static_cast<std::uint32_t>(SquareKind::StaminaUp):
        Data.Stamina += param;
        Ports.Status.SetStaminaText(std::to_string(Data.Stamina));
        FinishEvent();
        break;
    case static_cast<std::uint32_t>(SquareKind::Forward):
        Ports.Slot.SetButtonIdle();
        Ports.Display.ForwardWalk(param);
        break;
    case static_cast<std::uint32_t>(SquareKind::Back):
        Ports.Slot.SetButtonIdle();
        Ports.Display.BackWalk(param);
        break;
    case static_cast<std::uint32_t>(AnimeEnd):
        SettleSquare();
        break;
    default:
        break;
    }
}

void GameController::SettleSquare() {
    if (Data.Stamina <= 0) {
        return;
    }
    ShowSquareMessages(Ports.Remarks, Ports.Course, Data.StartPosition, Data.StartRow);
    const auto kind =
        static_cast<std::int32_t>(Ports.Course.KindAt(Data.StartPosition, Data.StartRow));
    if (Data.MessageCheck == MessageCheckNone) {
        HandleEvent(kind, 0);
    } else if (Data.MessageCheck == MessageCheckAll) {
        Ports.Slot.SetButtonMode(kind);
    }
}

void GameController::HandleStep(std::int32_t step) {
    Data.StartPosition += step;
    Data.Stamina -= 1;
    Ports.Status.SetDistanceText(std::to_string(GoalSquare - Data.StartPosition));
    Ports.Status.SetStaminaText(std::to_string(Data.Stamina));

    if (Data.Stamina <= 0) {
        Ports.Display.SetDisplayState(StateGameOver);
        Data.State = StateGameOver;
        Ports.Slot.SetButtonIdle();
        ShowLines(Ports.Remarks, RemarkMessage{GameOverLine, "", "", 1});
        Ports.Results.ShowGameOver(Data);
    }
    if (Data.StartPosition >= GoalSquare) {
        SessionValues& session = Ports.Session;
        session.EndTime = Ports.Clock.Now();
        session.ElapsedTime = session.EndTime - session.StartTime;
        Ports.Display.SetDisplayState(StateGoal);
        Data.State = StateGoal;
        Ports.Slot.SetButtonIdle();
        ShowSquareMessages(Ports.Remarks, Ports.Course, Data.StartPosition, Data.StartRow);
        Ports.Results.ShowGoalResult(Data);
    }
}

void GameController::PrepareNextTurn() {
    Ports.Slot.SetSlot(Data);
    Ports.Display.SetMainDisplay(Data);
    Data.State = StateTurnReady;
}

bool GameController::IsGameInProgress() const {
    return Data.State != StateGameOver && Data.State != StateGoal;
}

bool DispatchGameMessage(GameController& controller, int message, std::int32_t wParam,
                         std::int32_t lParam) {
    switch (message) {
    case WM_GAME_EVENT:
        controller.HandleEvent(wParam, lParam);
        return true;
    case WM_GAME_STEP:
        controller.HandleStep(wParam);
        return true;
    case WM_GAME_NEXT:
        controller.PrepareNextTurn();
        return true;
    default:
        return false;
    }
}
