#pragma once

// A card's JSON form in the window's words, for show and diff alike.

#include <string>
#include <vector>

#include "core/cardjson/Problems.h"

namespace cardtool {

using core::cardjson::Json;

// One field of a timer or a program, "开始时间 08:00:00"; a raw value as "原始值 [24,0,0]".
std::string FieldWords(const std::string& field, const Json& value);

// One music entry: its name, or its stored parts as raw.
std::string MusicWords(const Json& entry);

// "节目序号 3：定时模式 音乐定时，开始时间 08:00:00，..." and, indented below, its music files.
std::vector<std::string> TimerLines(std::size_t index, const Json& timer);

// "SCH01 第一组程序"; the file's name as the operator sees it, and its program.
std::string FileHeading(const std::string& stem);

// What a file holds in a few words: "2个定时", "文件不存在。", "无法读取：...", the dates.
std::string FileSummary(const Json& value);

// The whole file: its heading with the summary, then each timer's lines.
std::vector<std::string> FileLines(const std::string& stem, const Json& value);

}  // namespace cardtool
