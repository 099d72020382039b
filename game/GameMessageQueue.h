#pragma once

#include "GamePorts.h"

#include <cstdint>
#include <deque>

class GameController;

// A plain FIFO of posted game messages, for running games without a window.
class GameMessageQueue : public MessagePoster {
public:
    struct Message {
        int Id = 0;
        std::int32_t WParam = 0;
        std::int32_t LParam = 0;
    };

    void PostGameMessage(int message, std::int32_t wParam, std::int32_t lParam) override;

    bool Empty() const { return messages_.empty(); }
    std::size_t Size() const { return messages_.size(); }
    const std::deque<Message>& Pending() const { return messages_; }
    void Clear() { messages_.clear(); }

    // Removes the oldest message and hands it to the controller; false when empty.
    bool DeliverNext(GameController& controller);

private:
    std::deque<Message> messages_;
};
