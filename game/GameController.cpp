#include "GameController.h"

#include "GameMessages.h"
#include "SquareEffects.h"

#include <string>

namespace {

constexpr const char* InitialDistanceText = "100";

} // namespace

GameController::GameController(const ControllerPorts& ports) : m_ports(ports) {
    m_record.playerName.clear();
    // No game yet: the title screen's "閉じる" must not ask first.
    m_record.state = GameState::GameOver;
}

void GameController::setUpGame(GameRecord templateRecord) {
    m_record = std::move(templateRecord);
    StatusPanel& panel = m_ports.statusPanel;
    panel.setNameText(m_record.playerName);
    panel.setStaminaText(std::to_string(m_record.stamina));
    panel.setArrowText(std::to_string(m_record.arrowRow));
    panel.setRotationText(std::to_string(m_record.rotationWidth));
    panel.setTimerText(std::to_string(m_record.spinInterval));
    panel.setDistanceText(InitialDistanceText);
}

void GameController::showStatusPanel(int left, int top) {
    m_ports.statusPanel.showPanel(left, top);
}

void GameController::hideStatusPanel() {
    m_ports.statusPanel.hidePanel();
}

void GameController::beginGame() {
    m_ports.drum.setUp(m_record);
    m_ports.drum.setButtonIdle();
    m_ports.courseView.setUp(m_record);
    m_ports.courseView.startEntry();
}

void GameController::finishEvent() {
    m_ports.courseView.showPose(restFrame(m_record));
    m_ports.drum.setButtonIdle();
    m_record.state = GameState::EventApplied;
    m_ports.poster.postGameMessage(GameMessage::NextTurn, m_record.spare, 0);
}

void GameController::handleEvent(std::int32_t code, std::int32_t argument) {
    const std::int32_t param = m_ports.course.paramAt(m_record.currentSquare, m_record.currentRow);
    switch (static_cast<std::uint32_t>(code)) {
    case static_cast<std::uint32_t>(SquareKind::Start):
        m_ports.drum.setUp(m_record);
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
        applyLucky(m_record, param);
        m_ports.drum.setUp(m_record);
        finishEvent();
        break;
    case static_cast<std::uint32_t>(SquareKind::StaminaUp):
        m_record.stamina += param;
        m_ports.statusPanel.setStaminaText(std::to_string(m_record.stamina));
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
    if (m_record.stamina <= 0) {
        return;
    }
    showSquareMessages(m_ports.remarks, m_ports.course, m_record.currentSquare, m_record.currentRow,
                       m_ports.texts);
    const auto kind = static_cast<std::int32_t>(
        m_ports.course.kindAt(m_record.currentSquare, m_record.currentRow));
    if (m_record.messageCheck == MessageCheckNone) {
        handleEvent(kind, 0);
    } else if (m_record.messageCheck == MessageCheckAll) {
        m_ports.drum.setButtonMode(kind);
    }
}

void GameController::handleStep(std::int32_t step) {
    m_record.currentSquare += step;
    m_record.stamina -= 1;
    m_ports.statusPanel.setDistanceText(std::to_string(GoalSquare - m_record.currentSquare));
    m_ports.statusPanel.setStaminaText(std::to_string(m_record.stamina));

    if (m_record.stamina <= 0) {
        m_ports.courseView.setDisplayState(DisplayGameOver);
        m_record.state = GameState::GameOver;
        m_ports.drum.setButtonIdle();
        showLines(m_ports.remarks,
                  RemarkMessage{m_ports.texts.translate(EffectContext, GameOverLine), "", "", 1});
        m_ports.results.showGameOver(m_record);
    }
    if (m_record.currentSquare >= GoalSquare) {
        SessionValues& session = m_ports.session;
        session.endTime = m_ports.clock.now();
        session.elapsedTime = session.endTime - session.startTime;
        m_ports.courseView.setDisplayState(DisplayGoal);
        m_record.state = GameState::Goal;
        m_ports.drum.setButtonIdle();
        showSquareMessages(m_ports.remarks, m_ports.course, m_record.currentSquare,
                           m_record.currentRow, m_ports.texts);
        m_ports.results.showGoalResult(m_record);
    }
}

void GameController::prepareNextTurn() {
    m_ports.drum.setUp(m_record);
    m_ports.courseView.setUp(m_record);
    m_record.state = GameState::TurnReady;
}

bool GameController::isGameInProgress() const {
    return m_record.state != GameState::GameOver && m_record.state != GameState::Goal;
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
