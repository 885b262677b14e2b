#include "core/card/CardReader.h"

#include <vector>

#include "core/card/BoundedFileReader.h"
#include "core/card/ChunkedReader.h"
#include "core/card/ContentReaders.h"

namespace core {

namespace {

static_assert(kCardReadBufferSize >= kScheduleHeaderSize);
static_assert(kCardReadBufferSize >= 2 * kMaxSpecialDates);
static_assert(kCardReadBufferSize >= kMusicEntrySize);

// Windows answers a file in a folder that is not there (an unplugged card) with a bad path,
// not with a missing file.
bool FolderIsMissing(FileSystem& fs, const std::string& folder) {
    const auto listed = fs.ListFolder(folder);
    return !listed.ok() && listed.error() && listed.error()->cause() == FileErrorCause::FileNotFound;
}

// What a file that could not be opened is: missing, held by another program, or unreadable.
void MarkNotOpened(FileSystem& fs, const std::string& folder, CardFile& out, const FileError& failure) {
    switch (failure.cause()) {
    case FileErrorCause::FileNotFound: out.state = CardFileState::Absent; return;
    case FileErrorCause::BadPath:
        if (FolderIsMissing(fs, folder)) {
            out.state = CardFileState::Absent;
            return;
        }
        out.state = CardFileState::Unreadable;
        break;
    case FileErrorCause::SharingViolation: out.state = CardFileState::Busy; break;
    default: out.state = CardFileState::Unreadable; break;
    }
    out.failure = failure;
}

CardFile ReadCardFile(FileSystem& fs, const std::string& folder, CardFileId id,
                      std::span<std::uint8_t> buffer) {
    CardFile out;
    out.id = id;
    BoundedFileReader file(fs, CardFilePath(folder, id.kind, id.program));
    if (!file.IsOpen()) {
        MarkNotOpened(fs, folder, out, file.Failure().value_or(FileError(FileErrorCause::Generic, "")));
    } else if (HoldsTimers(id.kind)) {
        ReadProgramContent(file, buffer, out);
    } else {
        ReadDateContent(file, buffer, out);
    }
    return out;
}

}  // namespace

Card ReadCard(FileSystem& fs, const std::string& folder) {
    std::vector<std::uint8_t> buffer(kCardReadBufferSize);
    Card card;
    const auto& ids = AllCardFiles();
    for (std::size_t i = 0; i < ids.size(); ++i) card.files[i] = ReadCardFile(fs, folder, ids[i], buffer);
    return card;
}

}  // namespace core
