#pragma once

class QLabel;
class QWidget;

// The form layouts ask for fonts and colours through dynamic properties, since
// a layout file has no pixel font heights:
//   fontPixelHeight (int)  the game font at that pixel height
//   fontBold (bool)        ... in bold
//   blackText (bool)       text drawn in black, whatever the desktop's colours
// applyFormStyle honours them on the form and all its children, makes every
// label show its text literally (no rich text), and fits every label to its text.
void applyFormStyle(QWidget* form);

// Widens a label whose text is wider than its designed width, as auto-sizing
// labels do: a right-aligned label keeps its right edge, any other its left
// edge. It never becomes smaller than designed, so a later short text fits the
// designed place again. Call it after changing the text.
void fitLabelToText(QLabel* label);
