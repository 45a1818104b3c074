#include "mainwin/StatusLabels.h"

#include "mainwin/StatusTexts.h"

namespace {

constexpr DWORD kLabelStyle = WS_CHILD | WS_VISIBLE;
constexpr int kLineHeight = 16;
constexpr int kLineSpacing = 17;
constexpr int kLinesTop = 550;

struct ColumnPlace {
    int left;
    int width;
};
constexpr ColumnPlace kRangeColumn{49, 150};
constexpr ColumnPlace kPositionColumn{249, 100};
constexpr ColumnPlace kRotationColumn{399, 100};

void CreateColumn(std::array<Label, 3>& labels, const ColumnPlace& place, HWND parent) {
    for (int line = 0; line < 3; ++line)
        labels[line].Create(L"STATIC", nullptr, kLabelStyle, place.left, kLinesTop + line * kLineSpacing,
                            place.width, kLineHeight, parent, nullptr, nullptr);
}

} // namespace

void StatusLabels::Create(HWND parent) {
    CreateColumn(m_ranges.labels, kRangeColumn, parent);
    CreateColumn(m_position.labels, kPositionColumn, parent);
    CreateColumn(m_rotation.labels, kRotationColumn, parent);
    m_help.Create(L"STATIC", nullptr, kLabelStyle, 375, 2, 353, 46, parent, nullptr, nullptr);
}

void StatusLabels::Destroy() {
    m_help.Destroy();
    for (auto* column : {&m_ranges, &m_position, &m_rotation})
        for (Label& label : column->labels)
            label.Destroy();
}

void StatusLabels::Show(Column& column, const std::array<std::string, 3>& texts) {
    for (int line = 0; line < 3; ++line) {
        if (column.labels[line].Window() == nullptr || texts[line] == column.shown[line])
            continue;
        column.shown[line] = texts[line];
        const std::wstring wide(texts[line].begin(), texts[line].end()); // the value texts are plain ASCII
        column.labels[line].SetText(wide.c_str());
    }
}

void StatusLabels::ShowRanges(const double* ranges) { Show(m_ranges, RangeLabelTexts(ranges)); }

void StatusLabels::ShowRotation(const double* rotation) { Show(m_rotation, RotationLabelTexts(rotation)); }

void StatusLabels::ShowPosition(const double* position) { Show(m_position, PositionLabelTexts(position)); }

void StatusLabels::ShowHelp(const wchar_t* text) { m_help.SetText(text); }
