// diff A B: two cards, each a folder or a document, compared file by file through their JSON
// form: timers matched by content, then field by field, in the same words as show. A folder is
// read one file at a time, a program one timer at a time into its JSON form; a file whose JSON
// would be larger than import reads is not compared but refused, naming it and the limit, so
// memory stays bounded. A document is no larger than import reads.
#include <iostream>
#include <memory>

#include "core/cardjson/CardJson.h"
#include "core/cardjson/CompareWords.h"
#include "core/cardjson/DocumentWriter.h"
#include "core/text/CardWords.h"
#include "tools/card/CardSource.h"
#include "tools/card/Commands.h"

namespace cardtool {

namespace {

using namespace core::cardjson;

// One of the two cards: a folder, read as it is compared, or a document read whole.
struct Side {
    std::string path;
    std::optional<CardImage> document;
};

std::optional<Side> SideOf(const std::string& path) {
    NoteWorkingOn(path);
    if (!IsDocumentFile(path)) {
        if (!FolderListed("diff", path)) return std::nullopt;
        return Side{path, std::nullopt};
    }
    auto card = CardOfDocument("diff", path);
    if (!card) return std::nullopt;
    return Side{path, std::move(card)};
}

// The file `id` of one side; none after saying it is too large to compare.
std::optional<Json> FileOf(const Side& side, core::CardFileId id) {
    if (side.document) {
        const auto& file = side.document->files[core::CardFileIndex(id)];
        return file ? FileToJson(*file) : Json();
    }
    const std::string path = core::CardFilePath(side.path, id.kind, id.program);
    NoteWorkingOn(path);
    const std::uint64_t limit = Context().largestDocument;
    BoundedFileJson file = FileJsonWithin(*Context().fs, side.path, id, limit);
    if (!file.overLimit) return std::move(file.value);
    Complain("diff", path + ": " + WithValue(core::CardWord("diff.too-large"), std::to_string(limit)));
    return std::nullopt;
}

int Diff(const std::string& firstPath, const std::string& secondPath) {
    const auto first = SideOf(firstPath);
    const auto second = first ? SideOf(secondPath) : std::nullopt;
    if (!first || !second) return kExitFailed;
    bool differ = false;
    for (const core::CardFileId id : core::AllCardFiles()) {
        const auto a = FileOf(*first, id);
        const auto b = a ? FileOf(*second, id) : std::nullopt;
        if (!a || !b) return kExitFailed;
        const auto lines = ComparisonLines(id, CompareFile(*a, *b));
        for (const std::string& line : lines) std::cout << line << '\n';
        differ = differ || !lines.empty();
    }
    return differ ? kExitFindings : kExitClean;
}

}  // namespace

void AddDiffCommand(CLI::App& app, int& exitCode) {
    struct Options {
        std::string first;
        std::string second;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = app.add_subcommand(
        "diff", "Say what differs between two cards, each a folder or an exported document.");
    command->add_option("A", options->first, "The first card: a folder or a JSON document.")->required();
    command->add_option("B", options->second, "The second card: a folder or a JSON document.")->required();
    command->callback([options, &exitCode] {
        RunGuarded("diff", exitCode, [&] { exitCode = Diff(options->first, options->second); });
    });
}

}  // namespace cardtool
