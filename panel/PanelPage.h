#pragma once

#include "panel/ListView.h"
#include "panel/RecordFields.h"
#include "panel/WindowBase.h"
#include "win/GdiObject.h"

#include <string>
#include <vector>

// Base of the side-panel pages: a dialog from a page template, shown modeless one at a time over
// the right of the main window (or modal, for the splash). The dialog procedure turns the
// dialog's messages into the virtual handlers below; the base paints the panel's colours, runs
// the image buttons (bitmap statics that lift under the mouse and report clicks as commands) and
// carries records' fields between the controls and the records.
class PanelPage : public WindowBase {
public:
    PanelPage();
    // Destroys a dialog still open, after unbinding it, so that it never reaches a dead page.
    ~PanelPage() override;

    // Closes the page shown now, then creates this page's dialog from the template, laid over the
    // right of the main window whoever owns it; returns the dialog, or null when creation failed.
    HWND OpenPage(int templateId, HWND parent, LPARAM parameter);
    // The dialog of the page shown now, or null: the message loop gives it the dialog keys (Tab).
    static HWND ShownPageWindow();
    // Runs the template as a modal dialog; returns the result it was ended with.
    INT_PTR RunModal(int templateId, HWND parent, LPARAM parameter);
    // Destroys the page's controls and ends the dialog, which stays alive but hidden, so that a
    // follow-up page it owns goes on working.
    void ClosePage(INT_PTR result);

    // Whether a command is a click: a button's BN_CLICKED or an image button's click. Edit boxes
    // send their notifications under their ids too.
    static bool IsClick(int code);

    // Sends the page WM_CLOSE, which hides it.
    void Close() const;

    // Registers a bitmap static of the template as the next image button.
    void AddImageButton(int controlId);
    // The index of the image button under a point of the page's client area, or -1.
    int ButtonAt(int x, int y) const;

protected:
    virtual INT_PTR OnDrawItem(WPARAM wParam, LPARAM lParam);
    virtual INT_PTR OnPaint();
    virtual INT_PTR OnNotify(NMHDR* header);
    virtual INT_PTR OnMove(int x, int y);
    virtual INT_PTR OnContextMenu(HWND window, int x, int y);
    virtual INT_PTR OnCtlColor(HDC dc, HWND control, int kind); // kind: CTLCOLOR_MSGBOX to CTLCOLOR_STATIC
    virtual INT_PTR OnMouseMove(int flags, int x, int y);
    // Control notifications, and image-button clicks as (button id, 1, 1).
    virtual INT_PTR OnCommand(int id, int code, LPARAM lParam);
    virtual INT_PTR OnLButtonDown(int flags, int x, int y);
    virtual INT_PTR OnEraseBkgnd(HDC dc);
    virtual INT_PTR OnClose(INT_PTR result);
    // Pages that override it call it too: it sets the title that tells a page from other windows.
    virtual INT_PTR OnInitDialog(LPARAM parameter);

    // Whether the page is still shown in the opening that `opening` was taken from: a modal
    // dialog run from a handler may return after the user has closed or reopened the page.
    unsigned Opening() const { return m_openings; }
    bool IsOpenSince(unsigned opening) const;

    // Shows a record in the page's controls through its field list, and reads it back into the
    // record it was shown from, or into another one given the record as shown.
    template <typename Record>
    void ShowFields(const RecordFields<Record>& fields, const Record& record);
    template <typename Record>
    void ReadFields(const RecordFields<Record>& fields, Record& record) const;
    template <typename Record>
    void ReadFields(const RecordFields<Record>& fields, const Record& shown, Record& record) const;
    // What the controls of a field list hold, for a page that checks it before storing it.
    template <typename Record>
    PageForm ReadForm(const RecordFields<Record>& fields) const;

    void SetItemText(int controlId, const wchar_t* text) const;
    // Binds a list view of the template and colours it as the page's boxes.
    void AttachList(ListView& list, int controlId) const;
    // A box's whole text, in GBK.
    std::string BoxText(int controlId) const;

    GdiObject<HBRUSH> m_backgroundBrush;
    GdiObject<HBRUSH> m_editBrush;
    GdiObject<HBRUSH> m_highlightBrush;
    COLORREF m_backgroundColour;
    COLORREF m_editBackgroundColour;
    COLORREF m_textColour;
    COLORREF m_highlightColour;
    COLORREF m_sectionColour;
    std::vector<int> m_imageButtons; // control ids; the index here is the button's index
    int m_hoverIndex = -1;           // the lifted button, -1 for none

private:
    static INT_PTR CALLBACK PageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool ButtonRect(int index, RECT* rect) const;
    void MoveButton(int index, int dx, int dy) const;
    // Moves the new dialog to the page rectangle of the main window that owns it.
    void PlaceOverPanel() const;
    void WriteForm(const PageForm& form) const;

    unsigned m_openings = 0;
};

template <typename Record>
void PanelPage::ShowFields(const RecordFields<Record>& fields, const Record& record) {
    for (const RecordField<Record>& field : fields)
        for (const auto& box : field.boxes)
            ::SendMessageW(GetItem(box.id), EM_LIMITTEXT, static_cast<WPARAM>(box.limit), 0);
    WriteForm(ShowRecord(fields, record));
}

template <typename Record>
void PanelPage::ReadFields(const RecordFields<Record>& fields, Record& record) const {
    ReadRecord(fields, ReadForm(fields), record, record);
}

template <typename Record>
void PanelPage::ReadFields(const RecordFields<Record>& fields, const Record& shown, Record& record) const {
    ReadRecord(fields, ReadForm(fields), shown, record);
}

template <typename Record>
PageForm PanelPage::ReadForm(const RecordFields<Record>& fields) const {
    PageForm form;
    for (const RecordField<Record>& field : fields) {
        for (const auto& box : field.boxes)
            form.SetText(box.id, BoxText(box.id));
        for (const int radio : field.radios)
            form.SetChecked(radio, IsDlgButtonChecked(m_hWnd, radio) == BST_CHECKED);
    }
    return form;
}
