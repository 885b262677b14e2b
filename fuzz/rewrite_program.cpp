// Replaces, deletes, appends and saves timers in a program file made of arbitrary bytes.
// Input: one byte for the timer index, one for the new timer's number of music files, then the
// file. A rewrite either refuses and leaves the file as it was, or leaves a file whose index
// describes it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/schedule/ScheduleFile.h"
#include "fuzz/Check.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/ProgramFileCheck.h"

namespace {

using testsupport::Bytes;

const std::string kPath = "SCH01.DAT";

core::TimerData NewTimer(std::uint8_t musicFiles) {
    core::TimerData timer;
    timer.record.startHour = 7;
    timer.record.zones = core::kAllZones;
    timer.record.musicCount = musicFiles % 4;
    for (int i = 0; i < timer.record.musicCount; ++i) timer.musicNames.push_back(u"song.mp3");
    return timer;
}

// The header's count, bytes past the end of the file reading as 0, at most 512.
std::uint16_t UsableCount(const Bytes& file) {
    const auto byte = [&](std::size_t at) { return at < file.size() ? file[at] : 0; };
    const std::uint16_t count = static_cast<std::uint16_t>(byte(4) | byte(5) << 8);
    return count > core::kMaxTimers ? core::kMaxTimers : count;
}

// The file left by an operation that reported `ok`, when it started as `before`.
void CheckLeft(const testsupport::MemoryFileSystem& fs, const Bytes& before, bool ok, bool rewritten) {
    FUZZ_CHECK(fs.Paths().size() == 1);  // no temporary file left
    const Bytes after = *fs.FileBytes(kPath);
    if (!ok) {
        FUZZ_CHECK(after == before);
        return;
    }
    if (rewritten) FUZZ_CHECK(testsupport::ProgramIndexMismatch(after).empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::uint16_t index = data[0];
    const auto timer = NewTimer(data[1]);
    const Bytes before(data + 2, data + size);
    const std::uint16_t count = UsableCount(before);
    testsupport::MemoryFileSystem fs;

    fs.SetFile(kPath, before);
    auto result = core::ReplaceTimer(fs, kPath, index, timer);
    CheckLeft(fs, before, result.ok(), index < count);
    if (result.ok() && index < count) FUZZ_CHECK(result->count == count);

    fs.SetFile(kPath, before);
    result = core::DeleteTimer(fs, kPath, index);
    CheckLeft(fs, before, result.ok(), index < count);
    if (result.ok() && index < count) FUZZ_CHECK(result->count == count - 1);
    if (index >= count) FUZZ_CHECK(*fs.FileBytes(kPath) == before);

    fs.SetFile(kPath, before);
    result = core::AppendTimer(fs, kPath, timer);
    CheckLeft(fs, before, result.ok(), false);
    if (result.ok()) {
        FUZZ_CHECK(result->count == count + 1);
        const auto read = core::ReadTimer(fs, kPath, count, core::TimerRecord{});
        FUZZ_CHECK(read.ok() && read->record == timer.record);
    }

    fs.SetFile(kPath, before);
    result = core::WriteTimer(fs, kPath, index, count, 0, timer);
    const bool foreign = before.size() < 2 || before[0] != 0xAA || before[1] != 0x55;
    CheckLeft(fs, before, result.ok(), foreign || index < count);
    return 0;
}
