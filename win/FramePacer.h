#pragma once

// Spaces the frames of the main loop about 1/60 s apart. The view turns by its speeds once per
// frame, so the spin is the same on every machine as on a 60 Hz display, and an idle program
// no longer keeps a processor busy drawing frames nobody can see.
class FramePacer {
public:
    static constexpr double kFramesPerSecond = 60.0;

    // Whole milliseconds to wait, at `now` (seconds on any steady clock), before the next frame
    // may start; 0 when it may start now.
    int MillisecondsToWait(double now) const;

    // A frame starts at `now`. The next one is due a frame time after the one before, so short
    // waits do not add up to a slower rate; a loop that fell more than a frame behind starts
    // afresh instead of drawing the missed frames in a burst.
    void FrameStarted(double now);

private:
    double m_due = 0.0; // when the next frame may start
    bool m_started = false;
};
