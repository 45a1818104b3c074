#pragma once

#include <algorithm>
#include <vector>

// Which object answers the messages of which window: the OpenGL window's object, and the page
// behind each side-panel dialog. Only a handful of windows live at once, so a plain array
// searched from the front is enough; the first pair of a handle wins.
template <typename Handle, typename Object>
class WindowTable {
public:
    void Add(Handle handle, Object* object) { m_pairs.push_back({handle, object}); }

    // Drops the first pair of the handle; the pairs after it move down.
    void Remove(Handle handle) {
        const auto pair = Locate(handle);
        if (pair != m_pairs.end())
            m_pairs.erase(pair);
    }

    Object* Find(Handle handle) const {
        const auto pair = Locate(handle);
        return pair != m_pairs.end() ? pair->object : nullptr;
    }

private:
    struct Pair {
        Handle handle;
        Object* object;
    };

    auto Locate(Handle handle) const {
        return std::find_if(m_pairs.begin(), m_pairs.end(),
                            [handle](const Pair& pair) { return pair.handle == handle; });
    }

    std::vector<Pair> m_pairs;
};
