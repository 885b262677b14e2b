#pragma once

// The document of the card in a folder, written as it is read: the same text as CardToText of
// ReadCardImage, but a program's timers are read, turned into JSON and handed on one at a time,
// so a card of any size is written holding one timer.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/cardjson/CardFileStream.h"
#include "core/cardjson/CardImage.h"
#include "core/cardjson/Problems.h"

namespace core::cardjson {

// Where the pieces of the text go, in order; false stops the writing.
using TextSink = std::function<bool(std::string_view piece)>;

class DocumentWriter {
public:
    // The folder must be one that can be listed (ReadCardImage's first step): a folder that
    // cannot reads as a card of absent files.
    DocumentWriter(FileSystem& fs, std::string folder);

    // Writes the whole document into `sink`. False when the sink stopped it, or when a file
    // failed after part of it had gone out (it ended early, a read failed, another program
    // rewrote it): Failure() then names the file, and the next Write gives that file as
    // unreadable from the start, as ReadCardImage would have.
    bool Write(const TextSink& sink);

    // The size of the document, counted as far as `limit`: a card over it is read only until its
    // document passes the limit. A file that fails part-way is counted again as unreadable.
    struct Size {
        std::uint64_t bytes = 0;  // past the limit by at most a timer's text
        bool overLimit = false;
    };
    Size Measure(std::uint64_t limit);

    // The file that failed part-way through the last Write.
    const std::optional<FileError>& Failure() const { return m_failure; }
    // Whether the last Write gave a file as damaged, busy or unreadable.
    bool AnyUnreadable() const { return m_anyUnreadable; }

private:
    bool WriteFile(CardFileId id, int indent, const TextSink& sink);

    FileSystem& m_fs;
    std::string m_folder;
    std::array<std::optional<FileError>, kCardFileCount> m_failedBefore;
    std::optional<FileError> m_failure;
    bool m_anyUnreadable = false;
};

// The file a stream reads as FileToJson gives it, but without a program's "timers": its header
// fields are those of a program with the stream's number of timers.
Json HeadToJson(const CardFileStream& stream);

// The file `id` of the card in `folder` as FileToJson gives it, built one timer at a time
// without holding its stored form; a file that fails part-way is unreadable, as ReadFileImage
// gives it. Reading stops, and overLimit is set, once the timers' JSON passes `limit` bytes
// (compact, so a little less than in the document).
struct BoundedFileJson {
    Json value;
    bool overLimit = false;
};
BoundedFileJson FileJsonWithin(FileSystem& fs, const std::string& folder, CardFileId id, std::uint64_t limit);

}  // namespace core::cardjson
