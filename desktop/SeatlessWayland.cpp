#include "SeatlessWayland.h"

#include <QByteArray>
#include <cstring>
#include <wayland-client.h>

namespace {

const char* const SeatInterface = "wl_seat";

void onGlobal(void* data, wl_registry*, uint32_t, const char* interface, uint32_t) {
    if (std::strcmp(interface, SeatInterface) == 0) {
        *static_cast<bool*>(data) = true;
    }
}

void onGlobalRemoved(void*, wl_registry*, uint32_t) {}

const wl_registry_listener RegistryListener = {onGlobal, onGlobalRemoved};

bool platformMayBeWayland() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return platform.isEmpty() || platform.startsWith("wayland");
}

} // namespace

bool waylandCompositorHasSeat() {
    // An inherited socket can be taken by one connection only: Qt's. And a
    // relative name without a runtime folder leads nowhere; the library would
    // print an error line on every start under X.
    if (qEnvironmentVariableIsSet("WAYLAND_SOCKET") ||
        (!qgetenv("WAYLAND_DISPLAY").startsWith('/') &&
         qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))) {
        return true;
    }
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        return true;
    }
    bool seatSeen = false;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &RegistryListener, &seatSeen);
    // One round trip brings every global the compositor has at start.
    const bool answered = wl_display_roundtrip(display) >= 0;
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return seatSeen || !answered;
}

void chooseInputMethodWithoutSeat() {
    if (qEnvironmentVariableIsSet("QT_IM_MODULE") || !platformMayBeWayland()) {
        return;
    }
    if (!waylandCompositorHasSeat()) {
        qputenv("QT_IM_MODULE", "compose");
    }
}
