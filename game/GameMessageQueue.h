#pragma once

#include "GamePorts.h"

#include <cstdint>
#include <deque>

class GameController;

// A plain FIFO of posted game messages, for running games without a window.
class GameMessageQueue : public MessagePoster {
public:
    struct Message {
        GameMessage id = GameMessage::Event;
        std::int32_t wParam = 0;
        std::int32_t lParam = 0;
    };

    void postGameMessage(GameMessage message, std::int32_t wParam, std::int32_t lParam) override;

    bool empty() const { return m_messages.empty(); }
    std::size_t size() const { return m_messages.size(); }
    const std::deque<Message>& pending() const { return m_messages; }
    void clear() { m_messages.clear(); }

    // Removes the oldest message and hands it to the controller; false when empty.
    bool deliverNext(GameController& controller);

private:
    std::deque<Message> m_messages;
};
