#include "core/text/HistoryTexts.h"

#include "core/text/Translate.h"
#include "core/text/WordTable.h"

namespace core {

namespace {

constexpr const char* kNoCopy = TAVREL_TRANSLATE_NOOP("History", "这次写入没有在电脑上留下副本：无法写入历史记录。");

constexpr KeyedText kWords[] = {
    {"command.save-timer", TAVREL_TRANSLATE_NOOP("History", "保存定时")},
    {"command.delete-timer", TAVREL_TRANSLATE_NOOP("History", "删除定时")},
    {"command.copy-program", TAVREL_TRANSLATE_NOOP("History", "复制程序")},
    {"command.save-dates", TAVREL_TRANSLATE_NOOP("History", "保存日期")},
    {"command.import", TAVREL_TRANSLATE_NOOP("History", "导入")},
    {"command.restore", TAVREL_TRANSLATE_NOOP("History", "恢复")},
    {"command.bulk-edit", TAVREL_TRANSLATE_NOOP("History", "批量编辑")},
    {"command.holiday-import", TAVREL_TRANSLATE_NOOP("History", "导入节假日")},
    {"no-copy", kNoCopy},
    {"list.empty", TAVREL_TRANSLATE_NOOP("History", "这张卡在这台电脑上还没有历史记录。")},
    {"change.none", TAVREL_TRANSLATE_NOOP("History", "内容没有区别。")},
    {"restore.done", TAVREL_TRANSLATE_NOOP("History", "已恢复")},
    {"restore.would", TAVREL_TRANSLATE_NOOP("History", "将恢复")},
    {"restore.unchanged", TAVREL_TRANSLATE_NOOP("History", "已是这个版本，不用写入")},
    {"restore.was-absent",
     TAVREL_TRANSLATE_NOOP("History", "这次写入之前卡上没有这个文件，不能恢复：卡上的文件从不删除。")},
    {"restore.absent-then", TAVREL_TRANSLATE_NOOP("History", "那时卡上没有这个文件，保持现状")},
    {"restore.rolled-back",
     TAVREL_TRANSLATE_NOOP("History", "已恢复，但因后面的文件无法写入，又改回了原来的内容")},
    {"plan.finished",
     TAVREL_TRANSLATE_NOOP("History", "上次被中断的多文件写入已补写完成，这些文件现在都是新的内容：")},
    {"plan.rolled-back",
     TAVREL_TRANSLATE_NOOP("History", "上次被中断的多文件写入无法完成，这些文件已改回写入前的内容：")},
    {"plan.unsettled",
     TAVREL_TRANSLATE_NOOP("History", "上次被中断的多文件写入既无法完成也无法改回，下次打开这张卡时会再试：")},
    {"plan.separator", TAVREL_TRANSLATE_NOOP("History", "、")},  // between the files a sentence names
    {"plan.left", TAVREL_TRANSLATE_NOOP("History", "这些文件在中断后已被其他程序改过，保持现状：")},
    {"error.no-place",
     TAVREL_TRANSLATE_NOOP("History", "这台电脑上没有保存历史记录的位置（请设置 TAVREL_HISTORY）。")},
    {"error.no-entry", TAVREL_TRANSLATE_NOOP("History", "没有这条历史记录：")},
    {"error.bad-time", TAVREL_TRANSLATE_NOOP("History", "无法识别的时间（请用 2026-12-11T08:00 的形式）：")},
    {"error.damaged", TAVREL_TRANSLATE_NOOP("History", "历史记录中保存的内容已损坏，无法使用：")},
    {"error.one-target", TAVREL_TRANSLATE_NOOP("History", "请给出一条历史记录的编号，或者 --all-before 时间，二者选一。")},
};

}  // namespace

std::string_view HistoryWord(std::string_view key) { return LookUpText(kWords, key); }

const char* NoHistoryCopyText() { return kNoCopy; }

}  // namespace core
