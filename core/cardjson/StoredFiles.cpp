#include "core/cardjson/StoredFiles.h"

namespace core::cardjson {

TimerIndexEntry UsualUnusedSlot(std::size_t count, std::size_t slot) {
    if (count == 0 && slot == 0) return {static_cast<std::uint32_t>(kScheduleHeaderSize), 0};
    return {};
}

namespace {

std::uint32_t StoredSize(const StoredTimer& timer) {
    return static_cast<std::uint32_t>(StoredTimerSize(static_cast<std::uint16_t>(timer.entries.size())));
}

}  // namespace

std::uint64_t EncodedProgramSize(const StoredProgram& program) {
    std::uint64_t size = kScheduleHeaderSize;
    for (const StoredTimer& timer : program.timers) size += StoredSize(timer);
    return size;
}

std::vector<std::uint8_t> EncodeProgram(const StoredProgram& program) {
    ScheduleHeader header;
    header.program = program.program;
    header.reserved = program.reserved;
    header.count = static_cast<std::uint16_t>(program.timers.size());
    header.index = program.index;
    std::uint32_t at = kScheduleHeaderSize;
    for (std::size_t i = 0; i < program.timers.size(); ++i) {
        header.index[i] = {at, StoredSize(program.timers[i])};
        at += header.index[i].size;
    }
    std::vector<std::uint8_t> bytes;
    bytes.reserve(at);
    const ScheduleHeaderBytes head = EncodeScheduleHeader(header);
    bytes.insert(bytes.end(), head.begin(), head.end());
    for (const StoredTimer& timer : program.timers) {
        bytes.insert(bytes.end(), timer.record.begin(), timer.record.end());
        for (const MusicEntryBytes& entry : timer.entries) bytes.insert(bytes.end(), entry.begin(), entry.end());
    }
    return bytes;
}

std::vector<std::uint8_t> EncodeDates(std::span<const SpecialDate> dates) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(2 * dates.size());
    for (const SpecialDate& date : dates) {
        bytes.push_back(date.month);
        bytes.push_back(date.day);
    }
    return bytes;
}

}  // namespace core::cardjson
