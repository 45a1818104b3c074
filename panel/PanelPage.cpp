#include "panel/PanelPage.h"

#include "glui/ScreenLayout.h"
#include "glui/Sound.h"
#include "panel/StaticTextKind.h"
#include "win/GbkText.h"
#include "win/Palette.h"
#include "win/WindowTable.h"

#include <string_view>

namespace {

// Every page sets this title on itself, so that a page can be told from other windows.
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
    bool overPanel; // a side-panel page, laid over the main window; not the splash
};

// The one page shown, if any. Only this program's pages are ever closed by opening another.
PanelPage* g_shownPage = nullptr;

bool IsStaticControl(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return _wcsicmp(name, L"Static") == 0;
}

BOOL CALLBACK DestroyChild(HWND child, LPARAM) {
    DestroyWindow(child);
    return TRUE;
}

} // namespace

PanelPage::PanelPage()
    : m_backgroundBrush(CreateSolidBrush(kPanelBackground)),
      m_editBrush(CreateSolidBrush(kPanelBoxBackground)),
      m_highlightBrush(CreateSolidBrush(kPanelTitleBackground)), m_backgroundColour(kPanelBackground),
      m_editBackgroundColour(kPanelBoxBackground), m_textColour(kPanelText),
      m_highlightColour(kPanelTitleBackground), m_sectionColour(kPanelSectionText) {}

PanelPage::~PanelPage() {
    if (g_shownPage == this)
        g_shownPage = nullptr;
    if (m_hWnd != nullptr) {
        Registry().Remove(m_hWnd);
        DestroyWindow(m_hWnd);
    }
}

HWND PanelPage::OpenPage(int templateId, HWND parent, LPARAM parameter) {
    PageCreation creation = {this, parameter, true};
    if (g_shownPage != nullptr)
        g_shownPage->Close();
    // A window left hidden by an earlier opening is of no more use: the page gets a new one.
    // Closing first matters: a page shown over it may be one of its follow-up pages.
    if (m_hWnd != nullptr)
        DestroyWindow(m_hWnd);
    m_id = templateId;
    const HWND dialog = CreateDialogParamW(m_hInstance, MAKEINTRESOURCEW(templateId), parent, PageDialogProc,
                                           reinterpret_cast<LPARAM>(&creation));
    if (dialog != nullptr && IsWindowVisible(dialog))
        g_shownPage = this;
    return dialog;
}

HWND PanelPage::ShownPageWindow() {
    return g_shownPage != nullptr ? g_shownPage->m_hWnd : nullptr;
}

bool PanelPage::IsClick(int code) {
    return code == BN_CLICKED || code == kButtonClickCode;
}

void PanelPage::Close() const {
    ::SendMessageW(m_hWnd, WM_CLOSE, 0, 0);
}

bool PanelPage::IsOpenSince(unsigned opening) const {
    return opening == m_openings && g_shownPage == this && m_hWnd != nullptr;
}

void PanelPage::SetItemText(int controlId, const wchar_t* text) const {
    SetDlgItemTextW(m_hWnd, controlId, text);
}

void PanelPage::AttachList(ListView& list, int controlId) const {
    list.Attach(m_hWnd, controlId);
    list.SetBkColor(m_editBackgroundColour);
    list.SetTextBkColor(m_editBackgroundColour);
    list.SetTextColor(m_textColour);
}

void PanelPage::WriteForm(const PageForm& form) const {
    for (const auto& [id, text] : form.Texts())
        SetItemText(id, GbkToWide(text).c_str());
    for (const auto& [id, checked] : form.Checks())
        CheckDlgButton(m_hWnd, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

std::string PanelPage::BoxText(int controlId) const {
    const HWND box = GetItem(controlId);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(box, text.data(), static_cast<int>(text.size()))));
    return WideToGbk(text);
}

void PanelPage::PlaceOverPanel() const {
    // The dialog places each control by rounding its left edge and its width apart, so that two
    // controls that meet in dialog units may overlap by a pixel. Each control's units are read back
    // from where the dialog put it, exactly, since it rounded them to the nearest pixel; its edges
    // are then placed from the units, so that controls that meet in units meet in pixels too.
    // Pictures keep their own size, but for one centred in a place of its own.
    RECT units = {0, 0, 4, 8};
    MapDialogRect(m_hWnd, &units);
    const auto across = [&](int pixels) { return MulDiv(pixels, 4, units.right); };
    const auto down = [&](int pixels) { return MulDiv(pixels, 8, units.bottom); };
    const auto left = [&](int x) { return MulDiv(x, units.right, 4); };
    const auto top = [&](int y) { return MulDiv(y, units.bottom, 8); };
    for (HWND child = GetWindow(m_hWnd, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        const int x = across(rect.left), y = down(rect.top);
        int width = rect.right - rect.left, height = rect.bottom - rect.top;
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if (!IsStaticControl(child) || (style & SS_TYPEMASK) != SS_BITMAP || (style & SS_CENTERIMAGE) != 0) {
            width = left(x + across(width)) - left(x);
            height = top(y + down(height)) - top(y);
        }
        SetWindowPos(child, nullptr, left(x), top(y), width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    POINT origin = {kPageRect.left, kPageRect.top};
    // The main window is the root owner, whether the page is opened by it or by another page.
    ClientToScreen(GetAncestor(GetParent(m_hWnd), GA_ROOTOWNER), &origin);
    SetWindowPos(m_hWnd, nullptr, origin.x, origin.y, kPageRect.right - kPageRect.left,
                 kPageRect.bottom - kPageRect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR PanelPage::RunModal(int templateId, HWND parent, LPARAM parameter) {
    PageCreation creation = {this, parameter, false};
    m_id = templateId;
    return DialogBoxParamW(m_hInstance, MAKEINTRESOURCEW(templateId), parent, PageDialogProc,
                           reinterpret_cast<LPARAM>(&creation));
}

void PanelPage::ClosePage(INT_PTR result) {
    if (g_shownPage == this)
        g_shownPage = nullptr;
    // The keyboard goes back to the main window, whose keys (Escape above all) would otherwise
    // reach nothing once the page is hidden.
    const HWND owner = GetAncestor(m_hWnd, GA_ROOTOWNER);
    if (owner != m_hWnd && GetActiveWindow() == m_hWnd)
        SetActiveWindow(owner);
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
        ++page->m_openings;
        // A button lifted on an earlier window of the page is gone with that window's controls.
        page->m_hoverIndex = -1;
        if (creation->overPanel && GetParent(dialog) != nullptr)
            page->PlaceOverPanel();
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
