#pragma once

// Two versions of one card file given as their stored bytes, as a history of the file keeps
// them: read with the card's own readers, then compared and said in the card's words.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/card/CardFiles.h"
#include "core/cardjson/CardCompare.h"
#include "core/cardjson/CardWordsOf.h"

namespace core::cardjson {

// The bytes of one version of a file; none when the file was absent.
using FileVersion = std::optional<std::span<const std::uint8_t>>;

// The file `id` as FileToJson gives it: "absent" for none, its content, or its damage.
Json FileJsonOfBytes(CardFileId id, FileVersion bytes);

FileComparison CompareFileVersions(CardFileId id, FileVersion before, FileVersion after);

// The words of a comparison of two cards said as a change of one file: "写入前：" and "写入后："
// rather than the first and the second card, "删除：" and "新增：" rather than only in one of them.
WordLookup ChangeWords(WordLookup words = {});

// ComparisonLines of the two versions: none when they are the same.
std::vector<std::string> DescribeFileChange(CardFileId id, FileVersion before, FileVersion after,
                                            const WordLookup& words = {});

}  // namespace core::cardjson
