#pragma once

#include <array>
#include <optional>

// The fixed layout of the 800 x 600 main window: where each widget draws and where the mouse
// finds it. The window never changes size, so every rectangle is a fixed number of pixels.

inline constexpr int kWindowWidth = 800;
inline constexpr int kWindowHeight = 600;

// An OpenGL viewport: origin at the bottom-left corner of the client area, y up.
struct Viewport {
    int x;
    int y;
    int width;
    int height;

    friend bool operator==(const Viewport&, const Viewport&) = default;
};

// A rectangle in client coordinates (origin top-left, y down). Like PtInRect, the left and top
// edges are inside and the right and bottom edges outside.
struct ClientRect {
    int left;
    int top;
    int right;
    int bottom;

    friend bool operator==(const ClientRect&, const ClientRect&) = default;
};

// The areas in the order the application stores them; the help text of an area is string
// number area + 1.
enum class ScreenArea {
    Title,
    GuideExit,
    Progress,
    ListOperations,
    Rotation,
    CoordSystem,
    Plot,
    Controls,
    Position
};
inline constexpr int kScreenAreaCount = 9;

Viewport AreaViewport(ScreenArea area);
ClientRect ToClientRect(const Viewport& viewport);
ClientRect AreaClientRect(ScreenArea area);
bool Contains(const ClientRect& rect, int x, int y);
// The first area in table order that contains the client point; none over the strip of the
// graph list and outside the window.
std::optional<ScreenArea> AreaAt(int x, int y);

// Hover rectangles of the widgets, in client coordinates.
inline constexpr int kColumnItemCount = 7;
// A column's items follow its viewport's x and width as of its last Draw.
std::array<ClientRect, kColumnItemCount> ColumnItemRects(int left, int right);
inline constexpr std::array<ClientRect, 2> kCornerButtonRects{{
    {310, 0, 375, 50}, // guide
    {730, 0, 795, 50}, // exit
}};
inline constexpr ClientRect kCoordSystemIconRect{0, 550, 50, 600};
inline constexpr ClientRect kPositionIconRect{200, 550, 250, 600};
inline constexpr ClientRect kRotationIconRect{350, 550, 400, 600};

// The graph list between the control column and the list column.
inline constexpr ClientRect kGraphListRect{550, 52, 750, 550};

// Where every side-panel page lies: over the graph list and the list column, the 166 by 332 dialog
// units of its template at (367, 34) from the main window's client origin, in the pages' font,
// SimSun 9, whose dialog unit is 1.5 pixels.
inline constexpr ClientRect kPageRect{550, 51, 799, 549};
