#pragma once

// The classic desktop colours the game's panels are drawn in: window and button
// faces in the same grey as the bevelled panels, so the main window and the
// dialogs read as one surface.
void applyClassicPalette();
