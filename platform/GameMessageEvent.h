#pragma once

#include "GamePorts.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <cstdint>

// A private game message as a Qt event whose type is the message number itself.
class GameMessageEvent : public QEvent {
public:
    GameMessageEvent(int message, std::int32_t wParam, std::int32_t lParam)
        : QEvent(static_cast<QEvent::Type>(message)), WParam(wParam), LParam(lParam) {}

    const std::int32_t WParam;
    const std::int32_t LParam;
};

// Reserves the three message numbers with Qt so that nothing else can take
// them; false if any of them was already taken.
bool ReserveGameMessageTypes();

// Posts game messages to one window through Qt's event queue: always queued,
// delivered in the order posted.
class QtMessagePoster : public MessagePoster {
public:
    explicit QtMessagePoster(QObject* target) : target_(target) {}
    void PostGameMessage(int message, std::int32_t wParam, std::int32_t lParam) override;

private:
    QPointer<QObject> target_;
};
