#include "app/SplashPage.h"

#include "res/resource.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

// The test resources give the splash template this caption, so another thread can find it.
constexpr const wchar_t* kSplashCaption = L"Splash under test";

TEST(SplashPage, StaysVisibleForTwoSecondsThenEndsWithZero) {
    std::atomic<bool> visibleMidway = false;
    std::thread watcher([&visibleMidway] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1000));
        const HWND splash = FindWindowW(nullptr, kSplashCaption);
        visibleMidway = splash != nullptr && IsWindowVisible(splash);
    });
    SplashPage splash;
    const auto start = std::chrono::steady_clock::now();
    const INT_PTR result = splash.RunModal(IDD_SPLASH, nullptr, 0);
    const auto shown = std::chrono::steady_clock::now() - start;
    watcher.join();
    EXPECT_EQ(result, 0);
    EXPECT_GE(shown, std::chrono::milliseconds(2000));
    EXPECT_TRUE(visibleMidway);
    EXPECT_EQ(splash.Window(), nullptr); // the dialog is gone once RunModal returns
}

} // namespace
