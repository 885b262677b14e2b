// A card file made of arbitrary bytes, exported and imported into an empty folder: every file
// the card reader takes comes back byte for byte (a program without the dead bytes after its
// last timer); a file it refuses is named in the document and not written. The first byte of
// the input picks the file (its number modulo 16, in card order: SCH01 to SCH04, SPSCH01 to
// SPSCH06, SDATE01 to SDATE06); the rest is the file's content.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/card/CardFiles.h"
#include "core/card/CardReader.h"
#include "core/cardjson/CardJson.h"
#include "core/cardjson/ImportCard.h"
#include "core/history/WriteRecorder.h"
#include "core/schedule/ScheduleFile.h"
#include "fuzz/Check.h"
#include "tests/support/MemoryFileSystem.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// The bytes an import must give back: the whole date file; a program as far as its last timer,
// as the index the reader checked says.
Bytes LivePart(const Bytes& file, core::CardFileKind kind) {
    if (!core::HoldsTimers(kind)) return file;
    const core::ScheduleHeader header = core::DecodeScheduleHeader(file);
    std::size_t end = core::kScheduleHeaderSize;
    if (header.count > 0) end = header.index[header.count - 1].offset + std::size_t{header.index[header.count - 1].size};
    return Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(end));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const core::CardFileId id = core::AllCardFiles()[data[0] % core::kCardFileCount];
    const std::string folder = "card";
    const std::string path = core::CardFilePath(folder, id.kind, id.program);
    const Bytes bytes(data + 1, data + size);
    testsupport::MemoryFileSystem card;
    card.SetFile(path, bytes);

    const auto image = core::cardjson::ReadCardImage(card, folder);
    FUZZ_CHECK(image.ok());
    const std::string text = core::cardjson::CardToText(*image);
    testsupport::MemoryFileSystem copy;
    // No history: the run stays in memory.
    core::history::WriteRecorder recorder(copy, std::nullopt);
    const auto imported = core::cardjson::ImportDocument(copy, folder, text, false, &recorder);
    FUZZ_CHECK(!imported.error && !imported.report.failure);

    // Export reads with the card reader's rules: it takes exactly the files the card reader takes.
    const bool readable = (*image).files[core::CardFileIndex(id)]->state == core::CardFileState::Read;
    FUZZ_CHECK(readable == (core::ReadCard(card, folder)[id].state == core::CardFileState::Read));
    FUZZ_CHECK(copy.Paths() == (readable ? std::vector<std::string>{path} : std::vector<std::string>{}));
    if (!readable) return 0;
    FUZZ_CHECK(copy.FileBytes(path) == LivePart(bytes, id.kind));
    // The copy says the same again.
    const auto again = core::cardjson::ReadCardImage(copy, folder);
    FUZZ_CHECK(again.ok() && core::cardjson::CardToText(*again) == text);
    return 0;
}
