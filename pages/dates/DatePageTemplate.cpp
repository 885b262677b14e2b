#include "pages/dates/DatePageTemplate.h"

#include <QCoreApplication>

#include "pages/dates/DateControlIds.h"

namespace pages {

namespace {

// Captions are marked for lupdate where they stand and translated here.
QString Caption(const char* source) { return QCoreApplication::translate("DatePage", source); }

}  // namespace

ui::DialogTemplate DatePageTemplate() {
    using namespace ui;
    using namespace date_ids;
    return DialogTemplate{
        418,
        372,
        {
            {kOpenFolder,
             ControlKind::PushButton,
             Caption(QT_TRANSLATE_NOOP("DatePage", "打开...")),
             {279, 32, 52, 15},
             TabStop},
            {kSettingsFrame,
             ControlKind::GroupBox,
             Caption(QT_TRANSLATE_NOOP("DatePage", "特殊日期设置")),
             {13, 85, 329, 182}},
            {kProgramLabel,
             ControlKind::Label,
             Caption(QT_TRANSLATE_NOOP("DatePage", "程序选择：")),
             {20, 102, 40, 11}},
            // No items: the opened list is sized as for an empty list, and the page adds the
            // program names when it starts.
            {kProgram, ControlKind::DropDownList, "", {60, 99, 59, 101}, TabStop | Unsorted},
            {kMonthLabel,
             ControlKind::Label,
             Caption(QT_TRANSLATE_NOOP("DatePage", "月份：")),
             {20, 124, 31, 11}},
            {kMonth,
             ControlKind::DropDownCombo,
             "",
             {52, 122, 47, 142},
             TabStop | Unsorted,
             TwoDigitItems(1, 12)},
            {kDayLabel,
             ControlKind::Label,
             Caption(QT_TRANSLATE_NOOP("DatePage", "日期：")),
             {104, 124, 24, 11}},
            {kDay,
             ControlKind::DropDownCombo,
             "",
             {131, 122, 47, 142},
             TabStop | Unsorted,
             TwoDigitItems(1, 31)},
            {kAddDate,
             ControlKind::PushButton,
             Caption(QT_TRANSLATE_NOOP("DatePage", "添加")),
             {279, 119, 56, 16},
             TabStop},
            {kDateListFrame,
             ControlKind::GroupBox,
             Caption(QT_TRANSLATE_NOOP("DatePage", "特殊日期")),
             {19, 138, 317, 116}},
            {kDateList,
             ControlKind::ListBox,
             "",
             {25, 152, 306, 95},
             TabStop | Border | VScroll | Unsorted | NoIntegralHeight},
            {kSave,
             ControlKind::PushButton,
             Caption(QT_TRANSLATE_NOOP("DatePage", "保存")),
             {351, 283, 54, 19},
             TabStop},
            {kDeleteDate,
             ControlKind::PushButton,
             Caption(QT_TRANSLATE_NOOP("DatePage", "删除")),
             {351, 309, 54, 19},
             TabStop},
            {kExit,
             ControlKind::PushButton,
             Caption(QT_TRANSLATE_NOOP("DatePage", "退出")),
             {351, 335, 54, 19},
             TabStop},
            {kSavePathLabel,
             ControlKind::Label,
             Caption(QT_TRANSLATE_NOOP("DatePage", "保存路径:")),
             {17, 32, 56, 11}},
            {kSavePath, ControlKind::Edit, "", {77, 32, 196, 14}, TabStop | ReadOnly | Border},
            // Frame around the buttons on the right.
            {kNoControlId, ControlKind::GroupBox, "", {345, 10, 66, 352}},
        },
    };
}

}  // namespace pages
