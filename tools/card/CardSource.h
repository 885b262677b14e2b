#pragma once

// Where a command finds its card: a folder on disk or an exported document.

#include <optional>
#include <string>

#include "core/cardjson/CardImage.h"
#include "core/cardjson/Problems.h"

namespace cardtool {

// The card in `folder`, or none after saying on stderr why the folder cannot be used.
std::optional<core::cardjson::CardImage> CardOfFolder(const std::string& command, const std::string& folder);

// The card a document describes, or none after saying on stderr where and what is wrong.
std::optional<core::cardjson::CardImage> CardOfDocument(const std::string& command, const std::string& file);

// Reads a whole document file; none after saying on stderr that it cannot be read.
std::optional<std::string> DocumentText(const std::string& command, const std::string& file);

// Says on stderr where in the document `file` the problem lies and what it is: its JSON pointer
// and its place in words, or the file's name for a problem with the whole document.
void ComplainAbout(const std::string& command, const std::string& file, const core::cardjson::DocumentError& error);

// A folder, or else a document.
std::optional<core::cardjson::CardImage> CardOfPath(const std::string& command, const std::string& path);

// Says on stderr: "tavrel-card <command>: <text>".
void Complain(const std::string& command, const std::string& text);

// Whether a file of the card could not be read.
bool AnyUnreadable(const core::cardjson::CardImage& card);

}  // namespace cardtool
