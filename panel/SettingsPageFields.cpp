#include "panel/SettingsPageFields.h"

#include "expr/NumberText.h"
#include "panel/AxisRanges.h"
#include "res/resource.h"

#include <limits>

namespace {

// How many characters the user may type into each box; a box shows longer texts whole.
constexpr int kRangeLimit = 10;
constexpr int kRotationLimit = 6;
constexpr int kPositionLimit = 10;

constexpr int kRangeBoxes[6] = {IDC_X_RANGE_START, IDC_X_RANGE_END,   IDC_Y_RANGE_START,
                                IDC_Y_RANGE_END,   IDC_Z_RANGE_START, IDC_Z_RANGE_END};

std::string TwoDecimals(double value) {
    return FixedNumberText(value, 2);
}

} // namespace

const RecordFields<ViewState>& CoordinatePageFields() {
    static const RecordFields<ViewState> fields = [] {
        RecordFields<ViewState> list;
        for (std::size_t i = 0; i < 6; ++i)
            list.push_back(NumberField(kRangeBoxes[i], kRangeLimit, &ViewState::ranges, i));
        return list;
    }();
    return fields;
}

const RecordFields<ViewState>& RotationPageFields() {
    static const RecordFields<ViewState> fields = {
        NumberField(IDC_ANGLE_X, kRotationLimit, &ViewState::angles, 0, TwoDecimals),
        NumberField(IDC_ANGLE_Y, kRotationLimit, &ViewState::angles, 1, TwoDecimals),
        NumberField(IDC_ANGLE_Z, kRotationLimit, &ViewState::angles, 2, TwoDecimals),
        // A faster spin would turn by more than a whole turn a frame.
        NumberField(IDC_SPEED_X, kRotationLimit, &ViewState::speeds, 0, TwoDecimals, IsValidSpeed),
        NumberField(IDC_SPEED_Y, kRotationLimit, &ViewState::speeds, 1, TwoDecimals, IsValidSpeed),
        NumberField(IDC_SPEED_Z, kRotationLimit, &ViewState::speeds, 2, TwoDecimals, IsValidSpeed),
    };
    return fields;
}

const RecordFields<ViewState>& PositionPageFields() {
    static const RecordFields<ViewState> fields = {
        NumberField(IDC_ORIGIN_X, kPositionLimit, &ViewState::position, 0),
        NumberField(IDC_ORIGIN_Y, kPositionLimit, &ViewState::position, 1),
        NumberField(IDC_ORIGIN_Z, kPositionLimit, &ViewState::position, 2),
    };
    return fields;
}

int StoreTypedAxisRanges(const PageForm& form, const ViewState& shown, ViewState& view) {
    double typed[6];
    for (std::size_t i = 0; i < 6; ++i) {
        // A box that holds no finite number leaves NaN, which no axis accepts.
        typed[i] = std::numeric_limits<double>::quiet_NaN();
        ReadNumberBox(form.Text(kRangeBoxes[i]), GeneralNumberText(shown.ranges[i]), shown.ranges[i],
                      typed[i]);
    }
    return StoreAxisRanges(typed, view.ranges);
}
