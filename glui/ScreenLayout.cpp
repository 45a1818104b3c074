#include "glui/ScreenLayout.h"

namespace {

constexpr Viewport kAreaViewports[kScreenAreaCount] = {
    {0, 550, 300, 50},   // title
    {300, 550, 500, 50}, // guide and exit
    {500, 0, 300, 50},   // progress
    {750, 50, 50, 500},  // list operations
    {350, 0, 150, 50},   // rotation
    {0, 0, 200, 50},     // coordinate system
    {0, 50, 500, 500},   // plot
    {500, 50, 50, 500},  // controls
    {200, 0, 150, 50},   // position
};

// Column items are 50 pixels high at a pitch of 72, the first 5 pixels below the column's top.
constexpr int kColumnItemTop = 55;
constexpr int kColumnItemHeight = 50;
constexpr int kColumnItemPitch = 72;

} // namespace

Viewport AreaViewport(ScreenArea area) {
    return kAreaViewports[static_cast<int>(area)];
}

ClientRect ToClientRect(const Viewport& viewport) {
    const int top = kWindowHeight - viewport.y - viewport.height;
    return {viewport.x, top, viewport.x + viewport.width, top + viewport.height};
}

ClientRect AreaClientRect(ScreenArea area) {
    return ToClientRect(AreaViewport(area));
}

bool Contains(const ClientRect& rect, int x, int y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

std::optional<ScreenArea> AreaAt(int x, int y) {
    for (int i = 0; i < kScreenAreaCount; ++i) {
        const auto area = static_cast<ScreenArea>(i);
        if (Contains(AreaClientRect(area), x, y))
            return area;
    }
    return std::nullopt;
}

std::array<ClientRect, kColumnItemCount> ColumnItemRects(int left, int right) {
    std::array<ClientRect, kColumnItemCount> items{};
    for (int i = 0; i < kColumnItemCount; ++i) {
        const int top = kColumnItemTop + kColumnItemPitch * i;
        items[i] = {left, top, right, top + kColumnItemHeight};
    }
    return items;
}
