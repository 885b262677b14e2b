#pragma once

// A comparison of two versions of one card file in the card's words, one difference a line,
// each line starting with the file's heading:
//   "SCH01 第一组程序 节目序号 3 第一个：开始时间 08:00:00 第二个：开始时间 08:05:00"
//   "SCH01 第一组程序 只在第一个中：节目序号 6：定时模式 音乐定时，..." (its music files below)
//   "SCH01 第一组程序 节目序号 2 移到 节目序号 5"

#include <string>
#include <vector>

#include "core/cardjson/CardCompare.h"
#include "core/cardjson/CardWordsOf.h"

namespace core::cardjson {

// No lines when the two versions are the same.
std::vector<std::string> ComparisonLines(CardFileId id, const FileComparison& comparison,
                                         const WordLookup& words = {});

}  // namespace core::cardjson
