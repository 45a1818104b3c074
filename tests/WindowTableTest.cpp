#include "win/WindowTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// '+' adds the pair (handle, object) and '-' removes the handle's first pair; then come the objects
// found for handles 1, 2 and 3 ('-' for none). A later pair of a handle is hidden by the first
// until that is removed, and the pairs after a removed one stay reachable once shifted down.
TEST(WindowTable, FindsTheFirstPairOfAHandleAfterEveryAddAndRemove) {
    char a = 'a', b = 'b', c = 'c';
    const struct {
        char operation;
        int handle;
        char* object;
        const char* found;
    } steps[] = {{'-', 1, nullptr, "---"}, {'+', 1, &a, "a--"},      {'+', 2, &b, "ab-"},
                 {'+', 1, &c, "ab-"},      {'+', 3, &c, "abc"},      {'-', 1, nullptr, "cbc"},
                 {'-', 2, nullptr, "c-c"}, {'-', 2, nullptr, "c-c"}, {'-', 1, nullptr, "--c"}};
    WindowTable<int, char> table;
    const auto found = [&table](int handle) {
        return table.Find(handle) != nullptr ? *table.Find(handle) : '-';
    };
    for (const auto& step : steps) {
        if (step.operation == '+')
            table.Add(step.handle, step.object);
        else
            table.Remove(step.handle);
        EXPECT_EQ((std::string{found(1), found(2), found(3)}), step.found) << step.operation << step.handle;
    }
}

} // namespace
