#pragma once

#include "GamePorts.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <cstdint>

// A private game message as a Qt event whose type is the message number itself.
class GameMessageEvent : public QEvent {
public:
    GameMessageEvent(GameMessage message, std::int32_t wParam, std::int32_t lParam)
        : QEvent(static_cast<QEvent::Type>(messageNumber(message))), wParam(wParam),
          lParam(lParam) {}

    GameMessage message() const { return static_cast<GameMessage>(type()); }

    const std::int32_t wParam;
    const std::int32_t lParam;
};

// Reserves the three message numbers with Qt so that nothing else can take
// them; false if any of them was already taken.
bool reserveGameMessageTypes();

// Posts game messages to one window through Qt's event queue: always queued,
// delivered in the order posted.
class QtMessagePoster : public MessagePoster {
public:
    explicit QtMessagePoster(QObject* target) : m_target(target) {}
    void postGameMessage(GameMessage message, std::int32_t wParam, std::int32_t lParam) override;

private:
    QPointer<QObject> m_target;
};
