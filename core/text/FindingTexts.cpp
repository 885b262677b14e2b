#include "core/text/FindingTexts.h"

#include "core/text/Translate.h"

namespace core {

namespace {

struct Sentence {
    std::string_view code;
    std::string_view cause;
    const char* text;
};

constexpr Sentence kSentences[] = {
    {"damaged-file", "header-too-short",
     TAVREL_TRANSLATE_NOOP("Finding", "程序文件比文件头还短，文件已损坏。")},
    {"damaged-file", "wrong-magic", TAVREL_TRANSLATE_NOOP("Finding", "程序文件的开头标记不对，文件已损坏。")},
    {"damaged-file", "count-too-large",
     TAVREL_TRANSLATE_NOOP("Finding", "文件头记载的定时多于512个，文件已损坏。")},
    {"damaged-file", "index-past-end",
     TAVREL_TRANSLATE_NOOP("Finding", "定时的位置超出了文件的末尾，文件已损坏。")},
    {"damaged-file", "timer-size-mismatch",
     TAVREL_TRANSLATE_NOOP("Finding", "定时的大小与它的音乐文件个数不符，文件已损坏。")},
    {"damaged-file", "timers-not-contiguous",
     TAVREL_TRANSLATE_NOOP("Finding", "定时没有一个接一个地存放，文件已损坏。")},
    {"damaged-file", "dates-odd-length",
     TAVREL_TRANSLATE_NOOP("Finding", "日期文件的长度不是整数个日期，文件已损坏。")},
    {"damaged-file", "too-many-dates",
     TAVREL_TRANSLATE_NOOP("Finding", "日期文件多于365个日期，文件已损坏。")},
    {"unreadable-file", "busy", TAVREL_TRANSLATE_NOOP("Finding", "文件正被其他程序使用，无法读取。")},
    {"unreadable-file", "unreadable", TAVREL_TRANSLATE_NOOP("Finding", "文件存在，但无法读取。")},
    {"same-start", "", TAVREL_TRANSLATE_NOOP("Finding", "两个定时的开始时间相同。")},
    {"overlap", "", TAVREL_TRANSLATE_NOOP("Finding", "两个定时的时间重叠，而且有相同的分区。")},
    {"end-not-after-start", "", TAVREL_TRANSLATE_NOOP("Finding", "结束时间不晚于开始时间。")},
    {"no-weekday", "", TAVREL_TRANSLATE_NOOP("Finding", "定时没有选择星期，永远不会执行。")},
    {"no-zone", "", TAVREL_TRANSLATE_NOOP("Finding", "定时没有选择分区。")},
    {"no-music", "", TAVREL_TRANSLATE_NOOP("Finding", "音乐定时没有音乐文件。")},
    {"missing-music", "", TAVREL_TRANSLATE_NOOP("Finding", "定时有音乐文件在外置SD卡的文件夹中找不到。")},
    {"bad-value", "",
     TAVREL_TRANSLATE_NOOP("Finding", "定时的时间、定时模式、播放模式、循环模式或收音机频率超出了范围。")},
    {"bad-date", "", TAVREL_TRANSLATE_NOOP("Finding", "日历上没有这个日期。")},
    {"date-in-two-lists", "", TAVREL_TRANSLATE_NOOP("Finding", "同一个日期出现在两个特殊日期表中。")},
    {"repeated-date", "", TAVREL_TRANSLATE_NOOP("Finding", "同一个日期在日期表中出现了不止一次。")},
    {"dates-without-program", "",
     TAVREL_TRANSLATE_NOOP("Finding", "日期表有日期，但对应的特殊程序没有定时。")},
    {"program-without-dates", "",
     TAVREL_TRANSLATE_NOOP("Finding", "特殊程序有定时，但没有特殊日期，不会执行。")},
};

}  // namespace

const char* FindingSentence(std::string_view code, std::string_view cause) {
    for (const Sentence& s : kSentences) {
        if (s.code == code && s.cause == cause) return s.text;
    }
    return "";
}

}  // namespace core
