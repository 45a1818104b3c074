#include "glui/ControlColumn.h"
#include "glui/CoordSystemButton.h"
#include "glui/GuideExitButtons.h"
#include "glui/ListColumn.h"
#include "glui/ProgressBar.h"
#include "glui/TitleBox.h"
#include "tests/GlTestContext.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};

// The widgets drawn into their areas of the main window (of the bottom icons, which share their
// code, the coordinate system's). No pictures are loaded, so every widget draws untextured quads.
class WidgetDrawing : public MainWindowDrawingTest {
protected:
    // Every draw must leave the state as it found it.
    template <typename Widget>
    static void DrawIn(Widget& widget, ScreenArea area) {
        const Viewport v = AreaViewport(area);
        widget.Draw(v.x, v.y, v.width, v.height);
        ExpectStateRestored();
    }
    void DrawAll() {
        DrawIn(m_title, ScreenArea::Title);
        DrawIn(m_corner, ScreenArea::GuideExit);
        DrawIn(m_bar, ScreenArea::Progress);
        DrawIn(m_list, ScreenArea::ListOperations);
        DrawIn(m_icon, ScreenArea::CoordSystem);
        DrawIn(m_controls, ScreenArea::Controls);
    }
    struct Probe {
        int x, y; // client point, origin top-left
        Rgb expected;
    };
    static void ExpectPixels(std::initializer_list<Probe> probes) {
        for (const Probe& p : probes)
            EXPECT_EQ(PixelAt(p.x, kWindowHeight - 1 - p.y), p.expected) << p.x << "," << p.y;
    }

    TitleBox m_title;
    GuideExitButtons m_corner;
    ProgressBar m_bar;
    ListColumn m_list;
    CoordSystemButton m_icon;
    ControlColumn m_controls;
};

// Client y of the middle of column item i.
int ItemMiddle(int i) {
    return 80 + 72 * i;
}

TEST_F(WidgetDrawing, HoveredButtonsAreTintedOrComeForwardAndTheOthersStayAsAtRest) {
    DrawAll();
    // The backdrop reaches past the viewport, so only the middle of its fade shows.
    ExpectPixels({{775, 547, {255, 33, 33}},
                  {775, 52, {255, 222, 222}},
                  {525, 547, {33, 33, 255}},
                  {525, 52, {222, 222, 255}},
                  {25, 575, kWhite},
                  {797, 25, kBlack}});
    // A column's buttons lie where its last draw put them.
    m_list.HitTest(775, ItemMiddle(3), kColumnItemCount);
    m_controls.HitTest(500, ItemMiddle(0), kColumnItemCount);
    m_icon.HitTest(25, 575);
    m_corner.HitTest(762, 25);
    m_bar.SetValue(50);
    Clear(kBlack);
    DrawAll();
    const Rgb hoverTint{255, 204, 128};
    ExpectPixels({{775, ItemMiddle(3), hoverTint},
                  {775, ItemMiddle(2), kWhite},
                  {525, ItemMiddle(0), hoverTint},
                  {525, ItemMiddle(1), kWhite},
                  {25, 575, {128, 191, 255}},
                  {797, 25, kWhite}});
}

} // namespace
