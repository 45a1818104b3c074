#include "panel/Label.h"

#include <gtest/gtest.h>

#include <cwchar>

namespace {

TEST(Label, CreatedAsAStaticChildItShowsTheTextItIsGiven) {
    const HWND parent = CreateWindowExW(0, L"STATIC", L"parent", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent, nullptr);
    Label label;
    // As the application creates its value labels.
    const HWND window =
        label.Create(L"STATIC", nullptr, WS_CHILD | WS_VISIBLE, 49, 550, 150, 16, parent, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(label.Window(), window);
    EXPECT_EQ(GetParent(window), parent);
    wchar_t className[16];
    ASSERT_GT(GetClassNameW(window, className, 16), 0);
    EXPECT_STREQ(className, L"Static");

    wchar_t text[64];
    EXPECT_EQ(label.GetText(text, 64), 0);
    const wchar_t* texts[] = {L"-10.000--10.000", L"12.50 / 0.30", L"欢迎使用\n小助手：左边的图标", L""};
    for (const wchar_t* shown : texts) {
        EXPECT_TRUE(label.SetText(shown));
        EXPECT_EQ(label.GetText(text, 64), static_cast<int>(std::wcslen(shown)));
        EXPECT_STREQ(text, shown);
    }
    DestroyWindow(parent);
}

} // namespace
