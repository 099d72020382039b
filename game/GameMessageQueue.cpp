#include "GameMessageQueue.h"

#include "GameController.h"

void GameMessageQueue::PostGameMessage(int message, std::int32_t wParam, std::int32_t lParam) {
    messages_.push_back(Message{message, wParam, lParam});
}

bool GameMessageQueue::DeliverNext(GameController& controller) {
    if (messages_.empty()) {
        return false;
    }
    const Message next = messages_.front();
    messages_.pop_front();
    DispatchGameMessage(controller, next.Id, next.WParam, next.LParam);
    return true;
}
