#pragma once

// A card's JSON form in the window's words, for show, diff and the history of a file alike.

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/card/CardFiles.h"
#include "core/cardjson/Problems.h"
#include "core/text/CardWords.h"
#include "core/text/ProgramNames.h"

namespace core::cardjson {

// How the words are said. By default as written in the core (core::CardWord,
// core::ProgramName: Chinese), as the command line prints them; the window passes its
// translations of the same texts.
struct WordLookup {
    // A key of core::CardWord ("field.start", "mode.radio"...); the key itself when unknown.
    std::function<std::string(std::string_view key)> word = [](std::string_view key) {
        return std::string(CardWord(key));
    };
    // The name of program 0 to 5: "第一组程序"...
    std::function<std::string(int program)> program = [](int index) {
        return std::string(ProgramName(index));
    };
};

// One field of a timer or a program, "开始时间 08:00:00"; a raw value as "原始值 [24,0,0]"; a
// field one side does not have (null) as "无".
std::string FieldWords(const std::string& field, const Json& value, const WordLookup& words = {});

// One music entry: its name, or its stored parts as raw; "无" for none (null).
std::string MusicWords(const Json& entry, const WordLookup& words = {});

// One date of a list: "03-08", or raw.
std::string DateWords(const Json& date, const WordLookup& words = {});
// Dates one after another: "03-08 12-25".
std::string DatesWords(std::span<const Json> dates, const WordLookup& words = {});

// "节目序号 3：定时模式 音乐定时，开始时间 08:00:00，..." and, indented below, its music files.
std::vector<std::string> TimerLines(std::size_t index, const Json& timer, const WordLookup& words = {});

// "SCH01 第一组程序"; the file's name as the operator sees it, and its program.
std::string FileHeading(CardFileId id, const WordLookup& words = {});

// What a file holds in a few words: "2个定时", "文件不存在。", "无法读取：...", the dates;
// "文档中没有这个文件。" for a file a document does not name (null).
std::string FileSummary(const Json& value, const WordLookup& words = {});

// A program's summary, "2个定时，文件头的程序号 3", its timers counted by the caller: a program
// read one timer at a time has none in `program`.
std::string ProgramSummary(const Json& program, std::size_t timers, const WordLookup& words = {});

// The first line of FileLines: the heading and the summary.
std::string FileHeadLine(CardFileId id, const std::string& summary, const WordLookup& words = {});

// The whole file: its heading with the summary, then each timer's lines.
std::vector<std::string> FileLines(CardFileId id, const Json& value, const WordLookup& words = {});

}  // namespace core::cardjson
