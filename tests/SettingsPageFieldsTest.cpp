#include "panel/SettingsPageFields.h"

#include "res/resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>

namespace {

using Texts = std::map<int, std::string>;

PageForm Form(const Texts& texts) {
    PageForm form;
    for (const auto& [id, text] : texts)
        form.SetText(id, text);
    return form;
}

ViewState View() {
    ViewState view;
    view.angles[0] = 30;
    view.angles[1] = -171.25;
    view.angles[2] = 0.004;
    view.speeds[0] = 0.5;
    view.speeds[1] = 2.5;
    view.speeds[2] = -0.0;
    view.position[0] = 0;
    view.position[1] = -2.5;
    view.position[2] = -1234567.8;
    view.ranges[0] = -20;
    view.ranges[1] = 1e6;
    return view;
}

TEST(SettingsPageFields, ShowTheViewAsEachPageFormatsIt) {
    const struct {
        const RecordFields<ViewState>& fields;
        Texts shown;
    } cases[] = {
        {RotationPageFields(),
         {{IDC_ANGLE_X, "30.00"},
          {IDC_ANGLE_Y, "-171.25"},
          {IDC_ANGLE_Z, "0.00"},
          {IDC_SPEED_X, "0.50"},
          {IDC_SPEED_Y, "2.50"},
          {IDC_SPEED_Z, "0.00"}}},
        {PositionPageFields(), {{IDC_ORIGIN_X, "0"}, {IDC_ORIGIN_Y, "-2.5"}, {IDC_ORIGIN_Z, "-1.23457e+06"}}},
        {CoordinatePageFields(),
         {{IDC_X_RANGE_START, "-20"},
          {IDC_X_RANGE_END, "1e+06"},
          {IDC_Y_RANGE_START, "-10"},
          {IDC_Y_RANGE_END, "10"},
          {IDC_Z_RANGE_START, "-10"},
          {IDC_Z_RANGE_END, "10"}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShowRecord(c.fields, View()).Texts(), c.shown);
}

// The boxes let 6 (rotation) or 10 characters be typed, yet are read whole.
TEST(SettingsPageFields, LimitTheTypingButNotTheReading) {
    for (const auto& field : RotationPageFields())
        EXPECT_EQ(field.boxes[0].limit, 6);
    for (const auto& fields : {PositionPageFields(), CoordinatePageFields()})
        for (const auto& field : fields)
            EXPECT_EQ(field.boxes[0].limit, 10);
}

// Confirming stores what the boxes show, decimals and all; a box that holds no finite number, or a
// speed of more than a whole turn a frame, keeps the value the view has.
TEST(SettingsPageFields, ReadTheBoxesIntoTheView) {
    ViewState view = View();
    ReadRecord(RotationPageFields(),
               Form({{IDC_ANGLE_X, "12.75"},
                     {IDC_ANGLE_Y, "-0.5"},
                     {IDC_ANGLE_Z, "inf"},
                     {IDC_SPEED_X, "-360"},
                     {IDC_SPEED_Y, "9e307"},
                     {IDC_SPEED_Z, "abc"}}),
               view, view);
    const double rotation[6] = {12.75, -0.5, 0.004, -360, 2.5, 0};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(view.angles[i], rotation[i]) << "angle " << i;
        EXPECT_EQ(view.speeds[i], rotation[3 + i]) << "speed " << i;
    }
    ReadRecord(RotationPageFields(), Form({{IDC_SPEED_X, "360.01"}, {IDC_SPEED_Y, "-361"}}), view, view);
    EXPECT_EQ(view.speeds[0], -360);
    EXPECT_EQ(view.speeds[1], 2.5);

    ReadRecord(PositionPageFields(),
               Form({{IDC_ORIGIN_X, "1"}, {IDC_ORIGIN_Y, "-12345.678"}, {IDC_ORIGIN_Z, "1e999"}}), view,
               view);
    EXPECT_EQ(view.position[0], 1);
    EXPECT_EQ(view.position[1], -12345.678);
    EXPECT_EQ(view.position[2], -1234567.8);
}

// A box left as it was shown gives back the value it was filled from, not its six digits, even
// when the view turned on meanwhile; a box typed into takes what was typed.
TEST(SettingsPageFields, KeepTheValuesOfUntouchedBoxesExactly) {
    ViewState shown = View();
    shown.speeds[0] = 0.125;
    ViewState live = shown;
    live.angles[1] += 5; // the page stays open while the view turns
    live.angles[2] += 5;
    ReadRecord(RotationPageFields(), ShowRecord(RotationPageFields(), shown), shown, live);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(live.angles[i], shown.angles[i]) << "angle " << i;
        EXPECT_EQ(live.speeds[i], shown.speeds[i]) << "speed " << i;
    }

    PageForm typed = ShowRecord(PositionPageFields(), shown);
    typed.SetText(IDC_ORIGIN_X, "2");
    ReadRecord(PositionPageFields(), typed, shown, live);
    EXPECT_EQ(live.position[0], 2);
    EXPECT_EQ(live.position[2], -1234567.8);
}

TEST(StoreTypedAxisRanges, StoresTheValidAxesAndCountsTheOthers) {
    const struct {
        Texts typed;
        int refused;
        double ranges[6];
    } cases[] = {
        {{{IDC_X_RANGE_START, "-20"},
          {IDC_X_RANGE_END, "20"},
          {IDC_Y_RANGE_START, "-1.5"},
          {IDC_Y_RANGE_END, "1.5"},
          {IDC_Z_RANGE_START, "0"},
          {IDC_Z_RANGE_END, "-12345.678e-2"}},
         1,
         {-20, 20, -1.5, 1.5, -10, 10}},
        {{{IDC_X_RANGE_START, "inf"},
          {IDC_X_RANGE_END, "20"},
          {IDC_Y_RANGE_START, "-3"},
          {IDC_Y_RANGE_END, "3"},
          {IDC_Z_RANGE_START, "-4"},
          {IDC_Z_RANGE_END, "4"}},
         1,
         {-10, 10, -3, 3, -4, 4}},
        {{{IDC_X_RANGE_START, "5"},
          {IDC_X_RANGE_END, "5"},
          {IDC_Y_RANGE_START, "nan"},
          {IDC_Y_RANGE_END, "1"},
          {IDC_Z_RANGE_START, "-1e999"},
          {IDC_Z_RANGE_END, "0"}},
         3,
         {-10, 10, -10, 10, -10, 10}},
        {{}, 3, {-10, 10, -10, 10, -10, 10}}, // empty boxes read 0 to 0
    };
    for (const auto& c : cases) {
        ViewState view;
        EXPECT_EQ(StoreTypedAxisRanges(Form(c.typed), view, view), c.refused);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(view.ranges[i], c.ranges[i]) << "refusing " << c.refused << ", value " << i;
    }
}

TEST(StoreTypedAxisRanges, KeepsTheRangesOfUntouchedBoxesExactly) {
    ViewState shown;
    const double ranges[6] = {-3.14159265, 1234567, -0.000123456789, 10, -10, 10};
    std::copy(ranges, ranges + 6, shown.ranges);
    PageForm form = ShowRecord(CoordinatePageFields(), shown);
    form.SetText(IDC_Z_RANGE_END, "20");
    ViewState view;
    EXPECT_EQ(StoreTypedAxisRanges(form, shown, view), 0);
    const double stored[6] = {-3.14159265, 1234567, -0.000123456789, 10, -10, 20};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(view.ranges[i], stored[i]) << i;
}

TEST(IsCoordinateMode, AcceptsTheThreeSystemsOnly) {
    const struct {
        std::int32_t mode;
        bool valid;
    } cases[] = {{-1, false}, {0, true}, {1, true}, {2, true}, {3, false}, {INT32_MIN, false}};
    for (const auto& c : cases)
        EXPECT_EQ(IsCoordinateMode(c.mode), c.valid) << c.mode;
}

} // namespace
