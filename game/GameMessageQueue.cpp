#include "GameMessageQueue.h"

#include "GameController.h"

void GameMessageQueue::postGameMessage(GameMessage message, std::int32_t wParam,
                                       std::int32_t lParam) {
    m_messages.push_back(Message{message, wParam, lParam});
}

bool GameMessageQueue::deliverNext(GameController& controller) {
    if (m_messages.empty()) {
        return false;
    }
    const Message next = m_messages.front();
    m_messages.pop_front();
    dispatchGameMessage(controller, next.id, next.wParam, next.lParam);
    return true;
}
