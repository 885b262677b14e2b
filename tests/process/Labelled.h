#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/fs/FileSystem.h"
#include "core/fs/Result.h"
#include "core/schedule/ScheduleFile.h"

// Timers that say who wrote them, and the steps the writer processes take. Shared by the driver
// the tests start and by the tests, which replay the same steps to know what the file must be.
namespace proctest {

// A timer's label: who wrote it, which of its timers it is, and how often it was replaced.
struct Label {
    std::string writer;  // "A", "B", ...
    int id = 0;
    int version = 0;

    std::string Name() const { return writer + std::to_string(id); }
    bool operator==(const Label&) const = default;
};

// A music timer whose first music name is "<writer><id>.<version>" and whose other names repeat
// it with their number, so a timer put together from two writes cannot pass for one.
core::TimerData LabelledTimer(const Label& label, int musicCount);

// The label of a stored timer; nothing when its names are not exactly those LabelledTimer gives.
std::optional<Label> LabelOf(const core::TimerRecord& record, const std::vector<std::u16string>& names);

// Writes the program file `path` afresh (through the store) with `count` timers of writer "base".
core::Result<> LayProgram(core::FileSystem& fs, const std::string& path, int count);

// One step of the writer that the crash test kills: chosen from (seed, step) and the file's count
// alone, so the test can replay exactly what the killed process did. An append, a replacement or a
// deletion, the file kept between a few and a few dozen timers.
struct ChurnStep {
    enum Kind { Append, Replace, Delete } kind = Append;
    std::uint16_t index = 0;  // the timer replaced or deleted
};
core::Result<ChurnStep> RunChurnStep(core::FileSystem& fs, const std::string& path, std::uint64_t seed,
                                     std::uint64_t step);

}  // namespace proctest
