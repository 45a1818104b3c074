#include "glui/ControlColumn.h"

#include "glui/ColumnDrawing.h"

void ControlColumn::DrawBackground() { DrawColumnBackdrop(0.0f, 0.0f, 1.0f); }
