// Reads each file of a card folder whole into its stored form, through the stream that checks
// it by the card reader's rules before anything a header claims is allocated.
#include "core/cardjson/CardFileStream.h"
#include "core/cardjson/CardImage.h"

namespace core::cardjson {

FileImage ReadFileImage(FileSystem& fs, const std::string& folder, CardFileId id) {
    CardFileStream stream(fs, folder, id);
    FileImage out = stream.Head();
    out.program.timers.reserve(stream.TimerCount());
    while (auto timer = stream.Next()) out.program.timers.push_back(std::move(*timer));
    if (!stream.Failure()) return out;
    FileImage failed;
    failed.id = id;
    MarkFailed(failed, *stream.Failure());
    return failed;
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
