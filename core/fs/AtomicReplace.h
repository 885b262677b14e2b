#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "core/fs/FileSystem.h"
#include "core/fs/Result.h"

namespace core {

// A replacement is written to a temporary file of its own in the target's folder (so the final
// rename never crosses a file system): "<target>.<process>-<number>.tavrel-tmp", created
// exclusively, so two writers never share one.
std::string NewTemporaryPathFor(const std::string& target);
// Whether `path` has the form of a temporary file of ours for `target`.
bool IsTemporaryPathFor(const std::string& target, const std::string& path);

// Who else may be writing target while its leftovers are removed.
enum class OtherWriters {
    KeptOut,      // the caller holds target, so no writer of target is at work
    MayBeAtWork,  // target does not exist yet: other writers may be creating it right now
};

// Removes the temporary files for `target` that a writer that crashed left behind, beside the
// file a write of target lands on (FileSystem::WriteTargetOf): those that can be opened (a
// writer at work holds its own). When others may be creating target, only the files of writers
// that no longer run on this computer are removed: a writer lets go of its file for an instant
// while it reads it back. A folder that cannot be listed is IoFailed, naming target: the medium is
// failing, and the write had better not go on.
Result<> RemoveLeftovers(FileSystem& fs, const std::string& target,
                         OtherWriters others = OtherWriters::KeptOut);

// Opens an existing target only to hold it (exclusive) while it is being replaced; none when it
// does not exist. OpenFailed when it exists but cannot be opened (busy, denied).
Result<std::unique_ptr<File>> HoldIfExists(FileSystem& fs, const std::string& target);

// The same for a writer about to replace target: a file longer than `largest` (the largest valid
// file of its kind) is refused with FileTooLarge, naming target, and let go. Such a file is not
// one this tool wrote, whatever its first bytes say, so no writer replaces it.
Result<std::unique_ptr<File>> HoldToReplace(FileSystem& fs, const std::string& target, std::uint64_t largest);

// Writes a file's new content, in order, into `out`.
using ContentWriter = std::function<Result<>(File& out)>;

// What a writer that found no target does when another writer makes one before the new file
// can take its place.
enum class IfCreatedMeanwhile {
    Replace,  // the new file replaces it anyway: the content never depended on the old one
    GiveWay,  // the other writer's file stays, nothing is written, and the caller starts over
};
enum class Placement { Placed, GaveWay };

// Replaces the whole content of target by what `write` writes: into a new temporary file,
// pushed to the medium, read back from it and compared with what was written, then renamed over
// target. A symbolic link at target stays: the new file takes the place of the file the link
// leads to (FileSystem::WriteTargetOf), which a link that leads nowhere makes. On any failure target keeps exactly its old bytes (or stays absent) and the temporary
// file is removed. Every failure names target: OpenFailed when the temporary file could not even
// be created, or the target made meanwhile could not be held, so nothing at all was written;
// IoFailed for any later one, with ReadBackMismatch when the medium gave back other bytes.
//
// `held` is the caller's open handle on target when it exists; it has kept other writers out
// while the content was built, and keeps them out until the new file is in place (platforms
// that cannot rename over an open file let go of it right before the rename). Without it,
// target must still be absent when the new file is put there, or `ifCreated` decides. Leftover
// temporary files of target are removed first, with or without a target (without one, a folder
// that cannot be listed is left for the creation of the temporary file to report).
Result<Placement> ReplaceFileContents(FileSystem& fs, const std::string& target, const ContentWriter& write,
                                      std::unique_ptr<File> held,
                                      IfCreatedMeanwhile ifCreated = IfCreatedMeanwhile::Replace);

// The same for content at hand.
Result<> ReplaceFileContents(FileSystem& fs, const std::string& target, std::span<const std::uint8_t> content,
                             std::unique_ptr<File> held = nullptr);

}  // namespace core
