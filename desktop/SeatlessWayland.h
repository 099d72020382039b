#pragma once

// Qt 6.4's Wayland input method reaches for the compositor's seat whenever a
// line edit commits text (Enter does), and crashes where the compositor has
// no seat at all, as a headless compositor has not. Without a seat nothing
// can be typed anyway, so there the plain compose input method is chosen
// instead. Runs before the application object is made, as Qt picks its input
// method then; leaves an input method chosen by the user alone.
void chooseInputMethodWithoutSeat();

// Whether the Wayland compositor named by WAYLAND_DISPLAY (or the default
// one) announces a seat. Nothing to connect to counts as having one: the
// program will not run on Wayland then.
bool waylandCompositorHasSeat();
