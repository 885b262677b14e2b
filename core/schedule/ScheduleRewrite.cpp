// The store operations that rewrite a program file whole: replacing and deleting a timer.
// The new file is written from the held old one, timer by timer through a fixed buffer, with
// a header made from the old one's, and replaces the old file in one step while it is still
// held, so it is always either exactly the old or exactly the new one, and memory stays the
// same however large the file.
#include <algorithm>
#include <span>

#include "core/schedule/ScheduleFile.h"
#include "core/schedule/StoreSupport.h"

namespace core {

using namespace detail;

namespace {

// One timer of the new file: a range of the old file, or the new timer's bytes.
struct Piece {
    std::uint64_t offset = 0;  // in the old file
    std::uint64_t size = 0;
    std::span<const std::uint8_t> bytes;  // the new timer's bytes, for the one that is not kept
    bool kept = true;
};

// Timer j of the old file, as far as it lies inside it.
Piece OldTimer(const ScheduleHeader& header, std::uint64_t length, std::size_t j) {
    const std::uint64_t offset = header.index[j].offset;
    if (offset >= length) return {};
    return {offset, std::min<std::uint64_t>(header.index[j].size, length - offset), {}, true};
}

Piece NewTimer(std::span<const std::uint8_t> bytes) { return {0, bytes.size(), bytes, false}; }

// The header of the file made of `old`'s own header fields and `pieces` back to back after it.
// Index entries past the timers are zero, except that a program left empty keeps entry 0
// pointing at the end of the header.
ScheduleHeaderBytes HeaderFor(const ScheduleHeader& old, const std::vector<Piece>& pieces) {
    ScheduleHeader header;
    header.magic = old.magic;
    header.program = old.program;
    header.reserved = old.reserved;
    header.count = static_cast<std::uint16_t>(pieces.size());
    std::uint64_t at = kScheduleHeaderSize;
    for (std::size_t j = 0; j < pieces.size(); ++j) {
        header.index[j] = {static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(pieces[j].size)};
        at += pieces[j].size;
    }
    if (pieces.empty()) header.index[0] = {static_cast<std::uint32_t>(kScheduleHeaderSize), 0};

    return EncodeScheduleHeader(header);
}

// The runs to write after the header. Kept timers that lie back to back in the old file are
// copied as one run, so a rewrite makes a handful of reads and writes, not one per timer.
std::vector<Piece> RunsToWrite(const std::vector<Piece>& pieces) {
    std::vector<Piece> runs;
    for (const Piece& piece : pieces) {
        if (piece.size == 0) continue;
        if (!runs.empty() && piece.kept && runs.back().kept &&
            runs.back().offset + runs.back().size == piece.offset) {
            runs.back().size += piece.size;
        } else {
            runs.push_back(piece);
        }
    }
    return runs;
}

// A program file held open, so nobody else writes it until it is replaced, with its length and
// its header.
struct HeldProgram {
    std::unique_ptr<File> file;
    std::uint64_t length = 0;
    ScheduleHeader header;
    std::uint16_t count = 0;
};

// Opens the program file, reads its header and hands it, held, to `rewrite`, which gives the
// result. A file too large to be a program file is refused before anything else.
template <class Rewrite>
Result<Stored> WithHeldProgram(FileSystem& fs, const std::string& path, Rewrite rewrite) {
    auto opened = fs.Open(path, OpenMode::Read);
    if (!opened.ok()) return opened.failure();
    const auto start = ReadFileStart(**opened);
    if (!start.ok()) return start.failure();
    if (auto size = CheckNotTooLarge(*start, path); !size.ok()) return size.failure();
    HeldProgram held{std::move(*opened), start->length, start->Header(), 0};
    held.count = UsableCount(held.header);
    return rewrite(held);
}

// Whether timer `index` of the held file is still the one the caller read.
Result<> CheckUnchanged(HeldProgram& held, std::uint16_t index,
                        const std::optional<TimerFingerprint>& expected) {
    if (!expected) return {};
    const auto now = ReadFingerprint(*held.file, held.header.index[index], held.length);
    if (!now.ok()) return now.failure();
    if (*now != expected) return Refusal(Status::TimerChanged);
    return {};
}

// Replaces the held file by its timers `pieces`. A damaged index can name the same bytes many
// times over; such a file is refused rather than blown up beyond its own size.
Result<Stored> ReplaceHeld(FileSystem& fs, const std::string& path, HeldProgram& held,
                           const std::vector<Piece>& pieces) {
    std::uint64_t kept = 0;
    for (const Piece& piece : pieces) kept += piece.kept ? piece.size : 0;
    if (kept > held.length) return IoFailure(FileError(FileErrorCause::Generic, path));

    const ScheduleHeaderBytes header = HeaderFor(held.header, pieces);
    const std::vector<Piece> runs = RunsToWrite(pieces);
    File& old = *held.file;
    const auto write = [&](File& out) {
        if (auto written = out.Write(header); !written.ok()) return written;
        for (const Piece& run : runs) {
            auto copied = run.kept ? CopyRange(old, run.offset, run.size, out) : out.Write(run.bytes);
            if (!copied.ok()) return copied;
        }
        return Result<>();
    };
    return PutInPlace(fs, path, write, static_cast<std::uint16_t>(pieces.size()), std::move(held.file));
}

}  // namespace

Result<Stored> ReplaceTimer(FileSystem& fs, const std::string& path, std::uint16_t index,
                            const TimerData& timer, std::optional<TimerFingerprint> expected) {
    if (auto fits = CheckTimerFits(timer); !fits.ok()) return fits.failure();
    std::vector<std::uint8_t> replacement;
    AppendStoredTimer(replacement, timer);

    return WithHeldProgram(fs, path, [&](HeldProgram& held) {
        if (index >= held.count) {
            // No timer there to replace: store it as a new one rather than drop it.
            if (auto closed = held.file->Close(); !closed.ok()) return Result<Stored>(closed.failure());
            return AppendTimer(fs, path, timer);
        }
        if (auto same = CheckUnchanged(held, index, expected); !same.ok())
            return Result<Stored>(same.failure());
        std::vector<Piece> pieces;
        for (std::size_t j = 0; j < held.count; ++j) {
            pieces.push_back(j == index ? NewTimer(replacement) : OldTimer(held.header, held.length, j));
        }
        return ReplaceHeld(fs, path, held, pieces);
    });
}

Result<Stored> DeleteTimer(FileSystem& fs, const std::string& path, std::uint16_t index,
                           std::optional<TimerFingerprint> expected) {
    return WithHeldProgram(fs, path, [&](HeldProgram& held) {
        if (index >= held.count) {
            // Nothing stored at that index: the file stays as it is.
            if (auto closed = held.file->Close(); !closed.ok()) return Result<Stored>(closed.failure());
            return Result<Stored>(Stored{held.count});
        }
        if (auto same = CheckUnchanged(held, index, expected); !same.ok())
            return Result<Stored>(same.failure());
        std::vector<Piece> pieces;
        for (std::size_t j = 0; j < held.count; ++j) {
            if (j != index) pieces.push_back(OldTimer(held.header, held.length, j));
        }
        return ReplaceHeld(fs, path, held, pieces);
    });
}

}  // namespace core
