#include "model/GraphRecords.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(FieldText, StopsAtTheNulOrTheEndOfTheField) {
    char name[kNameSize];
    std::memcpy(name, "ABCDEFGHIJ", kNameSize); // a hand-made file may leave no NUL
    EXPECT_EQ(FieldText(name), "ABCDEFGHIJ");
    SetFieldText(name, "FA");
    EXPECT_EQ(FieldText(name), "FA");
    for (std::size_t i = 2; i < kNameSize; ++i)
        EXPECT_EQ(name[i], '\0');
    SetFieldText(name, "ABCDEFGHIJKLMN");
    EXPECT_EQ(FieldText(name), "ABCDEFGHI");
}

} // namespace
