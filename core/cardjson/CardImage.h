#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/card/Card.h"
#include "core/cardjson/StoredFiles.h"
#include "core/fs/FileSystem.h"
#include "core/fs/Result.h"

namespace core::cardjson {

// One file of a card folder or of a document, with what became of it. A file that could not be
// read carries its damage or its failure, the failure naming the file by its name alone, so the
// same card says the same wherever its folder lies.
struct FileImage {
    CardFileId id{};
    CardFileState state = CardFileState::Absent;
    std::optional<Damage> damage;      // when Damaged
    std::optional<FileError> failure;  // when Busy or Unreadable
    StoredProgram program;             // a program file that was read
    std::vector<SpecialDate> dates;    // a date file that was read

    bool operator==(const FileImage&) const = default;
};

// The 16 files in the order of AllCardFiles(). A folder names all of them; a document only
// those it holds.
struct CardImage {
    std::array<std::optional<FileImage>, kCardFileCount> files;

    bool operator==(const CardImage&) const = default;
};

// "SCH03", "SPSCH01", "SDATE06": the file's name without ".DAT", as commands and documents
// name it.
std::string FileStem(CardFileId id);
std::optional<CardFileId> FileOfStem(const std::string& stem);

// Reads every file of the card in `folder`, with the card reader's rules for damage. A folder
// that does not exist or cannot be listed is the failure of listing it.
Result<CardImage> ReadCardImage(FileSystem& fs, const std::string& folder);
// Reads the one file `id` of the card in `folder`; a file that is not there is Absent.
FileImage ReadFileImage(FileSystem& fs, const std::string& folder, CardFileId id);

// The stored bytes of a file that was read.
std::vector<std::uint8_t> EncodeFile(const FileImage& file);

}  // namespace core::cardjson
