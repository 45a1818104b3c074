#include "panel/EditBox.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kEditId = 1013;

class EditBoxTest : public testing::Test {
protected:
    void SetUp() override {
        m_parent = CreateWindowExW(0, L"STATIC", L"parent", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(m_parent, nullptr);
        ASSERT_NE(m_edit.Create(L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10, 200, 20,
                                m_parent, reinterpret_cast<HMENU>(kEditId), nullptr),
                  nullptr);
    }
    void TearDown() override { DestroyWindow(m_parent); }

    std::wstring Text() const {
        wchar_t text[256];
        return std::wstring(text, static_cast<std::size_t>(m_edit.GetText(text, 256)));
    }
    void Type(const std::wstring& keys) const {
        for (const wchar_t key : keys)
            m_edit.SendMessage(WM_CHAR, key, 1);
    }

    HWND m_parent = nullptr;
    EditBox m_edit{kEditId};
};

TEST_F(EditBoxTest, LimitTextSetsTheLimitInCharacters) {
    for (const int limit : {1, 5, 19, 250}) {
        m_edit.LimitText(limit);
        EXPECT_EQ(m_edit.SendMessage(EM_GETLIMITTEXT, 0, 0), limit);
    }
}

TEST_F(EditBoxTest, TypedAndPastedTextStopsAtTheLimit) {
    const struct {
        int limit;
        const wchar_t* typed;
        const wchar_t* pasted;
        const wchar_t* kept;
    } cases[] = {
        {5, L"abcdefg", L"", L"abcde"},
        // The limit counts UTF-16 characters, not the two bytes each takes in a GBK record.
        {5, L"函数函数函数", L"", L"函数函数函"},
        {5, L"ab", L"函数函数", L"ab函数函"},
        {3, L"", L"sin(x)", L"sin"},
    };
    for (const auto& c : cases) {
        m_edit.SetText(L"");
        m_edit.LimitText(c.limit);
        Type(c.typed);
        m_edit.SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(c.pasted));
        EXPECT_EQ(Text(), c.kept) << c.typed << "|" << c.pasted;
    }
}

TEST_F(EditBoxTest, TextSetByTheProgramIsNotCut) {
    // Pages fill their fields from records; a field must show the record as it is.
    m_edit.LimitText(3);
    EXPECT_TRUE(m_edit.SetText(L"FA:y=x^2"));
    EXPECT_EQ(Text(), L"FA:y=x^2");
}

} // namespace
