#include "pages/schedule/ScheduleTemplate.h"

#include <QCoreApplication>

#include "core/schedule/TimerRecord.h"
#include "core/text/ProgramNames.h"
#include "pages/schedule/ControlIds.h"

namespace pages {

using ui::ControlKind;
using ui::ControlRow;
using ui::DialogBox;
using ui::kNoControlId;

namespace {

// Captions are marked for lupdate where they stand and translated here.
QString Caption(const char* source) { return QCoreApplication::translate("SchedulePage", source); }

QStringList Captions(std::initializer_list<const char*> sources) {
    QStringList captions;
    for (const char* source : sources) captions << Caption(source);
    return captions;
}

// The fixed lists of the schedule pages, index = stored value.
QStringList TimerModeItems() {
    return Captions({QT_TRANSLATE_NOOP("SchedulePage", "音乐定时"),
                     QT_TRANSLATE_NOOP("SchedulePage", "收音定时"),
                     QT_TRANSLATE_NOOP("SchedulePage", "电源定时")});
}

QStringList PlayModeItems() {
    return Captions(
        {QT_TRANSLATE_NOOP("SchedulePage", "顺序播放"), QT_TRANSLATE_NOOP("SchedulePage", "随机播放")});
}

QStringList LoopModeItems() {
    return Captions(
        {QT_TRANSLATE_NOOP("SchedulePage", "全部一起"), QT_TRANSLATE_NOOP("SchedulePage", "全部循环")});
}

// "87.5MHz" to "108.0MHz" in steps of 0.1 MHz: channel i is 8750 + 10 * i in units of 10 kHz.
QStringList ChannelItems() {
    constexpr int kChannels = 206;
    QStringList items;
    for (int i = 0; i < kChannels; ++i) {
        const int tensOfKilohertz = core::kLowestFrequency + 10 * i;
        items << QStringLiteral("%1.%2MHz").arg(tensOfKilohertz / 100).arg(tensOfKilohertz / 10 % 10);
    }
    return items;
}

constexpr ui::ControlStyles kList = ui::TabStop | ui::Unsorted;

// The entries of the program, copy source and copy target lists, index = program.
QStringList ProgramNames(const ScheduleVariant& v) {
    QStringList names;
    for (int program = 0; program < v.programCount(); ++program) {
        names << QCoreApplication::translate("Program", core::ProgramName(program));
    }
    return names;
}

ControlRow Label(int id, const char* caption, DialogBox box) {
    return {id, ControlKind::Label, Caption(caption), box};
}

ControlRow Frame(int id, const char* caption, DialogBox box) {
    return {id, ControlKind::GroupBox, Caption(caption), box};
}

ControlRow Button(int id, const char* caption, DialogBox box) {
    return {id, ControlKind::PushButton, Caption(caption), box, ui::TabStop};
}

ControlRow Check(int id, const QString& caption, DialogBox box) {
    return {id, ControlKind::CheckBox, caption, box, ui::TabStop};
}

ControlRow Check(int id, const char* caption, DialogBox box) { return Check(id, Caption(caption), box); }

ControlRow Combo(int id, DialogBox box, ui::ControlStyles style, QStringList items) {
    return {id, ControlKind::DropDownList, QString(), box, style, std::move(items)};
}

void AddTopRows(std::vector<ControlRow>& rows, const ScheduleVariant& v) {
    rows.push_back(
        Label(ids::kSavePathLabel, QT_TRANSLATE_NOOP("SchedulePage", "保存路径:"), {17, 13, 56, 11}));
    rows.push_back({ids::kSavePath,
                    ControlKind::Edit,
                    QString(),
                    {77, 13, 196, 14},
                    ui::TabStop | ui::ReadOnly | ui::Border});
    rows.push_back(Button(ids::kOpenFolder, QT_TRANSLATE_NOOP("SchedulePage", "打开..."), {287, 13, 52, 15}));
    rows.push_back(
        Label(ids::kProgramLabel, QT_TRANSLATE_NOOP("SchedulePage", "程序选择:"), {17, 34, 40, 11}));
    rows.push_back(Combo(ids::kProgram, {57, 32, 59, v.programListHeight}, kList, ProgramNames(v)));
    rows.push_back(
        Label(ids::kTimerNumberLabel, QT_TRANSLATE_NOOP("SchedulePage", "节目序号:"), {122, 34, 51, 11}));
    rows.push_back({ids::kTimerNumber,
                    ControlKind::Edit,
                    QString(),
                    {176, 32, 49, 13},
                    ui::TabStop | ui::ReadOnly | ui::Centered | ui::Border});
    rows.push_back(Label(ids::kModeLabel, QT_TRANSLATE_NOOP("SchedulePage", "定时模式:"), {237, 35, 40, 11}));
    rows.push_back(Combo(ids::kMode, {281, 33, 59, 64}, kList, TimerModeItems()));
}

void AddTimeFrame(std::vector<ControlRow>& rows, const ScheduleVariant& v) {
    const QStringList hours = ui::TwoDigitItems(0, 23);
    const QStringList sixty = ui::TwoDigitItems(0, 59);
    rows.push_back(Frame(ids::kTimeFrame, QT_TRANSLATE_NOOP("SchedulePage", "定时设置"), {16, 48, 324, 48}));
    rows.push_back(Label(ids::kStartLabel, QT_TRANSLATE_NOOP("SchedulePage", "开始时间:"), {22, 62, 46, 11}));
    rows.push_back(Combo(ids::kStartHour, {70, 60, 30, 268}, kList, hours));
    rows.push_back(Combo(ids::kStartMinute, {111, 60, 30, 260}, kList, sixty));
    rows.push_back(Combo(ids::kStartSecond, {153, 60, 30, 250}, kList, sixty));
    rows.push_back(Label(ids::kEndLabel, QT_TRANSLATE_NOOP("SchedulePage", "结束时间:"), {186, 62, 40, 11}));
    rows.push_back(Combo(ids::kEndHour, {225, 60, 30, 251}, kList, hours));
    rows.push_back(Combo(ids::kEndMinute, {266, 60, 30, 262}, kList, sixty));
    rows.push_back(Combo(ids::kEndSecond, {308, 60, 30, 267}, kList, sixty));
    for (int x : {101, 143, 256, 298}) rows.push_back(Label(kNoControlId, "：", {x, 64, 8, 11}));
    if (!v.kind.weekdays) return;
    static const char* const kDays[] = {
        QT_TRANSLATE_NOOP("SchedulePage", "星期日"), QT_TRANSLATE_NOOP("SchedulePage", "星期一"),
        QT_TRANSLATE_NOOP("SchedulePage", "星期二"), QT_TRANSLATE_NOOP("SchedulePage", "星期三"),
        QT_TRANSLATE_NOOP("SchedulePage", "星期四"), QT_TRANSLATE_NOOP("SchedulePage", "星期五"),
        QT_TRANSLATE_NOOP("SchedulePage", "星期六")};
    static const int kDayX[] = {20, 66, 112, 161, 205, 247, 291};
    for (std::size_t day = 0; day < ids::kWeekdays.size(); ++day) {
        rows.push_back(Check(ids::kWeekdays[day], kDays[day], {kDayX[day], 78, 39, 13}));
    }
}

void AddPowerFrame(std::vector<ControlRow>& rows, const ScheduleVariant& v) {
    rows.push_back(
        Frame(ids::kPowerFrame, QT_TRANSLATE_NOOP("SchedulePage", "电源/分区"), {16, 100, 324, 62}));
    rows.push_back(Check(ids::kPower1, QT_TRANSLATE_NOOP("SchedulePage", "电源1"), {23, 110, 44, 13}));
    rows.push_back(Check(ids::kPower2, QT_TRANSLATE_NOOP("SchedulePage", "电源2"), {75, 110, 38, 13}));
    rows.push_back(Check(ids::kPower3, QT_TRANSLATE_NOOP("SchedulePage", "电源3"), {126, 110, 42, 13}));
    rows.push_back(
        Check(ids::kExtensionPower, QT_TRANSLATE_NOOP("SchedulePage", "外扩电源"), {177, 110, 51, 13}));
    rows.push_back(
        Check(ids::kHoldPower, QT_TRANSLATE_NOOP("SchedulePage", "保持电源"), {v.holdPowerX, 110, 51, 13}));
    rows.push_back(Label(ids::kZoneLabel, QT_TRANSLATE_NOOP("SchedulePage", "分区:"), {21, 129, 25, 9}));
    static const int kZoneX[] = {49, 73, 97, 123, 147, 171, 195, 221};
    for (std::size_t zone = 0; zone < ids::kZones.size(); ++zone) {
        const int y = zone < 8 ? 127 : 143;
        rows.push_back(Check(ids::kZones[zone], QStringLiteral("%1").arg(zone + 1, 2, 10, QLatin1Char('0')),
                             {kZoneX[zone % 8], y, 20, 13}));
    }
}

// The rows from the channel row down; the caller moves them by the variant's shift.
void AddLowerRows(std::vector<ControlRow>& rows, const ScheduleVariant& v) {
    rows.push_back(
        Label(ids::kChannelLabel, QT_TRANSLATE_NOOP("SchedulePage", "收音机频率:"), {18, 168, 56, 11}));
    rows.push_back(Combo(ids::kChannel, {78, 166, 69, 133}, kList, ChannelItems()));

    rows.push_back(Frame(ids::kPlayFrame, QT_TRANSLATE_NOOP("SchedulePage", "播放设置"), {16, 186, 327, 34}));
    rows.push_back({ids::kInternalMemory,
                    ControlKind::AutoRadioButton,
                    Caption(QT_TRANSLATE_NOOP("SchedulePage", "内存")),
                    {21, 200, 63, 10}});
    rows.push_back({ids::kExternalCard,
                    ControlKind::AutoRadioButton,
                    Caption(QT_TRANSLATE_NOOP("SchedulePage", "外置SD卡")),
                    {87, 200, 53, 10}});
    rows.push_back(
        Label(ids::kPlayModeLabel, QT_TRANSLATE_NOOP("SchedulePage", "播放模式:"), {146, 200, 40, 11}));
    rows.push_back(Combo(ids::kPlayMode, {188, 198, 47, 44}, kList, PlayModeItems()));
    rows.push_back(
        Label(ids::kLoopModeLabel, QT_TRANSLATE_NOOP("SchedulePage", "循环模式:"), {239, 200, 49, 11}));
    rows.push_back(Combo(ids::kLoopMode, {290, 198, 50, 41}, kList, LoopModeItems()));

    rows.push_back(
        Frame(ids::kMusicFrame, QT_TRANSLATE_NOOP("SchedulePage", "音乐文件"), {16, 222, 317, 116}));
    rows.push_back({ids::kMusicList,
                    ControlKind::ListBox,
                    QString(),
                    {23, 236, 248, 95},
                    ui::TabStop | ui::Unsorted | ui::Border | ui::VScroll | ui::NoIntegralHeight});
    rows.push_back(Button(ids::kAddMusic, QT_TRANSLATE_NOOP("SchedulePage", "添加..."), {276, 236, 54, 19}));
    rows.push_back(Button(ids::kDeleteMusic, QT_TRANSLATE_NOOP("SchedulePage", "删除"), {276, 260, 54, 19}));
    rows.push_back(Button(ids::kMusicUp, QT_TRANSLATE_NOOP("SchedulePage", "上移"), {276, 286, 54, 19}));
    rows.push_back(Button(ids::kMusicDown, QT_TRANSLATE_NOOP("SchedulePage", "下移"), {276, 312, 54, 19}));

    rows.push_back(Frame(ids::kCopyFrame, QT_TRANSLATE_NOOP("SchedulePage", "程序复制"), {16, 342, 317, 39}));
    rows.push_back(
        Label(ids::kCopySourceLabel, QT_TRANSLATE_NOOP("SchedulePage", "程序选择:"), {25, 360, 40, 11}));
    rows.push_back(Combo(ids::kCopySource, {67, 360, 59, v.copySourceListHeight}, kList, ProgramNames(v)));
    rows.push_back(Label(ids::kCopyToLabel, QT_TRANSLATE_NOOP("SchedulePage", "复制到"), {137, 362, 30, 11}));
    rows.push_back(
        Label(ids::kCopyTargetLabel, QT_TRANSLATE_NOOP("SchedulePage", "程序选择:"), {171, 362, 40, 11}));
    rows.push_back(Combo(ids::kCopyTarget, {214, 360, 59, v.copyTargetListHeight}, kList, ProgramNames(v)));
    rows.push_back(Button(ids::kCopy, QT_TRANSLATE_NOOP("SchedulePage", "复制"), {276, 356, 54, 19}));
}

void AddCommandColumn(std::vector<ControlRow>& rows) {
    rows.push_back(Frame(kNoControlId, "", {345, 10, 66, 324}));
    const struct {
        int id;
        const char* caption;
        int y;
    } buttons[] = {
        {ids::kNextTimer, QT_TRANSLATE_NOOP("SchedulePage", "下一定时"), 35},
        {ids::kPrevTimer, QT_TRANSLATE_NOOP("SchedulePage", "上一定时"), 59},
        {ids::kNewTimer, QT_TRANSLATE_NOOP("SchedulePage", "新建"), 85},
        {ids::kCancelTimer, QT_TRANSLATE_NOOP("SchedulePage", "取消"), 109},
        {ids::kSave, QT_TRANSLATE_NOOP("SchedulePage", "保存"), 133},
        {ids::kDeleteTimer, QT_TRANSLATE_NOOP("SchedulePage", "删除"), 159},
        {ids::kExit, QT_TRANSLATE_NOOP("SchedulePage", "退出"), 185},
    };
    for (const auto& button : buttons)
        rows.push_back(Button(button.id, button.caption, {352, button.y, 54, 19}));
}

}  // namespace

ui::DialogTemplate ScheduleTemplate(const ScheduleVariant& variant) {
    ui::DialogTemplate page{418, 390, {}};
    AddTopRows(page.rows, variant);
    AddTimeFrame(page.rows, variant);
    AddPowerFrame(page.rows, variant);
    const std::size_t firstLower = page.rows.size();
    AddLowerRows(page.rows, variant);
    for (std::size_t i = firstLower; i < page.rows.size(); ++i) page.rows[i].box.y += variant.lowerRowsShift;
    AddCommandColumn(page.rows);
    return page;
}

}  // namespace pages
