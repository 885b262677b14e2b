#pragma once

#include "ui/DialogTemplate.h"

// A small page with one control of each kind, laid out like the real pages.
namespace sample {

enum Id {
    kPathEdit = 1045,
    kOpenButton = 1048,
    kProgramCombo = 1000,
    kFrame = 1063,
    kHourCombo = 1041,
    kMonthCombo = 1007,
    kSunday = 1013,
    kMemoryRadio = 1039,
    kSdRadio = 1040,
    kMusicList = 1019,
    kSaveButton = 1028,
};

inline ui::DialogTemplate Page() {
    using namespace ui;
    return DialogTemplate{
        418,
        390,
        {
            {kNoControlId, ControlKind::Label, "保存路径:", {17, 13, 56, 11}},
            {kPathEdit, ControlKind::Edit, "", {77, 13, 196, 14}, TabStop | ReadOnly | Border | AutoHScroll},
            {kOpenButton, ControlKind::PushButton, "打开...", {287, 13, 52, 15}, TabStop},
            {kProgramCombo, ControlKind::DropDownList, "", {57, 32, 59, 62}, TabStop | Unsorted},
            {kFrame, ControlKind::GroupBox, "定时设置", {16, 48, 324, 48}},
            {kHourCombo,
             ControlKind::DropDownList,
             "",
             {70, 60, 30, 268},
             TabStop | VScroll | Unsorted,
             TwoDigitItems(0, 23)},
            {kMonthCombo,
             ControlKind::DropDownCombo,
             "",
             {111, 60, 47, 142},
             TabStop | VScroll | Unsorted,
             TwoDigitItems(1, 12)},
            {kSunday, ControlKind::CheckBox, "星期日", {20, 78, 39, 13}, TabStop},
            {kMemoryRadio, ControlKind::AutoRadioButton, "内存", {21, 200, 63, 10}},
            {kSdRadio, ControlKind::AutoRadioButton, "外置SD卡", {87, 200, 53, 10}},
            {kMusicList,
             ControlKind::ListBox,
             "",
             {23, 236, 248, 95},
             TabStop | Border | VScroll | Unsorted | NoIntegralHeight | NoNotify},
            {kSaveButton, ControlKind::PushButton, "保存", {352, 133, 54, 19}, TabStop},
            // A frame listed after the button it surrounds.
            {kNoControlId, ControlKind::GroupBox, "", {345, 10, 66, 324}},
        },
    };
}

// The tab stops of Page() in template order.
inline constexpr int kTabStops[] = {kPathEdit,   kOpenButton, kProgramCombo, kHourCombo,
                                    kMonthCombo, kSunday,     kMusicList,    kSaveButton};

}  // namespace sample
