#pragma once

#include "glui/ControlColumn.h"
#include "glui/CoordSystemButton.h"
#include "glui/GuideExitButtons.h"
#include "glui/ListColumn.h"
#include "glui/PlotViewControl.h"
#include "glui/PositionButton.h"
#include "glui/ProgressBar.h"
#include "glui/RotationButton.h"
#include "glui/TitleBox.h"
#include "mainwin/GraphListPanel.h"
#include "mainwin/PlotReadingInput.h"
#include "mainwin/StatusLabels.h"
#include "model/GraphStore.h"
#include "model/PageRequest.h"
#include "panel/AboutPage.h"
#include "panel/ConstantsPage.h"
#include "panel/CoordinatePage.h"
#include "panel/GuidePage.h"
#include "panel/NewGraphPage.h"
#include "panel/PositionPage.h"
#include "panel/RotationPage.h"
#include "tools/ToolsPage.h"
#include "win/GlWindow.h"

// The main window: the OpenGL control strip and plot around the graph list and the value labels,
// the document (the graph store, loaded at start-up and saved at exit) and the request block
// through which pages and the plot view report back.
class Application : public GlWindow {
public:
    // F2 and F5 to F8, registered for the whole system.
    static constexpr int kHotKeyCount = 5;

    Application();
    ~Application() override;

    // Throws the plotted buffers away and samples every shown graph again.
    void PlotRebuild();
    // Brings the graph list in line with the store.
    void FillGraphList();
    // Shows the help string in the help label.
    void SetHelpText(int stringId);

protected:
    LRESULT OnContextMenu(HWND clicked, int x, int y) override;
    LRESULT OnCtlColor(HDC dc, HWND control, int kind) override;
    LRESULT OnDrawItem(DRAWITEMSTRUCT* item) override;
    LRESULT OnDestroy() override;
    void OnKill() override;
    LRESULT OnLButtonDown(int flags, int x, int y) override;
    LRESULT OnRButtonDown(int flags, int x, int y) override;
    LRESULT OnMouseMove(int flags, int x, int y) override;
    LRESULT OnNotify(NMHDR* header) override;
    LRESULT OnCommand(int id, int code, LPARAM lParam) override;
    LRESULT OnActivate(int state, int minimised, LPARAM lParam) override;
    bool PreTranslateMessage(MSG& message) override;
    bool DrawScene() override;
    LRESULT OnCreate(HINSTANCE instance) override;
    bool InitGL() override;

private:
    static int OnAppNotify(int code, const void* data, void* user);
    void SaveWorkspaceOrSay();
    void UnregisterHotKeys();
    // Shows a sub-menu of the menu resource at a point of the client area.
    void PopUpMenu(int subMenu, int x, int y);
    // Puts the page shown back over this window after a click.
    void KeepPageOnTop() const;
    void OnListColumnClick(int button);
    void OnControlColumnClick(int button, int x, int y);
    // Opens the new-graph page for adding a graph of a kind, or the user's choice (-1).
    void AddGraph(int kind);
    // Opens the graph page of the selected row's graph, if a row is selected.
    void ModifySelectedGraph();
    // Removes or hides the graph of the selected row, if a row is selected.
    void RemoveSelectedGraph();
    void ToggleSelectedGraph();
    // Opens a page of the control column with the request, its fields filled by the caller.
    void OpenRequestPage(PanelPage& page, int templateId);

    ControlColumn m_controlColumn;
    PositionButton m_positionIcon;
    PageRequest m_request;
    GraphStore m_store;
    PlotViewControl m_plotView;
    CoordSystemButton m_coordinateIcon;
    RotationButton m_rotationIcon;
    StatusLabels m_labels;
    ListColumn m_listColumn;
    ProgressBar m_progress;
    GuideExitButtons m_guideExit;
    TitleBox m_title;
    GraphListPanel m_graphList;
    NewGraphPage m_newGraphPage;
    ToolsPage m_toolsPage;
    ConstantsPage m_constantsPage;
    CoordinatePage m_coordinatePage;
    RotationPage m_rotationPage;
    PositionPage m_positionPage;
    AboutPage m_aboutPage;
    GuidePage m_guidePage;
    HMENU m_menu;
    PlotReadingInput m_plotReading;

    GraphStore::Loaded m_loaded{WorkspaceLoad::kMissing, false};
    std::filesystem::path m_saveFile = kWorkspaceFileName;
    bool m_hotKeyRegistered[kHotKeyCount] = {};
    int m_helpShown = 0;
    bool m_listHadFocus = false;
    int m_lastMouseX = 0;
    int m_lastMouseY = 0;
};
