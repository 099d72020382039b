#include "GameMessageEvent.h"

#include "GameMessages.h"

#include <QCoreApplication>

bool reserveGameMessageTypes() {
    static const bool reserved = [] {
        bool ok = true;
        for (GameMessage message : AllGameMessages) {
            const int number = messageNumber(message);
            ok = QEvent::registerEventType(number) == number && ok;
        }
        return ok;
    }();
    return reserved;
}

void QtMessagePoster::postGameMessage(GameMessage message, std::int32_t wParam,
                                      std::int32_t lParam) {
    if (m_target) {
        QCoreApplication::postEvent(m_target, new GameMessageEvent(message, wParam, lParam));
    }
}
