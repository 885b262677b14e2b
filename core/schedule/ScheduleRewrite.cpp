// The store operations that rewrite a program file whole: replacing and deleting a timer.
// The new content is built in memory from the file's own header and replaces the file in one
// step while the file is held, so it is always either exactly the old or exactly the new one.
#include <algorithm>
#include <span>

#include "core/schedule/ScheduleFile.h"
#include "core/schedule/StoreSupport.h"

namespace core {

using namespace detail;

namespace {

// One timer of the new file: bytes kept from the old file, or the new timer's bytes.
using Piece = std::span<const std::uint8_t>;

// The bytes of timer j of the old file, as far as they lie inside it.
Piece OldTimer(const ScheduleHeader& header, std::span<const std::uint8_t> content, std::size_t j) {
    const std::uint64_t offset = header.index[j].offset;
    if (offset >= content.size()) return {};
    const std::uint64_t size = std::min<std::uint64_t>(header.index[j].size, content.size() - offset);
    return content.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(size));
}

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
        header.index[j] = {static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(pieces[j].size())};
        at += pieces[j].size();
    }
    if (pieces.empty()) header.index[0] = {static_cast<std::uint32_t>(kScheduleHeaderSize), 0};

    return EncodeScheduleHeader(header);
}

// The runs to write for `header` followed by `pieces`. Timers that lie back to back in the old
// file are written in one run, so a rewrite makes a handful of writes, not one per timer.
std::vector<Piece> RunsToWrite(const ScheduleHeaderBytes& header, const std::vector<Piece>& pieces) {
    std::vector<Piece> runs{Piece(header)};
    for (const Piece& piece : pieces) {
        Piece& last = runs.back();
        if (runs.size() > 1 && !piece.empty() && last.data() + last.size() == piece.data()) {
            last = Piece(last.data(), last.size() + piece.size());
        } else {
            runs.push_back(piece);
        }
    }
    return runs;
}

// A program file read whole and held open, so nobody else writes it until it is replaced.
struct HeldProgram {
    std::unique_ptr<File> file;
    std::vector<std::uint8_t> content;
    ScheduleHeader header;
    std::uint16_t count = 0;
};

// Opens and reads the program file and hands it, held, to `rewrite`, which gives the result.
template <class Rewrite>
Result<Stored> WithHeldProgram(FileSystem& fs, const std::string& path, Rewrite rewrite) {
    auto opened = fs.Open(path, OpenMode::Read);
    if (!opened.ok()) return opened.failure();
    auto content = ReadWholeFile(**opened);
    if (!content.ok()) return content.failure();
    HeldProgram held{std::move(*opened), std::move(*content), {}, 0};
    held.header = DecodeScheduleHeader(held.content);
    held.count = UsableCount(held.header);
    return rewrite(held);
}

// Whether timer `index` of the held file is still the one the caller read.
Result<> CheckUnchanged(HeldProgram& held, std::uint16_t index,
                        const std::optional<TimerFingerprint>& expected) {
    if (!expected) return {};
    const auto now = ReadFingerprint(*held.file, held.header.index[index], held.content.size());
    if (!now.ok()) return now.failure();
    if (*now != expected) return Refusal(Status::TimerChanged);
    return {};
}

// Replaces the held file by its timers `pieces`. A damaged index can name the same bytes many
// times over; such a file is refused rather than blown up beyond its own size.
Result<Stored> ReplaceHeld(FileSystem& fs, const std::string& path, HeldProgram& held,
                           const std::vector<Piece>& pieces, std::size_t keptBytes) {
    if (keptBytes > held.content.size()) {
        return IoFailure(FileError(FileErrorCause::Generic, path));
    }
    const ScheduleHeaderBytes header = HeaderFor(held.header, pieces);
    return PutInPlace(fs, path, RunsToWrite(header, pieces), static_cast<std::uint16_t>(pieces.size()),
                      std::move(held.file));
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
        std::size_t kept = 0;
        for (std::size_t j = 0; j < held.count; ++j) {
            if (j == index) {
                pieces.emplace_back(replacement);
            } else {
                pieces.push_back(OldTimer(held.header, held.content, j));
                kept += pieces.back().size();
            }
        }
        return ReplaceHeld(fs, path, held, pieces, kept);
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
        std::size_t kept = 0;
        for (std::size_t j = 0; j < held.count; ++j) {
            if (j == index) continue;
            pieces.push_back(OldTimer(held.header, held.content, j));
            kept += pieces.back().size();
        }
        return ReplaceHeld(fs, path, held, pieces, kept);
    });
}

}  // namespace core
