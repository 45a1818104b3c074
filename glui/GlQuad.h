#pragma once

// Quads in a plane of constant z, from (left, bottom) to (right, top), listed bottom-left,
// top-left, top-right, bottom-right.

// With the whole bound texture stretched over it, t = 0 at the bottom.
void DrawTexturedQuad(float left, float bottom, float right, float top, float z);
// Without texture coordinates: every corner takes the current one.
void DrawPlainQuad(float left, float bottom, float right, float top, float z);
