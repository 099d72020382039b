#include "GameMessageEvent.h"

#include "GameMessages.h"

#include <QCoreApplication>

bool reserveGameMessageTypes() {
    static const bool reserved = [] {
        bool ok = true;
        for (int message : {WM_GAME_EVENT, WM_GAME_STEP, WM_GAME_NEXT}) {
            ok = QEvent::registerEventType(message) == message && ok;
        }
        return ok;
    }();
    return reserved;
}

void QtMessagePoster::postGameMessage(int message, std::int32_t wParam, std::int32_t lParam) {
    if (m_target) {
        QCoreApplication::postEvent(m_target, new GameMessageEvent(message, wParam, lParam));
    }
}
