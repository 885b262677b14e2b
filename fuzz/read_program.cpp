// Reads timers from a program file made of arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "core/schedule/ScheduleFile.h"
#include "fuzz/Check.h"
#include "tests/support/MemoryFileSystem.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testsupport::MemoryFileSystem fs;
    const std::string path = "SCH01.DAT";
    fs.SetFile(path, {data, data + size});

    const std::uint16_t stored = size >= 6 ? static_cast<std::uint16_t>(data[4] | data[5] << 8) : 0;
    for (std::uint16_t index : {std::uint16_t{0}, std::uint16_t{1}, static_cast<std::uint16_t>(stored - 1),
                                stored, std::uint16_t{511}, std::uint16_t{512}, std::uint16_t{65535}}) {
        const auto read = core::ReadTimer(fs, path, index, core::TimerRecord{});
        FUZZ_CHECK(read.ok());
        FUZZ_CHECK(read->count <= core::kMaxTimers);
        // No entry is made up wholly past the end of the file.
        FUZZ_CHECK(read->music.size() <= read->record.musicCount);
        FUZZ_CHECK(read->music.size() <= size / core::kMusicEntrySize + 1);
        for (const auto& entry : read->music) FUZZ_CHECK(entry.name.size() <= 261);
    }
    FUZZ_CHECK(fs.FileBytes(path)->size() == size);  // reading never writes
    return 0;
}
