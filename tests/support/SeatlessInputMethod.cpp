// The tests make the same input-method choice as the program, before their
// application object exists, so that they can type into line edits on a
// Wayland compositor without a seat.
#include "SeatlessWayland.h"

namespace {

const bool inputMethodChosen = [] {
    chooseInputMethodWithoutSeat();
    return true;
}();

} // namespace
