#include "mainwin/StatusLabels.h"

#include "mainwin/StatusTexts.h"

namespace {

constexpr DWORD kLabelStyle = WS_CHILD | WS_VISIBLE;
constexpr int kLineHeight = 16;
constexpr int kLineSpacing = 17;
constexpr int kLinesTop = 550;

struct Column {
    int left;
    int width;
};
constexpr Column kRangeColumn{49, 150};
constexpr Column kPositionColumn{249, 100};
constexpr Column kRotationColumn{399, 100};

void CreateColumn(std::array<Label, 3>& labels, const Column& column, HWND parent) {
    for (int line = 0; line < 3; ++line)
        labels[line].Create(L"STATIC", nullptr, kLabelStyle, column.left, kLinesTop + line * kLineSpacing,
                            column.width, kLineHeight, parent, nullptr, nullptr);
}

} // namespace

void StatusLabels::Create(HWND parent) {
    CreateColumn(m_ranges, kRangeColumn, parent);
    CreateColumn(m_position, kPositionColumn, parent);
    CreateColumn(m_rotation, kRotationColumn, parent);
    m_help.Create(L"STATIC", nullptr, kLabelStyle, 375, 2, 353, 46, parent, nullptr, nullptr);
}

void StatusLabels::Destroy() {
    m_help.Destroy();
    for (auto* column : {&m_ranges, &m_position, &m_rotation})
        for (Label& label : *column)
            label.Destroy();
}

void StatusLabels::Show(Label& label, std::string& shown, const std::string& text) {
    if (label.Window() == nullptr || text == shown)
        return;
    shown = text;
    const std::wstring wide(text.begin(), text.end()); // the value texts are plain ASCII
    label.SetText(wide.c_str());
}

void StatusLabels::ShowRanges(const double* ranges) {
    const auto texts = RangeLabelTexts(ranges);
    for (int line = 0; line < 3; ++line)
        Show(m_ranges[line], m_shown[line], texts[line]);
}

void StatusLabels::ShowRotation(const double* rotation) {
    const auto texts = RotationLabelTexts(rotation);
    for (int line = 0; line < 3; ++line)
        Show(m_rotation[line], m_shown[3 + line], texts[line]);
}

void StatusLabels::ShowPosition(const double* position) {
    const auto texts = PositionLabelTexts(position);
    for (int line = 0; line < 3; ++line)
        Show(m_position[line], m_shown[6 + line], texts[line]);
}

void StatusLabels::ShowHelp(const wchar_t* text) { m_help.SetText(text); }
