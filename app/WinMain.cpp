#include "mainwin/Application.h"
#include "panel/SplashPage.h"
#include "res/resource.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <cstdlib>
#include <ctime>

namespace {

constexpr int kColourBits = 16;

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    SplashPage splash;
    Application application;
    splash.RunModal(IDD_SPLASH, nullptr, 0);
    // New graphs get random colours that differ from run to run.
    std::srand(static_cast<unsigned int>(std::time(nullptr)));
    // The shell and the common dialogs want COM; a failure to start it is not reported.
    CoInitialize(nullptr);
    InitCommonControls();
    // A failed creation has shown its reason and released what it made.
    if (application.CreateGLWindow("GLWMain", "Orvane", kWindowWidth, kWindowHeight, kColourBits, false)) {
        application.RunMessageLoop();
        application.DestroyGLWindow();
    }
    CoUninitialize();
    return 0;
}
