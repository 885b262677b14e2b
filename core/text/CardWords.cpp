#include "core/text/CardWords.h"

#include "core/text/Translate.h"
#include "core/text/WordTable.h"

namespace core {

namespace {

// Values and fields in the window's own words.
constexpr KeyedText kWords[] = {
    {"mode.music", TAVREL_TRANSLATE_NOOP("CardWords", "音乐定时")},
    {"mode.radio", TAVREL_TRANSLATE_NOOP("CardWords", "收音定时")},
    {"mode.power", TAVREL_TRANSLATE_NOOP("CardWords", "电源定时")},
    {"play.in-order", TAVREL_TRANSLATE_NOOP("CardWords", "顺序播放")},
    {"play.shuffle", TAVREL_TRANSLATE_NOOP("CardWords", "随机播放")},
    {"loop.all-once", TAVREL_TRANSLATE_NOOP("CardWords", "全部一起")},
    {"loop.loop-all", TAVREL_TRANSLATE_NOOP("CardWords", "全部循环")},
    {"weekday.sun", TAVREL_TRANSLATE_NOOP("CardWords", "星期日")},
    {"weekday.mon", TAVREL_TRANSLATE_NOOP("CardWords", "星期一")},
    {"weekday.tue", TAVREL_TRANSLATE_NOOP("CardWords", "星期二")},
    {"weekday.wed", TAVREL_TRANSLATE_NOOP("CardWords", "星期三")},
    {"weekday.thu", TAVREL_TRANSLATE_NOOP("CardWords", "星期四")},
    {"weekday.fri", TAVREL_TRANSLATE_NOOP("CardWords", "星期五")},
    {"weekday.sat", TAVREL_TRANSLATE_NOOP("CardWords", "星期六")},
    {"power.power1", TAVREL_TRANSLATE_NOOP("CardWords", "电源1")},
    {"power.power2", TAVREL_TRANSLATE_NOOP("CardWords", "电源2")},
    {"power.power3", TAVREL_TRANSLATE_NOOP("CardWords", "电源3")},
    {"power.extension", TAVREL_TRANSLATE_NOOP("CardWords", "外扩电源")},
    {"power.hold", TAVREL_TRANSLATE_NOOP("CardWords", "保持电源")},
    {"medium.D", TAVREL_TRANSLATE_NOOP("CardWords", "内存")},
    {"medium.E", TAVREL_TRANSLATE_NOOP("CardWords", "外置SD卡")},
    {"field.timer", TAVREL_TRANSLATE_NOOP("CardWords", "节目序号")},
    {"field.mode", TAVREL_TRANSLATE_NOOP("CardWords", "定时模式")},
    {"field.start", TAVREL_TRANSLATE_NOOP("CardWords", "开始时间")},
    {"field.end", TAVREL_TRANSLATE_NOOP("CardWords", "结束时间")},
    {"field.weekdays", TAVREL_TRANSLATE_NOOP("CardWords", "星期")},
    {"field.power", TAVREL_TRANSLATE_NOOP("CardWords", "电源")},
    {"field.zones", TAVREL_TRANSLATE_NOOP("CardWords", "分区")},
    {"field.channel", TAVREL_TRANSLATE_NOOP("CardWords", "收音机频率")},
    {"field.medium", TAVREL_TRANSLATE_NOOP("CardWords", "播放设置")},
    {"field.play", TAVREL_TRANSLATE_NOOP("CardWords", "播放模式")},
    {"field.loop", TAVREL_TRANSLATE_NOOP("CardWords", "循环模式")},
    {"field.music", TAVREL_TRANSLATE_NOOP("CardWords", "音乐文件")},
    {"field.reserved", TAVREL_TRANSLATE_NOOP("CardWords", "保留字节")},
    {"field.program", TAVREL_TRANSLATE_NOOP("CardWords", "文件头的程序号")},
    {"field.unused_index", TAVREL_TRANSLATE_NOOP("CardWords", "文件头的空闲索引")},
    {"field.date", TAVREL_TRANSLATE_NOOP("CardWords", "日期")},
    {"word.raw", TAVREL_TRANSLATE_NOOP("CardWords", "原始值")},
    {"word.timers", TAVREL_TRANSLATE_NOOP("CardWords", "个定时")},
    {"word.dates", TAVREL_TRANSLATE_NOOP("CardWords", "个日期")},
    {"word.none", TAVREL_TRANSLATE_NOOP("CardWords", "无")},
    {"state.absent", TAVREL_TRANSLATE_NOOP("CardWords", "文件不存在。")},
    {"state.not-named", TAVREL_TRANSLATE_NOOP("CardWords", "文档中没有这个文件。")},
    {"state.unreadable", TAVREL_TRANSLATE_NOOP("CardWords", "无法读取：")},
    {"diff.only-in-first", TAVREL_TRANSLATE_NOOP("CardWords", "只在第一个中：")},
    {"diff.only-in-second", TAVREL_TRANSLATE_NOOP("CardWords", "只在第二个中：")},
    {"diff.first", TAVREL_TRANSLATE_NOOP("CardWords", "第一个：")},
    {"diff.second", TAVREL_TRANSLATE_NOOP("CardWords", "第二个：")},
    {"diff.second-number", TAVREL_TRANSLATE_NOOP("CardWords", "第二个中为")},
    {"diff.moved", TAVREL_TRANSLATE_NOOP("CardWords", "移到")},
    {"diff.reordered", TAVREL_TRANSLATE_NOOP("CardWords", "日期的顺序不同")},
    // Punctuation between the words of a line: the window's English uses its own.
    {"punct.colon", TAVREL_TRANSLATE_NOOP("CardWords", "：")},
    {"punct.comma", TAVREL_TRANSLATE_NOOP("CardWords", "，")},
    {"punct.open", TAVREL_TRANSLATE_NOOP("CardWords", "（")},
    {"punct.close", TAVREL_TRANSLATE_NOOP("CardWords", "）")},
    // The same places in a change the history kept: the two sides are before and after a write.
    {"change.only-in-first", TAVREL_TRANSLATE_NOOP("CardWords", "删除：")},
    {"change.only-in-second", TAVREL_TRANSLATE_NOOP("CardWords", "新增：")},
    {"change.first", TAVREL_TRANSLATE_NOOP("CardWords", "写入前：")},
    {"change.second", TAVREL_TRANSLATE_NOOP("CardWords", "写入后：")},
    {"change.second-number", TAVREL_TRANSLATE_NOOP("CardWords", "写入后为")},
    {"import.written", TAVREL_TRANSLATE_NOOP("CardWords", "已写入。")},
    {"import.would-write", TAVREL_TRANSLATE_NOOP("CardWords", "将写入（未写）。")},
    {"import.unchanged", TAVREL_TRANSLATE_NOOP("CardWords", "内容相同，未写。")},
    {"import.left-absent", TAVREL_TRANSLATE_NOOP("CardWords", "文档中为不存在，卡上的文件保持原样。")},
    {"import.left-unreadable", TAVREL_TRANSLATE_NOOP("CardWords", "文档中为无法读取，卡上的文件保持原样。")},
    {"import.rolled-back",
     TAVREL_TRANSLATE_NOOP("CardWords", "已写入，但因后面的文件无法写入，又改回了原来的内容。")},
    {"import.not-written", TAVREL_TRANSLATE_NOOP("CardWords", "有文件无法写入，什么都没有写。")},
    {"problem.bad-json", TAVREL_TRANSLATE_NOOP("CardWords", "不是有效的JSON。")},
    {"problem.not-this-format", TAVREL_TRANSLATE_NOOP("CardWords", "不是本工具的卡文档，或版本不对。")},
    {"problem.unknown-field", TAVREL_TRANSLATE_NOOP("CardWords", "未知的字段。")},
    {"problem.missing-field", TAVREL_TRANSLATE_NOOP("CardWords", "缺少必需的字段。")},
    {"problem.wrong-type", TAVREL_TRANSLATE_NOOP("CardWords", "值的类型不对。")},
    {"problem.out-of-range", TAVREL_TRANSLATE_NOOP("CardWords", "值超出了范围。")},
    {"problem.too-many-timers", TAVREL_TRANSLATE_NOOP("CardWords", "一个程序最多只能有512个定时。")},
    {"problem.program-too-large",
     TAVREL_TRANSLATE_NOOP("CardWords", "这些定时写成文件将超过 4294967295 字节，程序文件的索引记录不了。")},
    {"problem.too-many-names", TAVREL_TRANSLATE_NOOP("CardWords", "一个定时最多只能有65535个音乐文件。")},
    {"problem.name-too-long", TAVREL_TRANSLATE_NOOP("CardWords", "音乐文件名太长。")},
    {"problem.too-many-dates", TAVREL_TRANSLATE_NOOP("CardWords", "一个日期表最多只能有365个日期。")},
    {"problem.repeated-value", TAVREL_TRANSLATE_NOOP("CardWords", "同一个值出现了不止一次。")},
    {"problem.repeated-key", TAVREL_TRANSLATE_NOOP("CardWords", "同一个对象中同一个字段出现了不止一次。")},
    // Sizes: %1 is the largest document import reads, in bytes.
    {"problem.too-large", TAVREL_TRANSLATE_NOOP("CardWords", "文档太大：导入最多读取 %1 字节的文档。")},
    {"export.too-large",
     TAVREL_TRANSLATE_NOOP("CardWords", "这张卡的文档将超过 %1 字节，导入读不了这么大的文档，所以什么都没有导出。")},
    {"diff.too-large", TAVREL_TRANSLATE_NOOP("CardWords", "文件太大，无法比较：它的文档将超过 %1 字节。")},
    {"tool.out-of-memory", TAVREL_TRANSLATE_NOOP("CardWords", "内存不足，没有完成。")},
    {"tool.unexpected", TAVREL_TRANSLATE_NOOP("CardWords", "意外的错误，没有完成：")},
};

}  // namespace

std::string_view CardWord(std::string_view key) { return LookUpText(kWords, key); }

}  // namespace core
