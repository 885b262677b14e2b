#include "core/cardjson/FileChange.h"

#include "core/cardjson/CardJson.h"
#include "core/cardjson/CompareWords.h"
#include "core/fs/BytesFileSystem.h"

namespace core::cardjson {

Json FileJsonOfBytes(CardFileId id, FileVersion bytes) {
    // The readers name a file that cannot be read by its name alone, so the folder is never said.
    const std::string folder = "version";
    BytesFileSystem fs;
    if (bytes) fs.Serve(CardFilePath(folder, id.kind, id.program), *bytes);
    return FileToJson(ReadFileImage(fs, folder, id));
}

FileComparison CompareFileVersions(CardFileId id, FileVersion before, FileVersion after) {
    return CompareFile(FileJsonOfBytes(id, before), FileJsonOfBytes(id, after));
}

std::vector<std::string> DescribeFileChange(CardFileId id, FileVersion before, FileVersion after,
                                            const WordLookup& words) {
    return ComparisonLines(id, CompareFileVersions(id, before, after), words);
}

}  // namespace core::cardjson
