// Reads each file of a card folder whole into its stored form. The damage rules are the card
// reader's own, applied before anything a header claims is allocated.
#include <algorithm>

#include "core/card/DamageRules.h"
#include "core/cardjson/CardImage.h"

namespace core::cardjson {

namespace {

// Why a read went wrong, naming the file by its name.
FileError Named(const std::optional<FileError>& error, CardFileId id) {
    const FileErrorCause cause = error ? error->cause() : FileErrorCause::Generic;
    return FileError(cause, CardFileName(id.kind, id.program));
}

void MarkFailed(FileImage& out, const std::optional<FileError>& error) {
    out.failure = Named(error, out.id);
    out.state = out.failure->cause() == FileErrorCause::SharingViolation ? CardFileState::Busy
                                                                           : CardFileState::Unreadable;
}

void MarkDamaged(FileImage& out, const Damage& damage) {
    out.state = CardFileState::Damaged;
    out.damage = damage;
}

// Reads bytes.size() bytes at `offset`; false, with the file marked, when it fails or ends first.
bool ReadAt(File& file, std::uint64_t offset, std::span<std::uint8_t> bytes, FileImage& out) {
    if (auto seek = file.Seek(offset); !seek.ok()) {
        MarkFailed(out, seek.error());
        return false;
    }
    const auto got = ReadFully(file, bytes);
    if (!got.ok()) {
        MarkFailed(out, got.error());
        return false;
    }
    if (*got != bytes.size()) {
        MarkFailed(out, FileError(FileErrorCause::EndOfFile, ""));
        return false;
    }
    return true;
}

void ReadProgram(File& file, std::uint64_t length, FileImage& out) {
    ScheduleHeaderBytes head{};
    const auto present = static_cast<std::size_t>(std::min<std::uint64_t>(length, kScheduleHeaderSize));
    if (!ReadAt(file, 0, std::span(head).first(present), out)) return;
    const ScheduleHeader header = DecodeScheduleHeader(std::span(head).first(present));
    if (const auto damage = CheckProgramHeader(header, length)) return MarkDamaged(out, *damage);

    std::uint64_t end = kScheduleHeaderSize;
    for (std::size_t i = 0; i < header.count; ++i) {
        if (const auto damage = CheckTimerPlace(i, header.index[i], end, length)) return MarkDamaged(out, *damage);
        if (const auto damage = CheckTimerSize(i, header.index[i].size, std::nullopt)) {
            return MarkDamaged(out, *damage);
        }
        end = std::uint64_t{header.index[i].offset} + header.index[i].size;
    }
    std::vector<std::uint8_t> body(static_cast<std::size_t>(end - kScheduleHeaderSize));
    if (!ReadAt(file, kScheduleHeaderSize, body, out)) return;

    StoredProgram program;
    program.program = header.program;
    program.reserved = header.reserved;
    program.timers.reserve(header.count);
    std::size_t at = 0;
    for (std::size_t i = 0; i < header.count; ++i) {
        StoredTimer timer;
        std::copy_n(body.begin() + static_cast<std::ptrdiff_t>(at), kTimerRecordSize, timer.record.begin());
        const TimerRecord record = DecodeTimerRecord(timer.record);
        if (const auto damage = CheckTimerSize(i, header.index[i].size, record.musicCount)) {
            return MarkDamaged(out, *damage);
        }
        at += kTimerRecordSize;
        timer.entries.resize(record.musicCount);
        for (MusicEntryBytes& entry : timer.entries) {
            std::copy_n(body.begin() + static_cast<std::ptrdiff_t>(at), kMusicEntrySize, entry.begin());
            at += kMusicEntrySize;
        }
        program.timers.push_back(std::move(timer));
    }
    for (std::size_t slot = header.count; slot < kMaxTimers; ++slot) program.index[slot] = header.index[slot];
    out.state = CardFileState::Read;
    out.program = std::move(program);
}

void ReadDates(File& file, std::uint64_t length, FileImage& out) {
    if (const auto damage = CheckDateFileLength(length)) return MarkDamaged(out, *damage);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    if (!ReadAt(file, 0, bytes, out)) return;
    for (std::size_t at = 0; at < bytes.size(); at += 2) out.dates.push_back({bytes[at], bytes[at + 1]});
    out.state = CardFileState::Read;
}

}  // namespace

FileImage ReadFileImage(FileSystem& fs, const std::string& folder, CardFileId id) {
    FileImage out;
    out.id = id;
    auto opened = fs.Open(CardFilePath(folder, id.kind, id.program), OpenMode::Read);
    if (!opened.ok()) {
        if (opened.error() && opened.error()->cause() == FileErrorCause::FileNotFound) return out;
        MarkFailed(out, opened.error());
        return out;
    }
    File& file = **opened;
    const auto length = file.Length();
    if (!length.ok()) {
        MarkFailed(out, length.error());
    } else if (HoldsTimers(id.kind)) {
        ReadProgram(file, *length, out);
    } else {
        ReadDates(file, *length, out);
    }
    return out;
}

std::string FileStem(CardFileId id) {
    const std::string name = CardFileName(id.kind, id.program);
    return name.substr(0, name.size() - 4);
}

std::optional<CardFileId> FileOfStem(const std::string& stem) {
    for (const CardFileId id : AllCardFiles()) {
        if (FileStem(id) == stem) return id;
    }
    return std::nullopt;
}

Result<CardImage> ReadCardImage(FileSystem& fs, const std::string& folder) {
    if (auto listed = fs.ListFolder(folder); !listed.ok()) return listed.failure();
    CardImage card;
    for (const CardFileId id : AllCardFiles()) card.files[CardFileIndex(id)] = ReadFileImage(fs, folder, id);
    return card;
}

std::vector<std::uint8_t> EncodeFile(const FileImage& file) {
    return HoldsTimers(file.id.kind) ? EncodeProgram(file.program) : EncodeDates(file.dates);
}

}  // namespace core::cardjson
