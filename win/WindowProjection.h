#pragma once

// The projection the main window sets over its whole client area on every resize: a perspective
// of this vertical field of view and depth range, with the client area's aspect. The widgets never
// change it, so the plot view's arithmetic on the processor uses the same numbers.
inline constexpr double kFieldOfView = 45.0; // degrees, top to bottom
inline constexpr double kNearPlane = 0.1;
inline constexpr double kFarPlane = 100.0;
