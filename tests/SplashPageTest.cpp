#include "app/SplashPage.h"

#include "res/resource.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

TEST(SplashPage, StaysVisibleForTwoSecondsThenEndsWithZero) {
    bool visibleMidway = false; // read after the join
    std::thread watcher([&visibleMidway] {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        // The test resources give the splash template this caption.
        visibleMidway = IsWindowVisible(FindWindowW(nullptr, L"Splash under test"));
    });
    const auto start = std::chrono::steady_clock::now();
    SplashPage splash;
    EXPECT_EQ(splash.RunModal(IDD_SPLASH, nullptr, 0), 0);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    watcher.join();
    EXPECT_TRUE(visibleMidway);
    EXPECT_EQ(splash.Window(), nullptr); // the dialog is gone once RunModal returns
}

} // namespace
