#pragma once

#include "panel/WindowBase.h"

#include <commctrl.h>

// A list view control: the application's graph list, created here, or a list of a page template.
// Each operation sends one message and passes its result back unchanged. Texts given as null
// leave the record's text pointer null.
class ListView : public WindowBase {
public:
    using WindowBase::WindowBase;

    // Keeps the id and creates a "SysListView32" child with it as the control id. The common
    // controls must have been initialised.
    HWND CreateList(int id, DWORD style, int x, int y, int width, int height, HWND parent);

    // Returns the new column's index, or -1.
    int InsertColumn(UINT mask, int format, int width, const wchar_t* text, int column, int subItem) const;
    BOOL SetColumnWidth(int column, int width) const;
    // Returns the new item's index, or -1.
    int InsertItem(UINT mask, int item, int subItem, UINT state, UINT stateMask, const wchar_t* text,
                   int image, LPARAM data) const;
    BOOL SetItemText(int item, int subItem, const wchar_t* text) const;
    // Returns the length copied, without the terminating NUL.
    int GetItemText(int item, int subItem, wchar_t* buffer, int capacity) const;
    // The graph list rows show their graph's kind as the image index and are rewritten in place,
    // so an existing row's image must change without touching its text.
    BOOL SetItemImage(int item, int image) const;
    BOOL DeleteItem(int item) const;
    int GetItemCount() const;
    // -1 when nothing is selected.
    int GetSelectionMark() const;
    // The item selected now, or -1: the selection mark can outlive the selection.
    int GetSelectedItem() const;
    // Scrolls the list, if need be, so that the whole item can be seen.
    BOOL EnsureVisible(int item) const;
    // The item's application value; 0 for an item that does not exist.
    virtual LPARAM GetItemData(int item) const;
    // Sets the item's application value only: its text and image stay as they are.
    virtual BOOL SetItemData(int item, LPARAM value) const;

    BOOL SetBkColor(COLORREF colour) const;
    BOOL SetTextColor(COLORREF colour) const;
    // CLR_NONE draws the texts on the list's own background.
    BOOL SetTextBkColor(COLORREF colour) const;
    // Returns the image list that was set before; which is LVSIL_NORMAL, LVSIL_SMALL or LVSIL_STATE.
    HIMAGELIST SetImageList(HIMAGELIST imageList, int which) const;
};
