#include "glui/ItemHover.h"

#include <algorithm>
#include <cstddef>

bool ItemHover::MouseMove(std::span<const ClientRect> items, int x, int y) {
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        if (Contains(items[i], x, y)) {
            const bool entered = i != m_index;
            m_index = i;
            return entered;
        }
    }
    m_index = -1;
    return false;
}

bool ItemHover::MouseMoveOverColumn(int left, int right, int count, int x, int y) {
    const auto items = ColumnItemRects(left, right);
    const auto tested = static_cast<std::size_t>(std::clamp(count, 0, kColumnItemCount));
    return MouseMove(std::span(items).first(tested), x, y);
}
