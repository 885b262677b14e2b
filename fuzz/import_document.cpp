// Imports a document made of arbitrary bytes into an empty folder. A refused document writes
// nothing; an accepted one leaves files that export to a document which imports to the same
// bytes again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/cardjson/CardJson.h"
#include "core/cardjson/ImportCard.h"
#include "core/history/WriteRecorder.h"
#include "fuzz/Check.h"
#include "tests/support/MemoryFileSystem.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    testsupport::MemoryFileSystem fs;
    // No history: a run stays in memory.
    core::history::WriteRecorder recorder(fs, std::nullopt);
    const auto imported = core::cardjson::ImportDocument(fs, "card", text, false, &recorder);
    if (imported.error) {
        FUZZ_CHECK(fs.Paths().empty());
        return 0;
    }
    FUZZ_CHECK(!imported.report.failure);

    const auto card = core::cardjson::ReadCardImage(fs, "card");
    FUZZ_CHECK(card.ok());
    const std::string exported = core::cardjson::CardToText(*card);
    testsupport::MemoryFileSystem copy;
    core::history::WriteRecorder copyRecorder(copy, std::nullopt);
    const auto again = core::cardjson::ImportDocument(copy, "card", exported, false, &copyRecorder);
    FUZZ_CHECK(!again.error && !again.report.failure);
    FUZZ_CHECK(copy.Paths() == fs.Paths());
    for (const std::string& path : fs.Paths()) FUZZ_CHECK(copy.FileBytes(path) == fs.FileBytes(path));
    return 0;
}
