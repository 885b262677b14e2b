#include "HistoryFixture.h"

#include <gtest/gtest.h>

#include "core/fs/AtomicReplace.h"
#include "core/schedule/ScheduleFile.h"
#include "support/MemoryFileSystem.h"

namespace historytest {

std::vector<core::history::Entry> CardOnDisk::Entries() const {
    auto entries = History().Entries();
    EXPECT_TRUE(entries.ok());
    return entries.ok() ? *entries : std::vector<core::history::Entry>{};
}

std::optional<Bytes> CardOnDisk::Kept(const std::optional<core::history::Version>& version) const {
    if (!version) return std::nullopt;
    auto history = History();
    auto bytes = history.ReadVersion(*version);
    EXPECT_TRUE(bytes.ok()) << version->sha256;
    return bytes.ok() ? std::optional<Bytes>(*bytes) : std::nullopt;
}

void CardOnDisk::Write(const std::string& name, const Bytes& bytes, core::history::Command command) {
    core::FileSystem& fs = core::SystemFileSystem();
    const std::string path = Path(name);
    const auto written = recorder.Record(path, command, [&]() -> core::Result<> {
        auto held = core::HoldIfExists(fs, path);
        if (!held.ok()) return held.failure();
        return core::ReplaceFileContents(fs, path, bytes, std::move(*held));
    });
    ASSERT_TRUE(written.ok()) << name;
}

Bytes ProgramBytes(int program, int timers) {
    testsupport::MemoryFileSystem memory;
    for (int k = 0; k < timers; ++k) {
        core::TimerData timer;
        timer.record.startHour = static_cast<std::uint8_t>(k % 24);
        timer.record.startMinute = static_cast<std::uint8_t>(k / 24);
        EXPECT_TRUE(core::WriteTimer(memory, "/p", static_cast<std::uint16_t>(k), static_cast<std::uint32_t>(k),
                                     static_cast<std::uint16_t>(program), timer)
                        .ok());
    }
    return memory.FileBytes("/p").value_or(Bytes{});
}

}  // namespace historytest
