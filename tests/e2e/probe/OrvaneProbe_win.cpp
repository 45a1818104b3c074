// A test helper of the end-to-end tests, run under Wine beside Orvane.exe: it reads what a user
// sees of the program's Win32 windows and prints it as JSON, since edit texts and list rows cannot
// be read reliably from screenshots. Besides the commands that say so, it only sends window
// messages that read.
//
//     orvane-probe                every side-panel page with its controls (a list view's items,
//                                 the height a static's text needs at its width), and the graph
//                                 list's rows, selection and scrolling
//     orvane-probe box TITLE      the texts of the message box with that title
//     orvane-probe hot-keys       which of the program's hot keys another program could take now
//     orvane-probe hold KEY       takes a hot key (F2, F5 to F8) as another program would, prints
//                                 "held" and keeps it until a line or the end of its input
//     orvane-probe minimise       minimises the program's window, as its title bar button would;
//     orvane-probe restore        restores it (the test display has no window manager to do it)
//     orvane-probe text-mask TEXT the pixels of a text in the plot's font, glyph by glyph as the
//                                 plot view's bitmap font lays them out: rows of '#' and '.'
//
// Rectangles are in the main window's client coordinates: left, top, right, bottom.
#include <windows.h>

#include <commctrl.h>

#include "glui/PlotFont.h"

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& text) {
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size, nullptr,
                        nullptr);
    return utf8;
}

std::string Quoted(const std::wstring& text) {
    std::string json = "\"";
    for (const char c : Utf8(text)) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            json += escape;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

// GetWindowText does not ask a window of another process for an edit control's text: the
// messages do.
std::wstring WindowText(HWND window) {
    const auto length = static_cast<std::size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(length + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

std::wstring ClassName(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::string Rect(HWND window, HWND main) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&rect), 2);
    char text[64];
    std::snprintf(text, sizeof text, "[%ld, %ld, %ld, %ld]", rect.left, rect.top, rect.right, rect.bottom);
    return text;
}

struct Search {
    HWND main;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectPage(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD process = 0, mainProcess = 0;
    GetWindowThreadProcessId(window, &process);
    GetWindowThreadProcessId(search->main, &mainProcess);
    if (process == mainProcess && WindowText(window) == L"XDialogOrvaneChild")
        search->found.push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM lParam) {
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(window);
    return TRUE;
}

// The control with the keyboard focus in the program's thread (GetFocus sees only this process's).
HWND FocusOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

std::string Rows(HWND list);

bool IsTextStatic(HWND window) {
    const LONG type = GetWindowLongW(window, GWL_STYLE) & SS_TYPEMASK;
    return type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
}

// The height a static's text needs at the static's width, in the pages' font as their templates
// name it (SimSun 9): a font of the program's own cannot be used from here.
int TextHeight(HWND window) {
    static const HFONT font = [] {
        const HDC screen = GetDC(nullptr);
        LOGFONTW face = {};
        face.lfHeight = -MulDiv(9, GetDeviceCaps(screen, LOGPIXELSY), 72);
        face.lfCharSet = DEFAULT_CHARSET;
        wcscpy(face.lfFaceName, L"宋体");
        ReleaseDC(nullptr, screen);
        return CreateFontIndirectW(&face);
    }();
    RECT client;
    GetClientRect(window, &client);
    RECT needed = {0, 0, client.right, 0};
    const std::wstring text = WindowText(window);
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, font);
    UINT format = DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS;
    if ((GetWindowLongW(window, GWL_STYLE) & SS_NOPREFIX) != 0)
        format |= DT_NOPREFIX;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed, format);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return needed.bottom - needed.top;
}

std::string Page(HWND page, HWND main) {
    const HWND focus = FocusOf(page);
    std::string json = "{\"visible\": ";
    json += IsWindowVisible(page) ? "true" : "false";
    json += ", \"rect\": " + Rect(page, main) + ", \"controls\": [";
    std::vector<HWND> children;
    EnumChildWindows(page, CollectChild, reinterpret_cast<LPARAM>(&children));
    for (std::size_t i = 0; i < children.size(); ++i) {
        const HWND child = children[i];
        const std::wstring kind = ClassName(child);
        json += i > 0 ? ", " : "";
        json += "{\"id\": " + std::to_string(GetDlgCtrlID(child)) + ", \"class\": " + Quoted(kind) +
                ", \"rect\": " + Rect(child, main) +
                ", \"visible\": " + (IsWindowVisible(child) ? "true" : "false") +
                ", \"focused\": " + (focus == child ? "true" : "false") +
                ", \"text\": " + Quoted(WindowText(child));
        if (_wcsicmp(kind.c_str(), L"Button") == 0)
            json += ", \"checked\": " +
                    std::string(SendMessageW(child, BM_GETCHECK, 0, 0) == BST_CHECKED ? "true" : "false");
        if (_wcsicmp(kind.c_str(), L"Static") == 0 && IsTextStatic(child))
            json += ", \"textHeight\": " + std::to_string(TextHeight(child));
        if (_wcsicmp(kind.c_str(), WC_LISTVIEWW) == 0)
            json +=
                ", \"items\": " + Rows(child) + ", \"selected\": " +
                std::to_string(SendMessageW(child, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
        json += "}";
    }
    return json + "]}";
}

// The items' texts live in the program's memory: the list is asked to write them into a block
// of it, which is read back.
std::string Rows(HWND list) {
    std::string json = "[";
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    const HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process == nullptr)
        return "null";
    constexpr int kCapacity = 512;
    auto* remote = static_cast<char*>(VirtualAllocEx(
        process, nullptr, sizeof(LVITEMW) + kCapacity * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE));
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        LVITEMW item = {};
        item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(LVITEMW));
        item.cchTextMax = kCapacity;
        WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
        const auto length = static_cast<std::size_t>(
            SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(remote)));
        std::wstring text(length, L'\0');
        ReadProcessMemory(process, remote + sizeof(LVITEMW), text.data(), length * sizeof(wchar_t), nullptr);
        json += row > 0 ? ", " : "";
        json += Quoted(text);
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return json + "]";
}

// The hot keys Orvane registers, by the names the user sees.
struct HotKey {
    const wchar_t* name;
    UINT key;
};
constexpr HotKey kHotKeys[] = {
    {L"F2", VK_F2}, {L"F5", VK_F5}, {L"F6", VK_F6}, {L"F7", VK_F7}, {L"F8", VK_F8}};

// The texts of a window's own static controls that show one, in the order of the windows: a
// message box's lines, or the main window's labels (the status lines under the plot, the help line).
std::string StaticTexts(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
    std::string json = "[";
    for (const HWND child : children) {
        if (GetParent(child) != parent || ClassName(child) != L"Static" || WindowText(child).empty())
            continue;
        json += json.size() > 1 ? ", " : "";
        json += Quoted(WindowText(child));
    }
    return json + "]";
}

// The main window, or nullptr after saying that there is none.
HWND MainWindow() {
    const HWND main = FindWindowW(L"GLWMain", L"Orvane");
    if (main == nullptr)
        std::fputs("{\"error\": \"no Orvane window\"}\n", stdout);
    return main;
}

int PrintPages() {
    const HWND main = MainWindow();
    if (main == nullptr)
        return 1;
    Search search = {main, {}};
    EnumWindows(CollectPage, reinterpret_cast<LPARAM>(&search));
    std::string json = "{\"pages\": [";
    for (std::size_t i = 0; i < search.found.size(); ++i) {
        json += i > 0 ? ", " : "";
        json += Page(search.found[i], main);
    }
    const HWND list = GetDlgItem(main, 100);
    json += "], \"labels\": " + StaticTexts(main);
    json += ", \"rows\": ";
    json += list != nullptr ? Rows(list) : std::string("null");
    json += ", \"selection\": " +
            std::to_string(list != nullptr ? SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0) : -1);
    if (list != nullptr) {
        // Which rows the list shows, and its scroll bars.
        const LONG style = GetWindowLongW(list, GWL_STYLE);
        json += ", \"graphList\": {\"selected\": " +
                std::to_string(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)) +
                ", \"top\": " + std::to_string(SendMessageW(list, LVM_GETTOPINDEX, 0, 0)) +
                ", \"perPage\": " + std::to_string(SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0)) +
                ", \"verticalBar\": " + ((style & WS_VSCROLL) != 0 ? "true" : "false") +
                ", \"horizontalBar\": " + ((style & WS_HSCROLL) != 0 ? "true" : "false") + "}";
    }
    std::fputs((json + "}\n").c_str(), stdout);
    return 0;
}

int PrintBox(const wchar_t* title) {
    const HWND box = FindWindowW(L"#32770", title);
    if (box == nullptr) {
        std::fputs("{\"error\": \"no such box\"}\n", stdout);
        return 1;
    }
    std::fputs(("{\"texts\": " + StaticTexts(box) + "}\n").c_str(), stdout);
    return 0;
}

// Hot keys are one per key for the whole desktop: one this helper can register, no other program
// holds.
int PrintFreeHotKeys() {
    std::string json = "{";
    for (int i = 0; i < static_cast<int>(std::size(kHotKeys)); ++i) {
        const bool free = RegisterHotKey(nullptr, i + 1, 0, kHotKeys[i].key) != 0;
        if (free)
            UnregisterHotKey(nullptr, i + 1);
        json += std::string(i > 0 ? ", " : "") + Quoted(kHotKeys[i].name) + ": " + (free ? "true" : "false");
    }
    std::fputs((json + "}\n").c_str(), stdout);
    return 0;
}

int HoldHotKey(const wchar_t* name) {
    for (const HotKey& hotKey : kHotKeys) {
        if (std::wcscmp(hotKey.name, name) != 0)
            continue;
        if (!RegisterHotKey(nullptr, 1, 0, hotKey.key)) {
            std::fputs("taken\n", stdout);
            return 1;
        }
        std::fputs("held\n", stdout);
        std::fflush(stdout);
        char line[16];
        std::fgets(line, sizeof line, stdin);
        UnregisterHotKey(nullptr, 1);
        return 0;
    }
    std::fputs("unknown key\n", stdout);
    return 2;
}

int SendSystemCommand(WPARAM command) {
    const HWND main = MainWindow();
    if (main == nullptr)
        return 1;
    SendMessageW(main, WM_SYSCOMMAND, command, 0);
    std::fputs("{}\n", stdout);
    return 0;
}

// Each glyph's bitmap from the font (rows top down, each a whole number of 32-bit words, the
// leftmost pixel in the top bit), placed at the pen by its origin; the pen moves by the glyph's
// cell advance. The plot view's display lists are made from the same bitmaps and advances.
int PrintTextMask(const wchar_t* text) {
    const HDC dc = CreateCompatibleDC(nullptr);
    const HFONT font = CreateFontW(-kPlotFontPixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                                   DEFAULT_PITCH | FF_DONTCARE, kPlotFontFace);
    const HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    const MAT2 identity = {{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    std::vector<std::string> rows(static_cast<std::size_t>(metrics.tmHeight));
    int pen = 0;
    for (const wchar_t* c = text; *c != L'\0'; ++c) {
        GLYPHMETRICS glyph;
        const DWORD size = GetGlyphOutlineW(dc, *c, GGO_BITMAP, &glyph, 0, nullptr, &identity);
        std::vector<unsigned char> bits(size);
        if (size != 0 && size != GDI_ERROR)
            GetGlyphOutlineW(dc, *c, GGO_BITMAP, &glyph, size, bits.data(), &identity);
        const int stride = (static_cast<int>(glyph.gmBlackBoxX) + 31) / 32 * 4;
        const int width = pen + glyph.gmCellIncX + static_cast<int>(glyph.gmBlackBoxX);
        for (std::string& row : rows)
            row.resize(static_cast<std::size_t>(width), '.');
        for (int y = 0; size != 0 && y < static_cast<int>(glyph.gmBlackBoxY); ++y)
            for (int x = 0; x < static_cast<int>(glyph.gmBlackBoxX); ++x) {
                const int row = metrics.tmAscent - glyph.gmptGlyphOrigin.y + y;
                const int column = pen + glyph.gmptGlyphOrigin.x + x;
                if ((bits[static_cast<std::size_t>(y * stride + x / 8)] & (0x80 >> (x % 8))) != 0 &&
                    row >= 0 && row < metrics.tmHeight && column >= 0)
                    rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = '#';
            }
        pen += glyph.gmCellIncX;
    }
    SelectObject(dc, previous);
    DeleteObject(font);
    DeleteDC(dc);
    std::string json = "{\"rows\": [";
    for (std::size_t i = 0; i < rows.size(); ++i)
        json += (i > 0 ? ", \"" : "\"") + rows[i] + "\"";
    std::fputs((json + "]}\n").c_str(), stdout);
    return 0;
}

} // namespace

// Wide arguments: the box titles are Chinese, whatever the code page of the Wine prefix.
int wmain(int argc, wchar_t** argv) {
    if (argc == 1)
        return PrintPages();
    if (argc == 3 && std::wcscmp(argv[1], L"box") == 0)
        return PrintBox(argv[2]);
    if (argc == 2 && std::wcscmp(argv[1], L"hot-keys") == 0)
        return PrintFreeHotKeys();
    if (argc == 3 && std::wcscmp(argv[1], L"hold") == 0)
        return HoldHotKey(argv[2]);
    if (argc == 3 && std::wcscmp(argv[1], L"text-mask") == 0)
        return PrintTextMask(argv[2]);
    if (argc == 2 && (std::wcscmp(argv[1], L"minimise") == 0 || std::wcscmp(argv[1], L"restore") == 0))
        return SendSystemCommand(std::wcscmp(argv[1], L"minimise") == 0 ? SC_MINIMIZE : SC_RESTORE);
    std::fputs(
        "usage: orvane-probe [box TITLE | hot-keys | hold KEY | minimise | restore | text-mask TEXT]\n",
        stderr);
    return 2;
}
