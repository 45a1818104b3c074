#include "mainwin/GraphListPanel.h"

#include "glui/ScreenLayout.h"
#include "win/Palette.h"

#include "mainwin/GraphRows.h"
#include "mainwin/RowHatching.h"
#include "res/resource.h"
#include "win/GbkText.h"
#include "win/GdiSelection.h"

#include <string>

namespace {

constexpr int kIconSize = 16;
constexpr int kListWidth = kGraphListRect.right - kGraphListRect.left;
constexpr int kMaxRowText = 250;

} // namespace

GraphListPanel::GraphListPanel()
    : m_list(IDC_GRAPH_LIST), m_white(CreateSolidBrush(kRowEven)), m_paleBlue(CreateSolidBrush(kRowOdd)),
      m_azure(CreateSolidBrush(kRowSelected)), m_separatorPen(CreatePen(PS_SOLID, 1, kRowSeparator)),
      m_hatchPen(CreatePen(PS_SOLID, 1, kRowHatching)) {}

GraphListPanel::~GraphListPanel() {
    if (m_icons != nullptr)
        ImageList_Destroy(m_icons);
}

void GraphListPanel::Create(HINSTANCE instance, HWND parent) {
    m_icons = ImageList_LoadImageW(instance, MAKEINTRESOURCEW(IDB_LIST_ICONS), kIconSize, 0, kListIconMask,
                                   IMAGE_BITMAP, 0);
    // One row at a time is selected, since every command acts on one graph; rows that do not fit
    // scroll.
    m_list.CreateList(IDC_GRAPH_LIST,
                      WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHAREIMAGELISTS | LVS_OWNERDRAWFIXED |
                          LVS_SINGLESEL | LVS_NOCOLUMNHEADER,
                      kGraphListRect.left, kGraphListRect.top, kListWidth,
                      kGraphListRect.bottom - kGraphListRect.top, parent);
    m_list.SetImageList(m_icons, LVSIL_SMALL);
    m_list.SetTextColor(kPanelText);
    m_list.SetTextBkColor(CLR_NONE);
    m_list.SetBkColor(kPanelBoxBackground);
    m_list.InsertColumn(LVCF_WIDTH, 0, kListWidth, nullptr, 0, 0);
}

void GraphListPanel::Destroy() {
    m_list.Destroy();
}

void GraphListPanel::Fill(const GraphStore& store) {
    const int rows = GraphRowCount(store);
    while (m_list.GetItemCount() > rows)
        m_list.DeleteItem(m_list.GetItemCount() - 1);
    while (m_list.GetItemCount() < rows)
        m_list.InsertItem(LVIF_TEXT, m_list.GetItemCount(), 0, 0, 0, L"", 0, 0);
    for (int row = 0; row < rows; ++row) {
        m_list.SetItemText(row, 0, GbkToWide(GraphRowText(store, row)).c_str());
        m_list.SetItemImage(row, GraphRowKindOf(store, row));
    }
    // The vertical scroll bar comes and goes with the rows; the column always fills the width
    // left beside it, so that no horizontal bar appears.
    RECT client;
    ::GetClientRect(m_list.Window(), &client);
    m_list.SetColumnWidth(0, client.right);
    if (const int selected = SelectedRow(); selected >= 0)
        m_list.EnsureVisible(selected);
}

int GraphListPanel::SelectedRow() const {
    return m_list.GetSelectedItem();
}

bool GraphListPanel::ControlClick(int x, int y) const {
    LVHITTESTINFO hit = {};
    hit.pt = {x, y};
    const int row = static_cast<int>(m_list.SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (row < 0 || row != SelectedRow())
        return false;
    LVITEMW state = {};
    state.stateMask = LVIS_SELECTED;
    m_list.SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
    return true;
}

void GraphListPanel::DrawRow(const DRAWITEMSTRUCT& item, const GraphStore& store) const {
    const HDC dc = item.hDC;
    const RECT& r = item.rcItem;
    const int row = static_cast<int>(item.itemID);
    const bool selected = (item.itemState & ODS_SELECTED) != 0;

    wchar_t text[kMaxRowText + 1] = {};
    m_list.GetItemText(row, 0, text, kMaxRowText + 1);

    const GdiObject<HBRUSH> swatch(CreateSolidBrush(GraphRowColour(store, row)));
    const RECT swatchRect{0, r.top, kIconSize, r.bottom - 1};
    FillRect(dc, &swatchRect, swatch.Get());
    const RECT background{r.left + kIconSize, r.top, r.right, r.bottom};
    FillRect(dc, &background, selected ? m_azure.Get() : (row % 2 == 0 ? m_white.Get() : m_paleBlue.Get()));
    {
        const GdiSelection pen(dc, m_separatorPen.Get());
        MoveToEx(dc, 0, r.bottom - 1, nullptr);
        LineTo(dc, r.right, r.bottom - 1);
    }

    // Dark text on the light rows, white on the selection, with the row showing through.
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, selected ? RGB(255, 255, 255) : RGB(0, 0, 0));
    RECT textRect{r.left + kRowTextIndent, r.top, r.right, r.bottom};
    DrawTextW(dc, text, -1, &textRect, DT_SINGLELINE | DT_VCENTER);

    if (GraphRowHidden(store, row)) {
        const GdiSelection pen(dc, m_hatchPen.Get());
        for (const LineSegment& line : RowHatching(r.left, r.right, r.top, r.bottom, row)) {
            MoveToEx(dc, line.x1, line.y1, nullptr);
            LineTo(dc, line.x2, line.y2);
        }
    }
    ImageList_Draw(m_icons, GraphRowKindOf(store, row), dc, r.left + kIconSize, r.top,
                   selected ? ILD_SELECTED : ILD_NORMAL);
}
