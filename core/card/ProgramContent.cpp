// A program file, read through the fixed buffer: the header, then each timer's record and
// music entries in turn. Nothing a field claims is allocated or read before the rules have
// held it against the file's real length.
#include <algorithm>
#include <vector>

#include "core/card/ChunkedReader.h"
#include "core/card/ContentReaders.h"
#include "core/card/DamageRules.h"

namespace core {

namespace {

// The music entries of a timer whose size has been checked against the file.
bool ReadMusic(ChunkedReader& chunks, TimerData& timer) {
    std::vector<MusicEntryInfo> entries;
    entries.reserve(timer.record.musicCount);
    for (std::uint16_t k = 0; k < timer.record.musicCount; ++k) {
        const auto bytes = chunks.Next(kMusicEntrySize);
        if (!bytes) return false;
        entries.push_back(DecodeMusicEntry(bytes->first<kMusicEntrySize>()));
    }
    timer.source = SourceOfEntries(entries);
    timer.musicNames.reserve(entries.size());
    for (MusicEntryInfo& entry : entries) timer.musicNames.push_back(std::move(entry.name));
    return true;
}

}  // namespace

void ReadProgramContent(BoundedFileReader& file, std::span<std::uint8_t> buffer, CardFile& out) {
    const std::uint64_t length = file.Length();
    const auto headerBytes =
        buffer.first(static_cast<std::size_t>(std::min<std::uint64_t>(length, kScheduleHeaderSize)));
    if (!file.ReadAt(0, headerBytes)) return MarkUnreadable(out, file);
    const ScheduleHeader header = DecodeScheduleHeader(headerBytes);
    if (const auto damage = CheckProgramHeader(header, length)) return MarkDamaged(out, *damage);

    std::vector<TimerData> timers;
    timers.reserve(header.count);
    ChunkedReader chunks(file, buffer, kScheduleHeaderSize, length);
    std::uint64_t expectedOffset = kScheduleHeaderSize;
    for (std::size_t i = 0; i < header.count; ++i) {
        const TimerIndexEntry& entry = header.index[i];
        if (const auto damage = CheckTimerPlace(i, entry, expectedOffset, length)) {
            return MarkDamaged(out, *damage);
        }
        if (const auto damage = CheckTimerSize(i, entry.size, std::nullopt)) {
            return MarkDamaged(out, *damage);
        }
        const auto recordBytes = chunks.Next(kTimerRecordSize);
        if (!recordBytes) return MarkUnreadable(out, file);
        TimerData timer;
        timer.record = DecodeTimerRecord(recordBytes->first<kTimerRecordSize>());
        if (const auto damage = CheckTimerSize(i, entry.size, timer.record.musicCount)) {
            return MarkDamaged(out, *damage);
        }
        if (!ReadMusic(chunks, timer)) return MarkUnreadable(out, file);
        timers.push_back(std::move(timer));
        expectedOffset = std::uint64_t{entry.offset} + entry.size;
    }
    out.state = CardFileState::Read;
    out.program = header.program;
    out.timers = std::move(timers);
}

}  // namespace core
