#pragma once

#include "model/GraphStore.h"
#include "model/PageRequest.h"
#include "panel/ColorChooser.h"
#include "panel/PanelPage.h"
#include "res/resource.h"

#include <variant>

// What the three graph pages share: a working copy of one record, shown and read back through the
// page's field list; a colour picked in the system dialog and shown in the swatch; confirm, which
// appends the copy or puts it in place of the graph being modified, and cancel, which stores
// nothing. Each opening starts from a new record or from the graph as it was opened.
template <typename Record>
class GraphPage : public PanelPage {
public:
    GraphPage() : m_swatchBrush(nullptr) {
        AddImageButton(IDC_CONFIRM);
        AddImageButton(IDC_CANCEL);
        AddImageButton(IDC_CHOOSE_COLOUR);
    }

protected:
    virtual RecordList<Record>& List(GraphStore& store) const = 0;
    // A new record of the request's kind; all zero when the list has no free name left.
    virtual Record NewRecord(const GraphStore& store, std::int32_t kind) const = 0;
    virtual const RecordFields<Record>& Fields() const = 0;
    // Shows what depends on the working copy beyond its fields.
    virtual void ShowExtras() {}
    // A click the page handles itself; false for the shared ones.
    virtual bool OnPageClick(int) { return false; }
    // Tells the user what to know of a record just stored, before the page closes.
    virtual void OnStored(const Record&) {}

    INT_PTR OnInitDialog(LPARAM parameter) override {
        m_request = reinterpret_cast<PageRequest*>(parameter);
        m_target = m_request->mode == kModeModify ? m_request->graph : GraphRef{};
        const Record* opened = std::get_if<Record>(&m_target.opened);
        m_working = opened != nullptr ? *opened : NewRecord(Store(), m_request->kind);
        ShowFields(Fields(), m_working);
        ShowExtras();
        ShowSwatch();
        return PanelPage::OnInitDialog(parameter);
    }

    INT_PTR OnCommand(int id, int code, LPARAM lParam) override {
        if (IsClick(code) && !OnPageClick(id)) {
            switch (id) {
            case IDC_CONFIRM:
                Confirm();
                break;
            case IDC_CANCEL:
                Close();
                break;
            case IDC_CHOOSE_COLOUR:
                ChooseColour();
                break;
            }
        }
        return PanelPage::OnCommand(id, code, lParam);
    }

    INT_PTR OnCtlColor(HDC dc, HWND control, int kind) override {
        if (control == nullptr || control != GetItem(IDC_SWATCH))
            return PanelPage::OnCtlColor(dc, control, kind);
        SetBkColor(dc, m_working.colour);
        return reinterpret_cast<INT_PTR>(m_swatchBrush.Get());
    }

    GraphStore& Store() const { return *static_cast<GraphStore*>(m_request->data); }

    Record m_working{};

private:
    void Confirm() {
        const unsigned opening = Opening();
        ReadFields(Fields(), m_working);
        StoreEdit(List(Store()), m_target, m_working);
        m_request->Notify(kGraphListsChanged, nullptr);
        OnStored(m_working);
        // A box shown meanwhile runs its own loop: the user may have opened another page.
        if (IsOpenSince(opening))
            Close();
    }

    void ChooseColour() {
        const unsigned opening = Opening();
        COLORREF colour = m_working.colour;
        // The dialog runs its own loop: by its end the user may have opened another page.
        if (m_colours.Choose(m_hWnd, colour) && IsOpenSince(opening)) {
            m_working.colour = colour;
            ShowSwatch();
        }
    }

    void ShowSwatch() {
        m_swatchBrush.Reset(CreateSolidBrush(m_working.colour));
        InvalidateRect(GetItem(IDC_SWATCH), nullptr, TRUE);
    }

    PageRequest* m_request = nullptr;
    GraphRef m_target;
    ColorChooser m_colours;
    GdiObject<HBRUSH> m_swatchBrush;
};
