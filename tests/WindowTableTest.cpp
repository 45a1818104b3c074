#include "app/WindowTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Handles stand for window handles; objects are named by letters, '-' for none.
struct Object {
    char name;
};

char NameOf(const Object* object) {
    return object != nullptr ? object->name : '-';
}

TEST(WindowTable, FindsTheFirstPairOfAHandleAfterEveryAddAndRemove) {
    Object a{'a'}, b{'b'}, c{'c'};
    const struct {
        char operation; // '+' adds (handle, object), '-' removes the handle's first pair
        int handle;
        Object* object;
        const char* found; // the objects found for handles 1, 2 and 3 afterwards
    } steps[] = {
        {'-', 1, nullptr, "---"}, {'+', 1, &a, "a--"},      {'+', 2, &b, "ab-"},
        {'+', 1, &c, "ab-"}, // a later pair of the same handle is hidden by the first
        {'+', 3, &c, "abc"},      {'-', 1, nullptr, "cbc"}, // removing the first pair uncovers the second
        {'-', 2, nullptr, "c-c"}, // the pairs after it stay reachable once shifted down
        {'-', 2, nullptr, "c-c"}, {'-', 1, nullptr, "--c"}, {'+', 2, &a, "-ac"},
        {'-', 3, nullptr, "-a-"},
    };
    WindowTable<int, Object> table;
    for (const auto& step : steps) {
        if (step.operation == '+')
            table.Add(step.handle, step.object);
        else
            table.Remove(step.handle);
        const std::string found{NameOf(table.Find(1)), NameOf(table.Find(2)), NameOf(table.Find(3))};
        EXPECT_EQ(found, step.found) << step.operation << step.handle;
    }
}

} // namespace
