#include "GameController.h"

#include "SquareEffects.h"

#include <QCoreApplication>

namespace {

// The status panel's distance at the start of every game, wherever she starts.
constexpr int InitialDistance = 100;

} // namespace

QTime GameTimes::elapsed() const {
    constexpr int MillisecondsPerDay = 24 * 60 * 60 * 1000;
    int milliseconds = start.msecsTo(end);
    if (milliseconds < 0) {
        milliseconds += MillisecondsPerDay;
    }
    return QTime(0, 0).addMSecs(milliseconds);
}

GameController::GameController(const ControllerPorts& ports, QObject* parent)
    : QObject(parent), m_ports(ports) {
    m_record.playerName.clear();
    m_record.state = GameState::NotStarted;
    connect(this, &GameController::eventApplied, this, &GameController::prepareNextTurn,
            Qt::QueuedConnection);
}

bool GameController::isGameInProgress() const {
    return m_record.state != GameState::NotStarted && m_record.state != GameState::GameOver &&
           m_record.state != GameState::Goal;
}

void GameController::dropQueuedReports() {
    // A tick of the drum or the view can land in the same turn of the event
    // loop as the menu command that ends its game, so its last step, result
    // or end can still be queued here. None of it may reach the next game: a
    // stale end would offer a spin during the entry, a stale step would move
    // the new heroine.
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
}

void GameController::showStatus() {
    StatusPanel& panel = m_ports.statusPanel;
    panel.setPlayerName(m_record.playerName);
    panel.setStamina(m_record.stamina);
    panel.setDrumSettings(m_record.arrowRow, m_record.rotationWidth, m_record.spinInterval);
    panel.setDistanceToGoal(InitialDistance);
}

void GameController::startGame(const GameRecord& settings) {
    dropQueuedReports();
    m_record = settings;
    showStatus();
    m_ports.drum.reset();
    m_ports.courseView.reset();
    m_ports.remarks.clearLines();
    m_times = GameTimes{m_ports.clock.now(), QTime()};

    m_ports.drum.setUp(m_record);
    m_ports.drum.setIdle();
    m_ports.courseView.setUp(m_record);
    m_ports.courseView.startEntry();
}

void GameController::abandonGame() {
    m_ports.drum.stopSpin();
    m_ports.courseView.stopAnimation();
    dropQueuedReports();
}

void GameController::drumStopped(int number) {
    m_ports.drum.setIdle();
    m_ports.courseView.startWalk(number);
}

void GameController::eventConfirmed(SquareKind kind) {
    applyEvent(kind);
}

void GameController::animationFinished() {
    settleSquare();
}

void GameController::applyEvent(SquareKind kind) {
    const std::int32_t param = m_ports.course.paramAt(m_record.currentSquare, m_record.currentRow);
    switch (kind) {
    case SquareKind::Start:
        m_ports.drum.setUp(m_record);
        break;
    case SquareKind::Remark:
        finishEvent();
        break;
    case SquareKind::Lucky:
        applyLucky(m_record, param);
        m_ports.drum.setUp(m_record);
        finishEvent();
        break;
    case SquareKind::StaminaUp:
        m_record.stamina += param;
        m_ports.statusPanel.setStamina(m_record.stamina);
        finishEvent();
        break;
    case SquareKind::Forward:
        m_ports.drum.setIdle();
        m_ports.courseView.forwardWalk(param);
        break;
    case SquareKind::Back:
        m_ports.drum.setIdle();
        m_ports.courseView.backWalk(param);
        break;
    case SquareKind::Empty:
    case SquareKind::Goal:
        break;
    }
}

void GameController::finishEvent() {
    m_ports.courseView.showPose(restFrame(m_record));
    m_ports.drum.setIdle();
    m_record.state = GameState::EventApplied;
    emit eventApplied();
}

void GameController::settleSquare() {
    if (m_record.stamina <= 0) {
        return;
    }
    showSquareMessages(m_ports.remarks, m_ports.course, m_record.currentSquare,
                       m_record.currentRow);
    const SquareKind kind = m_ports.course.kindAt(m_record.currentSquare, m_record.currentRow);
    if (m_record.messageCheck == MessageCheck::None) {
        applyEvent(kind);
    } else {
        m_ports.drum.offerEvent(kind);
    }
}

void GameController::squareWalked(int step) {
    m_record.currentSquare += step;
    m_record.stamina -= 1;
    m_ports.statusPanel.setDistanceToGoal(GoalSquare - m_record.currentSquare);
    m_ports.statusPanel.setStamina(m_record.stamina);

    if (m_record.stamina <= 0) {
        m_ports.courseView.freezeAtGameOver();
        m_record.state = GameState::GameOver;
        m_ports.drum.setIdle();
        showLines(m_ports.remarks, gameOverMessage());
        m_ports.results.showGameOver(m_record);
    }
    if (m_record.currentSquare >= GoalSquare) {
        m_times.end = m_ports.clock.now();
        m_ports.courseView.freezeAtGoal();
        m_record.state = GameState::Goal;
        m_ports.drum.setIdle();
        showSquareMessages(m_ports.remarks, m_ports.course, m_record.currentSquare,
                           m_record.currentRow);
        m_ports.results.showGoalResult(m_record, m_times);
    }
}

void GameController::prepareNextTurn() {
    m_ports.drum.setUp(m_record);
    m_ports.courseView.setUp(m_record);
    m_record.state = GameState::TurnReady;
}
