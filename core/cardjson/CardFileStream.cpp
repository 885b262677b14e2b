#include "core/cardjson/CardFileStream.h"

#include <algorithm>

#include "core/card/DamageRules.h"

namespace core::cardjson {

namespace {

// Why a read went wrong, naming the file by its name, so the same card says the same wherever
// its folder lies.
FileError Named(const std::optional<FileError>& error, CardFileId id) {
    const FileErrorCause cause = error ? error->cause() : FileErrorCause::Generic;
    return FileError(cause, CardFileName(id.kind, id.program));
}

}  // namespace

void MarkFailed(FileImage& file, const FileError& failure) {
    file.failure = failure;
    file.state =
        failure.cause() == FileErrorCause::SharingViolation ? CardFileState::Busy : CardFileState::Unreadable;
}

CardFileStream::CardFileStream(FileSystem& fs, const std::string& folder, CardFileId id)
    : m_file(fs, CardFilePath(folder, id.kind, id.program)) {
    m_head.id = id;
    if (!m_file.IsOpen()) {
        const auto& failure = m_file.Failure();
        if (failure && failure->cause() == FileErrorCause::FileNotFound) return;
        MarkFailed(m_head, Named(failure, id));
        return;
    }
    if (HoldsTimers(id.kind)) {
        CheckProgram();
    } else {
        ReadDates();
    }
}

void CardFileStream::Fail(const std::optional<FileError>& error) {
    m_failure = Named(error, m_head.id);
    m_chunks.reset();
    m_counts.clear();
}

void CardFileStream::CheckProgram() {
    const std::uint64_t length = m_file.Length();
    ScheduleHeaderBytes head{};
    const auto present =
        std::span(head).first(static_cast<std::size_t>(std::min<std::uint64_t>(length, kScheduleHeaderSize)));
    if (!m_file.ReadAt(0, present)) return MarkFailed(m_head, Named(m_file.Failure(), m_head.id));
    const ScheduleHeader header = DecodeScheduleHeader(present);
    const auto damaged = [this](const Damage& damage) {
        m_head.state = CardFileState::Damaged;
        m_head.damage = damage;
    };
    if (const auto damage = CheckProgramHeader(header, length)) return damaged(*damage);

    std::uint64_t end = kScheduleHeaderSize;
    for (std::size_t i = 0; i < header.count; ++i) {
        if (const auto damage = CheckTimerPlace(i, header.index[i], end, length)) return damaged(*damage);
        if (const auto damage = CheckTimerSize(i, header.index[i].size, std::nullopt))
            return damaged(*damage);
        end = std::uint64_t{header.index[i].offset} + header.index[i].size;
    }
    std::vector<std::uint16_t> counts;
    counts.reserve(header.count);
    for (std::size_t i = 0; i < header.count; ++i) {
        TimerRecordBytes record{};
        if (!m_file.ReadAt(header.index[i].offset, record))
            return MarkFailed(m_head, Named(m_file.Failure(), m_head.id));
        const std::uint16_t musicCount = DecodeTimerRecord(record).musicCount;
        if (const auto damage = CheckTimerSize(i, header.index[i].size, musicCount)) return damaged(*damage);
        counts.push_back(musicCount);
    }
    StoredProgram& program = m_head.program;
    program.program = header.program;
    program.reserved = header.reserved;
    for (std::size_t slot = header.count; slot < kMaxTimers; ++slot) program.index[slot] = header.index[slot];
    m_head.state = CardFileState::Read;
    m_counts = std::move(counts);
    m_end = end;
    m_buffer.resize(kCardReadBufferSize);
    m_chunks.emplace(m_file, m_buffer, kScheduleHeaderSize, m_end);
}

void CardFileStream::ReadDates() {
    const std::uint64_t length = m_file.Length();
    if (const auto damage = CheckDateFileLength(length)) {
        m_head.state = CardFileState::Damaged;
        m_head.damage = *damage;
        return;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    if (!m_file.ReadAt(0, bytes)) return MarkFailed(m_head, Named(m_file.Failure(), m_head.id));
    for (std::size_t at = 0; at < bytes.size(); at += 2) m_head.dates.push_back({bytes[at], bytes[at + 1]});
    m_head.state = CardFileState::Read;
}

std::optional<StoredTimer> CardFileStream::Next() {
    if (!m_chunks || m_next >= m_counts.size()) return std::nullopt;
    const auto record = m_chunks->Next(kTimerRecordSize);
    if (!record) {
        Fail(m_file.Failure());
        return std::nullopt;
    }
    StoredTimer timer;
    std::copy(record->begin(), record->end(), timer.record.begin());
    // Another program rewrote the file since it was checked.
    if (DecodeTimerRecord(timer.record).musicCount != m_counts[m_next]) {
        Fail(FileError(FileErrorCause::Generic, ""));
        return std::nullopt;
    }
    timer.entries.resize(m_counts[m_next]);
    for (MusicEntryBytes& entry : timer.entries) {
        const auto bytes = m_chunks->Next(kMusicEntrySize);
        if (!bytes) {
            Fail(m_file.Failure());
            return std::nullopt;
        }
        std::copy(bytes->begin(), bytes->end(), entry.begin());
    }
    ++m_next;
    return timer;
}

}  // namespace core::cardjson
