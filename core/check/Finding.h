#pragma once

#include <optional>
#include <string>

#include "core/dates/SpecialDateFile.h"

namespace core {

// How much a finding matters: an error breaks what the player does, a warning is very likely a
// mistake, a note is worth a look.
enum class Severity { Error, Warning, Note };

// "error", "warning" or "note", as the command line and its JSON write it. Never translated.
const char* SeverityName(Severity severity);

// One mistake found on a card: what it is, where it is, and a sentence for people.
struct Finding {
    std::string code;  // "overlap", "bad-date"...: never translated
    Severity severity = Severity::Error;
    std::string file;                      // the file's name, e.g. "SCH01.DAT"
    std::optional<int> timer;              // counted from 1, as the page shows it
    std::optional<int> other;              // the other timer of a pair, always after `timer`
    std::optional<std::string> otherFile;  // the other date list of "date-in-two-lists"
    std::optional<SpecialDate> date;
    // The sentence in Chinese (UTF-8), from the text table: the window translates it under the
    // context "Finding". Static text, never null.
    const char* message = "";
};

// "MM-DD", e.g. "02-29"; values above 99 are written whole.
std::string DateText(SpecialDate date);

}  // namespace core
