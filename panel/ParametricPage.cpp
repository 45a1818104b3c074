#include "panel/ParametricPage.h"

#include "panel/BoxText.h"
#include "panel/GraphPageFields.h"

#include <string>

ParametricGraph ParametricPage::NewRecord(const GraphStore& store, std::int32_t kind) const {
    ParametricGraph record;
    store.parametrics.CreateDefault(record, kind);
    return record;
}

const RecordFields<ParametricGraph>& ParametricPage::Fields() const {
    return ParametricPageFields();
}

INT_PTR ParametricPage::OnCommand(int id, int code, LPARAM lParam) {
    if (code == EN_CHANGE && (id == IDC_X_EXPRESSION || id == IDC_Y_EXPRESSION || id == IDC_Z_EXPRESSION))
        RemoveSeparators(id);
    return GraphPage::OnCommand(id, code, lParam);
}

void ParametricPage::RemoveSeparators(int boxId) const {
    const HWND box = GetItem(boxId);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(box, text.data(), static_cast<int>(text.size()))));
    DWORD start = 0;
    DWORD end = 0;
    ::SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    std::size_t caret = end;
    // Setting the text changes it once more, now without any '&'.
    if (RemoveCharacter(text, L'&', caret)) {
        SetWindowTextW(box, text.c_str());
        ::SendMessageW(box, EM_SETSEL, caret, caret);
    }
}
