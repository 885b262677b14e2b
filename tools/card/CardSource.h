#pragma once

// Where a command finds its card: a folder on disk or an exported document.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/cardjson/CardImage.h"
#include "core/cardjson/DocumentLimit.h"
#include "core/cardjson/Problems.h"

namespace cardtool {

// What the commands work through: the computer's file system, and the largest document import
// reads (export refuses a card whose document would be larger). Tests put their own in.
struct ToolContext {
    core::FileSystem* fs = &core::SystemFileSystem();
    std::uint64_t largestDocument = core::cardjson::kLargestDocument;
};
ToolContext& Context();

// The file a command is working on, for naming it when the command is stopped by something it
// did not expect (memory running out).
void NoteWorkingOn(const std::string& path);

// Runs a command's work, which sets exitCode. Nothing it throws ends the program: memory running
// out, or any other exception, is said on stderr with the file it was working on, and the
// command fails (kExitFailed).
void RunGuarded(const std::string& command, int& exitCode, const std::function<void()>& work);

// "<what>" with "%1" replaced by `value`.
std::string WithValue(std::string_view what, const std::string& value);

// The card a document describes, or none after saying on stderr where and what is wrong.
std::optional<core::cardjson::CardImage> CardOfDocument(const std::string& command, const std::string& file);

// Reads a whole document file; none after saying on stderr that it cannot be read, or that it is
// larger than import reads.
std::optional<std::string> DocumentText(const std::string& command, const std::string& file);

// Says on stderr where in the document `file` the problem lies and what it is: its JSON pointer
// and its place in words, or the file's name for a problem with the whole document.
void ComplainAbout(const std::string& command, const std::string& file, const core::cardjson::DocumentError& error);

// Whether `path` names a document rather than a card's folder.
bool IsDocumentFile(const std::string& path);

// Says on stderr: "tavrel-card <command>: <text>".
void Complain(const std::string& command, const std::string& text);
// Says a file error on stderr; without one, the unknown error at `path`.
void ComplainOf(const std::string& command, const std::optional<core::FileError>& error, const std::string& path);

// Whether `folder` can be listed; when not, says on stderr why.
bool FolderListed(const std::string& command, const std::string& folder);

// Whether a file of the card could not be read.
bool AnyUnreadable(const core::cardjson::CardImage& card);

}  // namespace cardtool
