#include "win/FramePacer.h"

#include <gtest/gtest.h>

namespace {

constexpr double kFrame = 1.0 / 60.0;

// Frames started at the given times and the wait asked for at the time after them.
struct Case {
    const char* what;
    double started[3];
    double askedAt;
    int wait;
};

TEST(FramePacer, FramesComeAboutOneSixtiethOfASecondApart) {
    // clang-format off
    const Case cases[] = {
        {"a frame just drawn",           {0, -1, -1},                   0.004,             13},
        {"due exactly",                  {0, -1, -1},                   kFrame,            0},
        {"late",                         {0, -1, -1},                   0.03,              0},
        // Frames a little late stay on the schedule: the next is due at 3/60 s, not 1/60 after.
        {"a little late",                {0, kFrame + 0.002, -1},       kFrame + 0.004,    13},
        {"late again",                   {0, kFrame + 0.002, 2 * kFrame + 0.001}, 2 * kFrame + 0.002, 15},
        // A loop more than a frame behind starts afresh instead of catching up in a burst.
        {"far behind",                   {0, 0.1, -1},                  0.1,               17},
    };
    // clang-format on
    for (const Case& c : cases) {
        FramePacer pacer;
        for (const double at : c.started)
            if (at >= 0)
                pacer.FrameStarted(at);
        EXPECT_EQ(pacer.MillisecondsToWait(c.askedAt), c.wait) << c.what;
    }
    EXPECT_EQ(FramePacer().MillisecondsToWait(123.0), 0); // the first frame starts at once
}

// Sixty frames drawn as soon as they may take one second, whatever the loop's own speed.
TEST(FramePacer, SixtyFramesTakeASecond) {
    FramePacer pacer;
    double now = 0;
    for (int frame = 0; frame < 60; ++frame) {
        now += pacer.MillisecondsToWait(now) / 1000.0;
        pacer.FrameStarted(now);
        now += 0.002; // drawing
    }
    EXPECT_NEAR(now, 59 * kFrame + 0.002, 0.002);
}

} // namespace
