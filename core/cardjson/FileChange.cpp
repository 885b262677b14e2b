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

WordLookup ChangeWords(WordLookup words) {
    words.word = [base = std::move(words.word)](std::string_view key) {
        static constexpr std::string_view kSides[] = {"diff.only-in-first", "diff.only-in-second", "diff.first",
                                                      "diff.second", "diff.second-number"};
        for (const std::string_view side : kSides) {
            if (key == side) return base("change." + std::string(key.substr(5)));
        }
        return base(key);
    };
    return words;
}

}  // namespace core::cardjson
