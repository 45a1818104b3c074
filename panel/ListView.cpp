#include "panel/ListView.h"

#include <cwchar>

namespace {

// The records' text members are writable because LVM_GET… messages fill them; the insert and set
// messages only read the text, so a caller's constant text can go in as it is.
wchar_t* TextOf(const wchar_t* text) {
    return const_cast<wchar_t*>(text);
}

int LengthOf(const wchar_t* text) {
    return text != nullptr ? static_cast<int>(std::wcslen(text)) : 0;
}

} // namespace

HWND ListView::CreateList(int id, DWORD style, int x, int y, int width, int height, HWND parent) {
    m_id = id;
    return Create(WC_LISTVIEWW, nullptr, style, x, y, width, height, parent,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr);
}

int ListView::InsertColumn(UINT mask, int format, int width, const wchar_t* text, int column,
                           int subItem) const {
    LVCOLUMNW record = {};
    record.mask = mask;
    record.fmt = format;
    record.cx = width;
    record.pszText = TextOf(text);
    record.cchTextMax = LengthOf(text);
    record.iSubItem = subItem;
    return static_cast<int>(
        SendMessage(LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&record)));
}

int ListView::InsertItem(UINT mask, int item, int subItem, UINT state, UINT stateMask, const wchar_t* text,
                         int image, LPARAM data) const {
    LVITEMW record = {};
    record.mask = mask;
    record.iItem = item;
    record.iSubItem = subItem;
    record.state = state;
    record.stateMask = stateMask;
    record.pszText = TextOf(text);
    record.cchTextMax = LengthOf(text);
    record.iImage = image;
    record.lParam = data;
    return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&record)));
}

BOOL ListView::SetItemText(int item, int subItem, const wchar_t* text) const {
    LVITEMW record = {};
    record.iSubItem = subItem;
    record.pszText = TextOf(text);
    return static_cast<BOOL>(
        SendMessage(LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&record)));
}

int ListView::GetItemText(int item, int subItem, wchar_t* buffer, int capacity) const {
    LVITEMW record = {};
    record.iSubItem = subItem;
    record.pszText = buffer;
    record.cchTextMax = capacity;
    return static_cast<int>(
        SendMessage(LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&record)));
}

BOOL ListView::SetItemImage(int item, int image) const {
    LVITEMW record = {};
    record.mask = LVIF_IMAGE;
    record.iItem = item;
    record.iImage = image;
    return static_cast<BOOL>(SendMessage(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&record)));
}

BOOL ListView::DeleteItem(int item) const {
    return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(item), 0));
}

BOOL ListView::SetColumnWidth(int column, int width) const {
    return static_cast<BOOL>(
        SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0)));
}

BOOL ListView::EnsureVisible(int item) const {
    return static_cast<BOOL>(SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), FALSE));
}

int ListView::GetItemCount() const {
    return static_cast<int>(SendMessage(LVM_GETITEMCOUNT, 0, 0));
}

int ListView::GetSelectionMark() const {
    return static_cast<int>(SendMessage(LVM_GETSELECTIONMARK, 0, 0));
}

int ListView::GetSelectedItem() const {
    return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

LPARAM ListView::GetItemData(int item) const {
    LVITEMW record = {};
    record.mask = LVIF_PARAM;
    record.iItem = item;
    SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&record));
    return record.lParam;
}

BOOL ListView::SetItemData(int item, LPARAM value) const {
    LVITEMW record = {};
    record.mask = LVIF_PARAM;
    record.iItem = item;
    record.lParam = value;
    return static_cast<BOOL>(SendMessage(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&record)));
}

BOOL ListView::SetBkColor(COLORREF colour) const {
    return static_cast<BOOL>(SendMessage(LVM_SETBKCOLOR, 0, static_cast<LPARAM>(colour)));
}

BOOL ListView::SetTextColor(COLORREF colour) const {
    return static_cast<BOOL>(SendMessage(LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(colour)));
}

BOOL ListView::SetTextBkColor(COLORREF colour) const {
    return static_cast<BOOL>(SendMessage(LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(colour)));
}

HIMAGELIST ListView::SetImageList(HIMAGELIST imageList, int which) const {
    return reinterpret_cast<HIMAGELIST>(
        SendMessage(LVM_SETIMAGELIST, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(imageList)));
}
