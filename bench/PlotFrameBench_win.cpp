// The cost of a frame of the plot view, unpaced, under the system's OpenGL (under Wine: Mesa's
// software renderer): for each workspace file given, its shown graphs are sampled and the plot
// view is drawn into an 800 x 600 window made as the main window is, then the buffers swapped,
// frame after frame, with the points sent to OpenGL and with the points lit on the processor, with
// the ticks and numbers shown and hidden. The view turns by the workspace's speeds as in the
// program. Prints the frames a second and the milliseconds a frame, the best of a few rounds, for
// each file and way.
//
//     orvane-frame-bench FILE.wsp...
#include "glui/PlotViewControl.h"
#include "glui/ScreenLayout.h"
#include "mainwin/PlotRebuild.h"
#include "model/GraphStore.h"
#include "win/GlWindow.h"

#include <GL/gl.h>

#include <cstdio>
#include <memory>

namespace {

constexpr int kFramesPerRound = 120;
constexpr int kRounds = 5;

// The OpenGL state of the main window (its InitGL), and the buffer swap of its loop.
class BenchWindow : public GlWindow {
public:
    void Swap() const { SwapBuffers(m_hDC); }

protected:
    bool InitGL() override {
        GlWindow::InitGL();
        SetUpWidgetDrawing();
        return true;
    }
};

double Seconds() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The shortest time of a round of frames, in seconds a frame.
double FrameTime(const BenchWindow& window, PlotViewControl& control) {
    const Viewport v = AreaViewport(ScreenArea::Plot);
    double best = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        const double start = Seconds();
        for (int frame = 0; frame < kFramesPerRound; ++frame) {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glLoadIdentity();
            control.Draw(v.x, v.y, v.width, v.height);
            window.Swap();
        }
        glFinish();
        const double perFrame = (Seconds() - start) / kFramesPerRound;
        best = perFrame < best ? perFrame : best;
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    BenchWindow window;
    if (!window.CreateGLWindow("OrvaneFrameBench", "Orvane frame bench", kWindowWidth, kWindowHeight, 16,
                               false))
        return 1;
    std::printf("  renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    for (int i = 1; i < argc; ++i) {
        const auto store = std::make_unique<GraphStore>();
        if (store->ReadWorkspace(argv[i]) != WorkspaceLoad::kComplete) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 1;
        }
        RebuildPlot(*store);
        PlotViewControl control(store->plot);
        control.LoadImages(nullptr);
        for (const bool onProcessor : {false, true})
            for (const bool scale : {true, false}) {
                control.DrawPointsOnProcessor(onProcessor);
                control.ShowScale(scale);
                const double seconds = FrameTime(window, control);
                std::printf("  %s: %zu graphs, points %s, %s: %.1f frames a second (%.2f ms a frame)\n",
                            argv[i], store->plot.Records().size(),
                            onProcessor ? "lit on the processor" : "sent to OpenGL",
                            scale ? "ticks shown" : "ticks hidden", 1.0 / seconds, 1000.0 * seconds);
                std::fflush(stdout);
            }
        control.ReleaseTextures();
    }
    window.DestroyGLWindow();
    return 0;
}
