#include "GameController.h"

#include "GameMessages.h"
#include "SquareEffects.h"

#include <string>

namespace {

constexpr const char* InitialDistanceText = "100";

} // namespace

GameController::GameController(const ControllerPorts& ports) : m_ports(ports) {
    data.playerName.clear();
    // No game yet: the title screen's "閉じる" must not ask first.
    data.state = GameState::GameOver;
}

void GameController::setUpGame(GameRecord templateRecord) {
    data = std::move(templateRecord);
    StatusPanel& panel = m_ports.statusPanel;
    panel.setNameText(data.playerName);
    panel.setStaminaText(std::to_string(data.stamina));
    panel.setArrowText(std::to_string(data.arrowRow));
    panel.setRotationText(std::to_string(data.rotationWidth));
    panel.setTimerText(std::to_string(data.spinInterval));
    panel.setDistanceText(InitialDistanceText);
}

void GameController::showStatusPanel(int left, int top) {
    m_ports.statusPanel.showPanel(left, top);
}

void GameController::hideStatusPanel() {
    m_ports.statusPanel.hidePanel();
}

void GameController::beginGame() {
    m_ports.drum.setUp(data);
    m_ports.drum.setButtonIdle();
    m_ports.courseView.setUp(data);
    m_ports.courseView.startEntry();
}

void GameController::finishEvent() {
    m_ports.courseView.showPose(restFrame(data));
    m_ports.drum.setButtonIdle();
    data.state = GameState::EventApplied;
    m_ports.poster.postGameMessage(GameMessage::NextTurn, data.spare, 0);
}

void GameController::handleEvent(std::int32_t code, std::int32_t argument) {
    const std::int32_t param = m_ports.course.paramAt(data.currentSquare, data.currentRow);
    switch (static_cast<std::uint32_t>(code)) {
    case static_cast<std::uint32_t>(SquareKind::Start):
        m_ports.drum.setUp(data);
        m_ports.drum.setButtonMode(ButtonStart);
        break;
    case static_cast<std::uint32_t>(SquareKind::Remark):
        finishEvent();
        break;
    case static_cast<std::uint32_t>(DrumStopped):
        m_ports.drum.setButtonIdle();
        m_ports.courseView.startWalk(argument);
        break;
    case static_cast<std::uint32_t>(SquareKind::Lucky):
        applyLucky(data, param);
        m_ports.drum.setUp(data);
        finishEvent();
        break;
    case static_cast<std::uint32_t>(SquareKind::StaminaUp):
        data.stamina += param;
        m_ports.statusPanel.setStaminaText(std::to_string(data.stamina));
        finishEvent();
        break;
    case static_cast<std::uint32_t>(SquareKind::Forward):
        m_ports.drum.setButtonIdle();
        m_ports.courseView.forwardWalk(param);
        break;
    case static_cast<std::uint32_t>(SquareKind::Back):
        m_ports.drum.setButtonIdle();
        m_ports.courseView.backWalk(param);
        break;
    case static_cast<std::uint32_t>(AnimationEnded):
        settleSquare();
        break;
    default:
        break;
    }
}

void GameController::settleSquare() {
    if (data.stamina <= 0) {
        return;
    }
    showSquareMessages(m_ports.remarks, m_ports.course, data.currentSquare, data.currentRow);
    const auto kind =
        static_cast<std::int32_t>(m_ports.course.kindAt(data.currentSquare, data.currentRow));
    if (data.messageCheck == MessageCheckNone) {
        handleEvent(kind, 0);
    } else if (data.messageCheck == MessageCheckAll) {
        m_ports.drum.setButtonMode(kind);
    }
}

void GameController::handleStep(std::int32_t step) {
    data.currentSquare += step;
    data.stamina -= 1;
    m_ports.statusPanel.setDistanceText(std::to_string(GoalSquare - data.currentSquare));
    m_ports.statusPanel.setStaminaText(std::to_string(data.stamina));

    if (data.stamina <= 0) {
        m_ports.courseView.setDisplayState(DisplayGameOver);
        data.state = GameState::GameOver;
        m_ports.drum.setButtonIdle();
        showLines(m_ports.remarks, RemarkMessage{GameOverLine, "", "", 1});
        m_ports.results.showGameOver(data);
    }
    if (data.currentSquare >= GoalSquare) {
        SessionValues& session = m_ports.session;
        session.endTime = m_ports.clock.now();
        session.elapsedTime = session.endTime - session.startTime;
        m_ports.courseView.setDisplayState(DisplayGoal);
        data.state = GameState::Goal;
        m_ports.drum.setButtonIdle();
        showSquareMessages(m_ports.remarks, m_ports.course, data.currentSquare, data.currentRow);
        m_ports.results.showGoalResult(data);
    }
}

void GameController::prepareNextTurn() {
    m_ports.drum.setUp(data);
    m_ports.courseView.setUp(data);
    data.state = GameState::TurnReady;
}

bool GameController::isGameInProgress() const {
    return data.state != GameState::GameOver && data.state != GameState::Goal;
}

bool dispatchGameMessage(GameController& controller, GameMessage message, std::int32_t wParam,
                         std::int32_t lParam) {
    switch (message) {
    case GameMessage::Event:
        controller.handleEvent(wParam, lParam);
        return true;
    case GameMessage::Step:
        controller.handleStep(wParam);
        return true;
    case GameMessage::NextTurn:
        controller.prepareNextTurn();
        return true;
    }
    return false;
}
