#pragma once

// The whole card as one JSON document (docs/card-json.md): programs keyed by file stem under
// /programs, date lists under /dates, each file with its content, as "absent", or as an object
// saying why it could not be read.

#include <optional>
#include <string>
#include <string_view>

#include "core/cardjson/CardImage.h"
#include "core/cardjson/Problems.h"

namespace core::cardjson {

Json CardToJson(const CardImage& card);
// One file as the document holds it: its content, "absent", or why it could not be read.
Json FileToJson(const FileImage& file);
// The file `id` in a document made by CardToJson; null when the document does not name it.
Json FileOfDocument(const Json& document, CardFileId id);
// The document as written by export: indented, ending with a newline. The same card always
// gives the same text.
std::string CardToText(const CardImage& card);

// A document read back, or the first problem found in it.
struct DecodedCard {
    CardImage card;
    std::optional<DocumentError> error;
};

DecodedCard CardFromJson(const Json& document);
DecodedCard CardFromText(std::string_view text);

// The place of a problem in words: "SCH03 节目序号 15 开始时间", "SDATE02 日期 4"; empty for the
// document as a whole.
std::string PlaceWords(const std::string& pointer);

// The sentence for an unreadable file: the damage or the file error, naming the file.
std::string UnreadableSentence(const FileImage& file);

}  // namespace core::cardjson
