#pragma once

// The progress bar's value in percent. The application sets it; drawing keeps it at 100 at most.
class ProgressBarState {
public:
    // Left end of the filled bar in eye coordinates; 100 percent reaches 0.81.
    static constexpr float kBarLeft = -0.55f;

    void SetValue(int percent) { m_value = percent; }
    int Value() const { return m_value; }
    // For drawing a frame: a value above 100 becomes 100 and stays so. Returns the right end of
    // the filled bar, kBarLeft when the value is 0.
    float BarRight();

private:
    int m_value = 0;
};
