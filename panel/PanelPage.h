#pragma once

#include "panel/GdiObject.h"
#include "panel/WindowBase.h"

#include <vector>

// Base of the side-panel pages: a dialog from a page template, shown modeless one at a time over
// the right of the main window (or modal, for the splash). The dialog procedure turns the
// dialog's messages into the virtual handlers below; the base paints the panel's colours and
// runs the image buttons, bitmap statics that lift under the mouse and report clicks as commands.
class PanelPage : public WindowBase {
public:
    PanelPage();
    // Destroys a dialog still open, after unbinding it, so that it never reaches a dead page.
    ~PanelPage() override;

    // Closes the page shown now (the top-level window titled "XDialogOrvaneChild"), then creates
    // this page's dialog from the template; returns the dialog, or null when creation failed.
    HWND OpenPage(int templateId, HWND parent, LPARAM parameter);
    // Runs the template as a modal dialog; returns the result it was ended with.
    INT_PTR RunModal(int templateId, HWND parent, LPARAM parameter);
    // Destroys the page's controls and ends the dialog, which stays alive but hidden, so that a
    // follow-up page it owns goes on working.
    void ClosePage(INT_PTR result);

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
    // Pages that override it call it too: the title it sets is how OpenPage finds the page shown.
    virtual INT_PTR OnInitDialog(LPARAM parameter);

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
};
