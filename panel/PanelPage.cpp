#include "panel/PanelPage.h"

#include "app/WindowTable.h"
#include "glui/Sound.h"
#include "panel/StaticTextKind.h"

#include <string_view>

namespace {

constexpr COLORREF kBackgroundColour = 0x000000;
constexpr COLORREF kEditBackgroundColour = 0x404040;
constexpr COLORREF kTextColour = 0x00FF00;
constexpr COLORREF kHighlightColour = 0xFF0000; // blue: a COLORREF is 0x00BBGGRR
constexpr COLORREF kSectionColour = 0x00FFFF;   // yellow

// Every page sets this title on itself; OpenPage finds the page shown by it.
constexpr const wchar_t* kPageTitle = L"XDialogOrvaneChild";
// The same file as the main window's hover sound, which names its folder in lower case.
constexpr const char* kPageHoverSound = "Sound\\hover.wav";

// How far an image button jumps up and left under the mouse, in pixels.
constexpr int kLift = 5;
constexpr int kStaticTextCapacity = 256;

// Image-button clicks reach OnCommand with these as notification code and control window.
constexpr int kButtonClickCode = 1;
constexpr LPARAM kButtonClickWindow = 1;

using PageRegistry = WindowTable<HWND, PanelPage>;

PageRegistry& Registry() {
    static PageRegistry registry;
    return registry;
}

// What WM_INITDIALOG needs to bind the new dialog to its page. It lives on the stack of OpenPage
// or RunModal, since the dialog is initialised before the creating call returns.
struct PageCreation {
    PanelPage* page;
    LPARAM parameter;
};

BOOL CALLBACK DestroyChild(HWND child, LPARAM) {
    DestroyWindow(child);
    return TRUE;
}

} // namespace

PanelPage::PanelPage()
    : m_backgroundBrush(CreateSolidBrush(kBackgroundColour)),
      m_editBrush(CreateSolidBrush(kEditBackgroundColour)),
      m_highlightBrush(CreateSolidBrush(kHighlightColour)), m_backgroundColour(kBackgroundColour),
      m_editBackgroundColour(kEditBackgroundColour), m_textColour(kTextColour),
      m_highlightColour(kHighlightColour), m_sectionColour(kSectionColour) {}

PanelPage::~PanelPage() {
    if (m_hWnd != nullptr) {
        Registry().Remove(m_hWnd);
        DestroyWindow(m_hWnd);
    }
}

HWND PanelPage::OpenPage(int templateId, HWND parent, LPARAM parameter) {
    PageCreation creation = {this, parameter};
    if (const HWND shown = FindWindowW(nullptr, kPageTitle))
        ::SendMessageW(shown, WM_CLOSE, 0, 0);
    m_id = templateId;
    return CreateDialogParamW(m_hInstance, MAKEINTRESOURCEW(templateId), parent, PageDialogProc,
                              reinterpret_cast<LPARAM>(&creation));
}

INT_PTR PanelPage::RunModal(int templateId, HWND parent, LPARAM parameter) {
    PageCreation creation = {this, parameter};
    m_id = templateId;
    return DialogBoxParamW(m_hInstance, MAKEINTRESOURCEW(templateId), parent, PageDialogProc,
                           reinterpret_cast<LPARAM>(&creation));
}

void PanelPage::ClosePage(INT_PTR result) {
    EnumChildWindows(m_hWnd, DestroyChild, 0);
    EndDialog(m_hWnd, result);
}

void PanelPage::AddImageButton(int controlId) {
    m_imageButtons.push_back(controlId);
}

int PanelPage::ButtonAt(int x, int y) const {
    const POINT point = {x, y};
    for (int index = 0; index < static_cast<int>(m_imageButtons.size()); ++index) {
        RECT rect;
        if (ButtonRect(index, &rect) && PtInRect(&rect, point))
            return index;
    }
    return -1;
}

bool PanelPage::ButtonRect(int index, RECT* rect) const {
    const HWND control = GetItem(m_imageButtons[static_cast<std::size_t>(index)]);
    RECT onScreen;
    if (control == nullptr || !GetWindowRect(control, &onScreen))
        return false;
    POINT topLeft = {onScreen.left, onScreen.top};
    ScreenToClient(&topLeft);
    *rect = {topLeft.x, topLeft.y, topLeft.x + (onScreen.right - onScreen.left),
             topLeft.y + (onScreen.bottom - onScreen.top)};
    return true;
}

void PanelPage::MoveButton(int index, int dx, int dy) const {
    RECT rect;
    if (!ButtonRect(index, &rect))
        return;
    // No SWP_NOZORDER: the moved button also comes to the top of its siblings.
    SetWindowPos(GetItem(m_imageButtons[static_cast<std::size_t>(index)]), nullptr, rect.left + dx,
                 rect.top + dy, 0, 0, SWP_NOSIZE);
}

INT_PTR PanelPage::OnDrawItem(WPARAM, LPARAM) {
    return 0;
}

INT_PTR PanelPage::OnPaint() {
    return 0;
}

INT_PTR PanelPage::OnNotify(NMHDR*) {
    return 0;
}

INT_PTR PanelPage::OnMove(int, int) {
    return 0;
}

INT_PTR PanelPage::OnContextMenu(HWND, int, int) {
    return 0;
}

INT_PTR PanelPage::OnCtlColor(HDC dc, HWND control, int kind) {
    SetTextColor(dc, m_textColour);
    if (kind == CTLCOLOR_EDIT) {
        SetBkColor(dc, m_editBackgroundColour);
        return reinterpret_cast<INT_PTR>(m_editBrush.Get());
    }
    if (kind == CTLCOLOR_STATIC) {
        wchar_t text[kStaticTextCapacity];
        const int length = GetWindowTextW(control, text, kStaticTextCapacity);
        switch (ClassifyStaticText(std::wstring_view(text, static_cast<std::size_t>(length)))) {
        case StaticTextKind::Title:
            SetBkColor(dc, m_highlightColour);
            return reinterpret_cast<INT_PTR>(m_highlightBrush.Get());
        case StaticTextKind::SectionRule:
            SetTextColor(dc, m_sectionColour);
            break;
        case StaticTextKind::Plain:
            break;
        }
    }
    SetBkColor(dc, m_backgroundColour);
    return reinterpret_cast<INT_PTR>(m_backgroundBrush.Get());
}

INT_PTR PanelPage::OnMouseMove(int, int x, int y) {
    const int index = ButtonAt(x, y);
    if (index == m_hoverIndex)
        return 0;
    if (m_hoverIndex >= 0)
        MoveButton(m_hoverIndex, kLift, kLift);
    if (index >= 0) {
        MoveButton(index, -kLift, -kLift);
        PlaySoundFile(kPageHoverSound);
    }
    m_hoverIndex = index;
    return 0;
}

INT_PTR PanelPage::OnCommand(int, int, LPARAM) {
    return 0;
}

INT_PTR PanelPage::OnLButtonDown(int, int x, int y) {
    const int index = ButtonAt(x, y);
    if (index != -1) {
        OnCommand(m_imageButtons[static_cast<std::size_t>(index)], kButtonClickCode, kButtonClickWindow);
        PlaySoundFile(kClickSound);
    }
    return 0;
}

INT_PTR PanelPage::OnEraseBkgnd(HDC dc) {
    RECT client;
    GetClientRect(&client);
    FillRect(dc, &client, m_backgroundBrush.Get());
    return 1;
}

INT_PTR PanelPage::OnClose(INT_PTR result) {
    ClosePage(result);
    return 0;
}

INT_PTR PanelPage::OnInitDialog(LPARAM) {
    SetText(kPageTitle);
    if (const HWND parent = GetParent(m_hWnd))
        ::SendMessageW(parent, WM_MOVE, 0, 0);
    return 0;
}

INT_PTR CALLBACK PanelPage::PageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    PanelPage* page = Registry().Find(dialog);
    if (page == nullptr) {
        if (message != WM_INITDIALOG)
            return 0;
        const auto* creation = reinterpret_cast<const PageCreation*>(lParam);
        Registry().Add(dialog, creation->page);
        page = Registry().Find(dialog);
        page->m_hWnd = dialog;
        // A button lifted on an earlier window of the page is gone with that window's controls.
        page->m_hoverIndex = -1;
        return page->OnInitDialog(creation->parameter);
    }
    if (message == WM_NCDESTROY) {
        Registry().Remove(dialog);
        // A page opened again owns a newer window; the old one going away leaves it alone.
        if (page->m_hWnd == dialog)
            page->m_hWnd = nullptr;
        return 0;
    }
    return page->HandleMessage(message, wParam, lParam);
}

INT_PTR PanelPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        return OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                          static_cast<int>(message - WM_CTLCOLORMSGBOX));
    // Positions are taken as unsigned 16-bit words: a point left of or above the page only
    // misses every button.
    const int low = LOWORD(lParam);
    const int high = HIWORD(lParam);
    switch (message) {
    case WM_MOVE:
        return OnMove(low, high);
    case WM_PAINT:
        return OnPaint();
    case WM_CLOSE:
        return OnClose(static_cast<INT_PTR>(wParam));
    case WM_ERASEBKGND:
        return OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
    case WM_DRAWITEM:
        return OnDrawItem(wParam, lParam);
    case WM_NOTIFY:
        return OnNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_CONTEXTMENU:
        return OnContextMenu(reinterpret_cast<HWND>(wParam), low, high);
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam), lParam);
    case WM_MOUSEMOVE:
        return OnMouseMove(static_cast<int>(wParam), low, high);
    case WM_LBUTTONDOWN:
        return OnLButtonDown(static_cast<int>(wParam), low, high);
    default:
        return 0;
    }
}
