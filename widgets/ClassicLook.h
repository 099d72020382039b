#pragma once

// The program's look, set before its first window: the desktop's style with
// its rarely shown icons decoded when first drawn (DeferredIconStyle), in the
// classic desktop colours the game's panels are drawn in: window and button
// faces in the same grey as the bevelled panels, so the main window and the
// dialogs read as one surface.
void applyClassicLook();
