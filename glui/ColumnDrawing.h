#pragma once

// Drawing shared by the two button columns, ButtonColumn and ControlColumn. Both expect the
// column's viewport and a saved modelview matrix (GlControl::Begin).

// A quad behind the buttons that fades from the given colour at the bottom to white at the top.
void DrawColumnBackdrop(float red, float green, float blue);
// Button 0 to 6 from the top with its picture (0: untextured), tinted while hovered.
void DrawColumnItem(int index, unsigned int texture, bool hovered);
