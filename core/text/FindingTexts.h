#pragma once

#include <string_view>

namespace core {

// The sentence a person reads for a finding of the card check, in UTF-8, marked for translation
// under the context "Finding". `code` is the finding's code ("overlap"); `cause` tells apart the
// sentences of a code with several causes: the damage rule of "damaged-file"
// ("header-too-short", "wrong-magic", "count-too-large", "index-past-end", "timer-size-mismatch",
// "timers-not-contiguous", "dates-odd-length", "too-many-dates") and "busy" or "unreadable" for
// "unreadable-file". Empty for a code or cause it does not know.
const char* FindingSentence(std::string_view code, std::string_view cause = {});

}  // namespace core
