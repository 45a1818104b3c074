#include "panel/EditBox.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(EditBox, TypedAndPastedTextStopsAtTheLimitInUtf16CharactersAndTheProgramsTextDoesNot) {
    const HWND parent = CreateWindowExW(0, L"STATIC", L"parent", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    EditBox edit{1013};
    ASSERT_NE(edit.Create(L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10, 200, 20, parent,
                          reinterpret_cast<HMENU>(1013), nullptr),
              nullptr);
    const struct {
        int limit;
        const wchar_t* typed;
        const wchar_t* pasted;
        const wchar_t* kept;
    } cases[] = {
        // Not the two bytes each takes in a GBK record.
        {5, L"函数函数函数", L"", L"函数函数函"},
        {5, L"ab", L"函数函数", L"ab函数函"},
    };
    wchar_t text[64];
    for (const auto& c : cases) {
        edit.SetText(L"");
        edit.LimitText(c.limit);
        for (const wchar_t* key = c.typed; *key != L'\0'; ++key)
            edit.SendMessage(WM_CHAR, *key, 1);
        edit.SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(c.pasted));
        EXPECT_EQ(std::wstring(text, edit.GetText(text, 64)), c.kept) << c.typed << "|" << c.pasted;
    }
    // Pages fill their fields from records; a field must show the record as it is.
    EXPECT_TRUE(edit.SetText(L"FA:y=x^2"));
    EXPECT_EQ(std::wstring(text, edit.GetText(text, 64)), L"FA:y=x^2");
    DestroyWindow(parent);
}

} // namespace
