#pragma once

// A document's text parsed as JSON, refusing what JSON lets pass but a document cannot mean: a
// key given twice in one object, where a parser would keep only the last value without a word.

#include <optional>
#include <string_view>

#include "core/cardjson/Problems.h"

namespace core::cardjson {

struct ParsedDocument {
    Json json;
    // "bad-json" for text that is not JSON; "repeated-key" at the second of two equal keys.
    std::optional<DocumentError> error;
};

ParsedDocument ParseDocument(std::string_view text);

}  // namespace core::cardjson
