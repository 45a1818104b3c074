#include "mainwin/Application.h"

#include "glui/ScreenLayout.h"
#include "glui/Sound.h"
#include "mainwin/GraphRows.h"
#include "mainwin/PictureSaver.h"
#include "mainwin/PlotRebuild.h"
#include "mainwin/StatusTexts.h"
#include "mainwin/ViewDrag.h"
#include "res/resource.h"
#include "win/ShowMessageBox.h"

#include <windowsx.h>

#include <GL/gl.h>

#include <iterator>
#include <string>
#include <utility>

namespace {

constexpr int kHelpTextCapacity = 250;
constexpr int kColumnButtons = 7;
constexpr int kProgressDone = 100;

// The sub-menus of the menu resource.
constexpr int kGraphMenu = 0;
constexpr int kListMenu = 1;
constexpr int kOtherMenu = 2;

// Buttons of the columns and the top strip that act here; the others open pages.
constexpr int kGuideButton = 0;
constexpr int kExitButton = 1;
enum ListButton { kAddGraph = 0, kModifyGraph = 1, kHideGraph = 2, kRemoveGraph = 3, kClearGraphs = 6 };
enum ControlButton { kGraphMenuButton = 0, kToolsButton = 4, kOtherMenuButton = 5 };
enum SettingsButton {
    kCoordinatesButton = 1,
    kRotationButton = 2,
    kPositionButton = 3,
    kConstantsButton = 6
};

// The function keys act system-wide, whichever window has the focus.
struct HotKey {
    int id;
    UINT key;
    const wchar_t* name;
};
constexpr HotKey kHotKeys[Application::kHotKeyCount] = {
    {ID_SAVE_PICTURE, VK_F2, L"F2"},         {ID_REBUILD_PLOT, VK_F5, L"F5"},
    {ID_NEXT_COORDINATE_MODE, VK_F6, L"F6"}, {ID_NEXT_POSITION_PRESET, VK_F7, L"F7"},
    {ID_NEXT_ROTATION_PRESET, VK_F8, L"F8"},
};
constexpr const wchar_t* kHotKeysTakenText = L" 已被其他程序占用，请改用菜单和按钮。";

constexpr const wchar_t* kSaveFailedText = L"工作区文件保存失败！";
constexpr const wchar_t* kIncompleteText = L"工作区文件 Default.wsp 不完整，只读入了其中完整的部分。\n";
constexpr const wchar_t* kReadErrorText = L"工作区文件 Default.wsp 读取出错，只读入了读到的完整部分。\n";
constexpr const wchar_t* kBackedUpText = L"原文件已另存为 Default.wsp.bak。";
constexpr const wchar_t* kKeptText = L"无法另存原文件的副本：原文件保持不变，退出时工作区将保存为 ";

// What the start-up box says of a workspace file that was not used whole: where its bytes are,
// and where the workspace goes at exit when the file itself must be kept.
std::wstring LoadNotice(const GraphStore::Loaded& loaded, const std::filesystem::path& saveFile) {
    std::wstring text = loaded.status == WorkspaceLoad::kReadError ? kReadErrorText : kIncompleteText;
    if (loaded.backedUp)
        return text + kBackedUpText;
    return text + kKeptText + saveFile.filename().wstring() + L"。";
}

void DrawIn(ScreenArea area, auto& widget) {
    const Viewport v = AreaViewport(area);
    widget.Draw(v.x, v.y, v.width, v.height);
}

} // namespace

Application::Application()
    : m_plotView(m_store.plot), m_menu(LoadMenuW(m_hInstance, MAKEINTRESOURCEW(IDR_MAIN_MENU))),
      m_plotReading(m_plotView, m_menu) {
    m_request.user = this;
    m_request.callback = OnAppNotify;
}

Application::~Application() {
    if (m_menu != nullptr)
        DestroyMenu(m_menu);
}

LRESULT Application::OnCreate(HINSTANCE instance) {
    // The child windows come first: under Wine, a window that has no child when its pixel
    // format is set never shows GDI children afterwards.
    m_graphList.Create(instance, m_hWnd);
    m_labels.Create(m_hWnd);
    // A key another program holds never arrives; its action stays on the menus and buttons, and
    // the user is told once the window shows.
    for (std::size_t i = 0; i < std::size(kHotKeys); ++i)
        m_hotKeyRegistered[i] = RegisterHotKey(m_hWnd, kHotKeys[i].id, 0, kHotKeys[i].key) != 0;
    m_loaded = m_store.LoadWorkspace(kWorkspaceFileName);
    // A file whose bytes are nowhere else is not saved over: the workspace goes beside it.
    if (m_loaded.MustKeepFile())
        m_saveFile = GraphStore::FreeNameBeside(kWorkspaceFileName);
    FillGraphList();
    PlotRebuild();
    // The OpenGL state is set up by InitGL once the context exists, not here.
    return 0;
}

bool Application::InitGL() {
    GlWindow::InitGL();
    SetUpWidgetDrawing();
    m_title.LoadImages(&m_request);
    m_guideExit.LoadImages(&m_request);
    m_progress.LoadImages(&m_request);
    m_listColumn.LoadImages(&m_request);
    m_controlColumn.LoadImages(&m_request);
    m_coordinateIcon.LoadImages(&m_request);
    m_rotationIcon.LoadImages(&m_request);
    m_plotView.LoadImages(&m_request);
    m_positionIcon.LoadImages(&m_request);
    // The window is shown by now: a workspace that loaded only partly is told about once.
    std::wstring takenKeys;
    for (std::size_t i = 0; i < std::size(kHotKeys); ++i)
        if (!m_hotKeyRegistered[i])
            takenKeys += std::wstring(takenKeys.empty() ? L"" : L"、") + kHotKeys[i].name;
    if (!takenKeys.empty())
        ShowMessageBox(m_hWnd, (L"热键 " + takenKeys + kHotKeysTakenText).c_str(), L"提示",
                       MB_OK | MB_ICONINFORMATION);
    if (m_loaded.status == WorkspaceLoad::kIncomplete || m_loaded.status == WorkspaceLoad::kReadError)
        ShowMessageBox(m_hWnd, LoadNotice(m_loaded, m_saveFile).c_str(), L"提示", MB_OK | MB_ICONINFORMATION);
    return true;
}

bool Application::DrawScene() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    DrawIn(ScreenArea::GuideExit, m_guideExit);
    DrawIn(ScreenArea::Title, m_title);
    DrawIn(ScreenArea::Progress, m_progress);
    DrawIn(ScreenArea::ListOperations, m_listColumn);
    DrawIn(ScreenArea::CoordSystem, m_coordinateIcon);
    DrawIn(ScreenArea::Position, m_positionIcon);
    DrawIn(ScreenArea::Rotation, m_rotationIcon);
    DrawIn(ScreenArea::Plot, m_plotView);
    DrawIn(ScreenArea::Controls, m_controlColumn);
    glFlush();
    return true;
}

void Application::OnKill() {
    // The tear-down starts here, and any box it shows (a failed release, a failed save) runs a
    // message loop that would deliver F2 or F5 to a window going away: the hot keys go first.
    UnregisterHotKeys();
    m_title.ReleaseTextures();
    m_guideExit.ReleaseTextures();
    m_progress.ReleaseTextures();
    m_listColumn.ReleaseTextures();
    m_controlColumn.ReleaseTextures();
    m_coordinateIcon.ReleaseTextures();
    m_rotationIcon.ReleaseTextures();
    m_plotView.ReleaseTextures();
    m_store.plot.ClearRecords();
    m_positionIcon.ReleaseTextures();
}

void Application::UnregisterHotKeys() {
    for (std::size_t i = 0; i < std::size(kHotKeys); ++i)
        if (std::exchange(m_hotKeyRegistered[i], false))
            UnregisterHotKey(m_hWnd, kHotKeys[i].id);
}

LRESULT Application::OnDestroy() {
    m_graphList.Destroy();
    m_labels.Destroy();
    SaveWorkspaceOrSay();
    return 0;
}

void Application::SaveWorkspaceOrSay() {
    if (!m_store.SaveWorkspace(m_saveFile))
        ShowMessageBox(nullptr, (kSaveFailedText + (L"\n" + m_saveFile.wstring())).c_str(), L"错误",
                       MB_OK | MB_ICONERROR);
}

LRESULT Application::OnActivate(int state, int minimised, LPARAM lParam) {
    // The keyboard comes back to where it was when a page or another program took it: the graph
    // list if the user was working in it, else this window, whose keys include Escape.
    if (state == WA_INACTIVE) {
        m_listHadFocus = GetFocus() == m_graphList.Window();
        return GlWindow::OnActivate(state, minimised, lParam);
    }
    SetFocus(m_listHadFocus ? m_graphList.Window() : m_hWnd);
    return GlWindow::OnActivate(state, minimised, lParam);
}

bool Application::PreTranslateMessage(MSG& message) {
    if (m_plotReading.PreTranslate(message, m_hWnd))
        return true;
    // The wheel turns for the window with the keyboard; over the graph list it scrolls the list.
    if (message.message == WM_MOUSEWHEEL && message.hwnd != m_graphList.Window() &&
        WindowFromPoint(POINT{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)}) ==
            m_graphList.Window()) {
        SendMessageW(m_graphList.Window(), WM_MOUSEWHEEL, message.wParam, message.lParam);
        return true;
    }
    // Wine: a list that selects one row at a time ignores Ctrl on a click, where Windows lets
    // Ctrl+click clear the selected row; the list does it the same way on both.
    if (message.message == WM_LBUTTONDOWN && message.hwnd == m_graphList.Window() &&
        (message.wParam & MK_CONTROL) != 0 &&
        m_graphList.ControlClick(GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)))
        return true;
    // The page shown gets the dialog keys, Tab and Shift+Tab above all, as a form does.
    const HWND page = PanelPage::ShownPageWindow();
    return page != nullptr && IsDialogMessageW(page, &message);
}

LRESULT Application::OnCtlColor(HDC dc, HWND control, int kind) {
    if (!m_labels.IsHelpLabel(control))
        return GlWindow::OnCtlColor(dc, control, kind);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

LRESULT Application::OnDrawItem(DRAWITEMSTRUCT* item) {
    m_graphList.DrawRow(*item, m_store);
    return TRUE;
}

LRESULT Application::OnMouseMove(int flags, int x, int y) {
    m_guideExit.HitTest(x, y);
    m_listColumn.HitTest(x, y, kColumnButtons);
    m_controlColumn.HitTest(x, y, kColumnButtons);
    if (Contains(AreaClientRect(ScreenArea::Plot), x, y))
        DragView(m_store.plot.view, flags, x - m_lastMouseX, y - m_lastMouseY);
    m_positionIcon.HitTest(x, y);
    m_rotationIcon.HitTest(x, y);
    m_coordinateIcon.HitTest(x, y);
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(m_hWnd, &cursor);
    SetHelpText(HelpStringId(cursor.x, cursor.y));
    m_lastMouseX = x;
    m_lastMouseY = y;
    return 0;
}

void Application::SetHelpText(int stringId) {
    if (stringId == m_helpShown)
        return; // the same text again would only make the label flicker
    m_helpShown = stringId;
    wchar_t text[kHelpTextCapacity] = {};
    LoadStringW(m_hInstance, static_cast<UINT>(stringId), text, kHelpTextCapacity);
    m_labels.ShowHelp(text);
}

LRESULT Application::OnLButtonDown(int, int x, int y) {
    KeepPageOnTop();
    const int corner = m_guideExit.HoverIndex();
    const int listButton = m_listColumn.HoverIndex();
    const int controlButton = m_controlColumn.HoverIndex();
    if (corner >= 0 || listButton >= 0 || controlButton >= 0)
        PlaySoundFile(kClickSound);
    if (corner == kGuideButton)
        m_guidePage.OpenPage(IDD_GUIDE_PAGE, m_hWnd, 0);
    if (corner == kExitButton)
        SendMessageW(m_hWnd, WM_CLOSE, 0, 0);
    if (listButton >= 0)
        OnListColumnClick(listButton);
    if (controlButton >= 0)
        OnControlColumnClick(controlButton, x, y);
    if (m_positionIcon.IsHovered())
        m_store.plot.NextPositionPreset();
    if (m_rotationIcon.IsHovered())
        m_store.plot.NextRotationPreset();
    if (m_coordinateIcon.IsHovered())
        m_store.plot.NextCoordinateMode();
    return 0;
}

LRESULT Application::OnRButtonDown(int flags, int x, int y) {
    KeepPageOnTop();
    return GlWindow::OnRButtonDown(flags, x, y);
}

void Application::KeepPageOnTop() const {
    // Wine: without a window manager a click raises this window over the page it owns on the X
    // screen, while Wine's own order still has the page on top, so that raising the page alone
    // changes nothing. Taking it into the topmost band and back out puts it on top for both.
    if (const HWND page = PanelPage::ShownPageWindow()) {
        constexpr UINT kKeep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
        SetWindowPos(page, HWND_TOPMOST, 0, 0, 0, 0, kKeep);
        SetWindowPos(page, HWND_NOTOPMOST, 0, 0, 0, 0, kKeep);
    }
}

void Application::OnListColumnClick(int button) {
    switch (button) {
    case kAddGraph:
        AddGraph(kKindChoose);
        break;
    case kModifyGraph:
        OnCommand(ID_MODIFY_GRAPH, 0, 0);
        break;
    case kHideGraph:
        OnCommand(ID_HIDE_GRAPH, 0, 0);
        break;
    case kRemoveGraph:
        OnCommand(ID_REMOVE_GRAPH, 0, 0);
        break;
    case kClearGraphs:
        // The constants stay; the picture keeps the old graphs until the next rebuild.
        m_store.functions.Clear();
        m_store.parametrics.Clear();
        m_store.inequalities.Clear();
        FillGraphList();
        break;
    }
}

void Application::OnControlColumnClick(int button, int x, int y) {
    switch (button) {
    case kGraphMenuButton:
        PopUpMenu(kGraphMenu, x, y);
        break;
    case kToolsButton:
        // The expression page evaluates with the store's constants and functions.
        m_request.second = &m_store;
        OpenRequestPage(m_toolsPage, IDD_TOOLS_PAGE);
        break;
    case kOtherMenuButton:
        PopUpMenu(kOtherMenu, x, y);
        break;
    case kCoordinatesButton:
        m_request.second = &m_store.plot.view;
        OpenRequestPage(m_coordinatePage, IDD_COORDINATE_PAGE);
        break;
    case kRotationButton:
        m_request.data = &m_store.plot.view;
        OpenRequestPage(m_rotationPage, IDD_ROTATION_PAGE);
        break;
    case kPositionButton:
        m_request.data = &m_store.plot.view;
        OpenRequestPage(m_positionPage, IDD_POSITION_PAGE);
        break;
    case kConstantsButton:
        m_request.second = &m_store;
        OpenRequestPage(m_constantsPage, IDD_CONSTANTS_PAGE);
        break;
    }
}

void Application::OpenRequestPage(PanelPage& page, int templateId) {
    page.OpenPage(templateId, m_hWnd, reinterpret_cast<LPARAM>(&m_request));
}

void Application::PopUpMenu(int subMenu, int x, int y) {
    POINT at{x, y};
    ClientToScreen(m_hWnd, &at);
    TrackPopupMenu(GetSubMenu(m_menu, subMenu), 0, at.x, at.y, 0, m_hWnd, nullptr);
}

LRESULT Application::OnContextMenu(HWND clicked, int x, int y) {
    if (clicked == m_graphList.Window())
        TrackPopupMenu(GetSubMenu(m_menu, kListMenu), 0, x, y, 0, m_hWnd, nullptr);
    return 0;
}

LRESULT Application::OnNotify(NMHDR* header) {
    if (header->hwndFrom != m_graphList.Window() || header->code != LVN_KEYDOWN)
        return 0;
    switch (reinterpret_cast<const NMLVKEYDOWN*>(header)->wVKey) {
    case VK_DELETE:
        OnCommand(ID_REMOVE_GRAPH, 0, 0);
        break;
    case VK_F2:
        SaveWorkspaceOrSay();
        break;
    case VK_F4:
        OnCommand(ID_HIDE_GRAPH, 0, 0);
        break;
    case VK_F5:
        PlotRebuild();
        break;
    }
    return 0;
}

LRESULT Application::OnCommand(int id, int, LPARAM) {
    switch (id) {
    case ID_SAVE_PICTURE:
        PictureSaver::SavePlotArea(m_hWnd);
        break;
    case ID_REBUILD_PLOT:
        PlotRebuild();
        break;
    case ID_ADD_Y_FUNCTION:
        AddGraph(kKindYFunction);
        break;
    case ID_ADD_X_FUNCTION:
        AddGraph(kKindXFunction);
        break;
    case ID_ADD_PARAMETRIC:
        AddGraph(kKindParametric);
        break;
    case ID_ADD_INEQUALITY:
        AddGraph(kKindInequality);
        break;
    case ID_MODIFY_GRAPH:
        ModifySelectedGraph();
        break;
    case ID_REMOVE_GRAPH:
        RemoveSelectedGraph();
        break;
    case ID_HIDE_GRAPH:
        ToggleSelectedGraph();
        break;
    case ID_ABOUT:
        m_aboutPage.OpenPage(IDD_ABOUT_PAGE, m_hWnd, 0);
        break;
    case ID_SHOW_SCALE:
        m_plotReading.ToggleScale();
        break;
    case ID_NEXT_COORDINATE_MODE:
        m_store.plot.NextCoordinateMode();
        break;
    case ID_NEXT_POSITION_PRESET:
        m_store.plot.NextPositionPreset();
        break;
    case ID_NEXT_ROTATION_PRESET:
        m_store.plot.NextRotationPreset();
        break;
    }
    return 0;
}

void Application::AddGraph(int kind) {
    m_request.data = &m_store;
    m_request.mode = kModeAdd;
    m_request.kind = kind;
    m_newGraphPage.Open(m_hWnd, &m_request);
}

void Application::ModifySelectedGraph() {
    const int row = m_graphList.SelectedRow();
    const GraphRowKind kind = GraphRowKindOf(m_store, row);
    if (kind == kNoRow)
        return;
    m_request.data = &m_store;
    m_request.mode = kModeModify;
    m_request.graph = GraphRowRef(m_store, row);
    // Any function opens as kind 1: the page then shows the function's own form.
    m_request.kind = kind == kFunctionRow     ? kKindXFunction
                     : kind == kParametricRow ? kKindParametric
                                              : kKindInequality;
    m_newGraphPage.Open(m_hWnd, &m_request);
}

void Application::RemoveSelectedGraph() {
    if (RemoveGraphRow(m_store, m_graphList.SelectedRow()))
        FillGraphList();
}

void Application::ToggleSelectedGraph() {
    if (ToggleGraphRowHidden(m_store, m_graphList.SelectedRow()))
        FillGraphList();
}

void Application::PlotRebuild() {
    RebuildPlot(m_store);
    m_progress.SetValue(kProgressDone);
}

void Application::FillGraphList() {
    m_graphList.Fill(m_store);
}

int Application::OnAppNotify(int code, const void* data, void* user) {
    auto* application = static_cast<Application*>(user);
    switch (code) {
    case kGraphListsChanged:
        application->FillGraphList();
        break;
    case kRotationReport:
        application->m_labels.ShowRotation(static_cast<const double*>(data));
        break;
    case kRangeReport:
        // The coordinate page sends the address of the request's choice, which may be none yet;
        // the plot view its ranges.
        if (application->m_request.IsCoordinateChoice(data)) {
            if (IsCoordinateMode(application->m_request.coordinateChoice))
                application->m_store.plot.view.mode = application->m_request.coordinateChoice;
        } else {
            application->m_labels.ShowRanges(static_cast<const double*>(data));
        }
        break;
    case kPositionReport:
        application->m_labels.ShowPosition(static_cast<const double*>(data));
        break;
    }
    return 0;
}
