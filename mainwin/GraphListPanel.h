#pragma once

#include "panel/ListView.h"
#include "win/GdiObject.h"

#include <windows.h>

#include <commctrl.h>

class GraphStore;

// The graph list between the two button columns: one owner-drawn row per graph of the store
// (colour swatch, kind icon, text, hatching over hidden graphs), where the user selects the
// graph that the commands act on.
class GraphListPanel {
public:
    GraphListPanel();
    ~GraphListPanel();
    GraphListPanel(const GraphListPanel&) = delete;
    GraphListPanel& operator=(const GraphListPanel&) = delete;

    // Makes the list on the parent, with the kind icons of the bitmap resource.
    void Create(HINSTANCE instance, HWND parent);
    void Destroy();

    // Brings the rows in line with the store: as many rows as graphs, each with its record's
    // line and kind icon. Existing rows stay; only their texts and icons are rewritten.
    void Fill(const GraphStore& store);
    // Draws one row; the colour comes from the row's record in the store.
    void DrawRow(const DRAWITEMSTRUCT& item, const GraphStore& store) const;

    // The row selected now, which the commands act on, or -1.
    int SelectedRow() const;
    // A Ctrl+click at a point of the list: on the selected row it clears the selection and
    // returns true; elsewhere it returns false and the list selects as for any click.
    bool ControlClick(int x, int y) const;
    HWND Window() const { return m_list.Window(); }

private:
    ListView m_list;
    HIMAGELIST m_icons = nullptr;
    GdiObject<HBRUSH> m_white;
    GdiObject<HBRUSH> m_paleBlue;
    GdiObject<HBRUSH> m_azure;
    GdiObject<HPEN> m_separatorPen;
    GdiObject<HPEN> m_hatchPen;
};
