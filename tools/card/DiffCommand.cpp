// diff A B: two cards, each a folder or a document, compared file by file through their JSON
// form: timers matched by content, then field by field, in the same words as show.
#include <iostream>
#include <memory>

#include "core/cardjson/CardJson.h"
#include "core/cardjson/CompareWords.h"
#include "tools/card/CardSource.h"
#include "tools/card/Commands.h"

namespace cardtool {

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
        const auto a = CardOfPath("diff", options->first);
        const auto b = a ? CardOfPath("diff", options->second) : std::nullopt;
        if (!a || !b) {
            exitCode = kExitFailed;
            return;
        }
        using namespace core::cardjson;
        const Json first = CardToJson(*a), second = CardToJson(*b);
        bool differ = false;
        for (const core::CardFileId id : core::AllCardFiles()) {
            const auto lines =
                ComparisonLines(id, CompareFile(FileOfDocument(first, id), FileOfDocument(second, id)));
            for (const std::string& line : lines) std::cout << line << '\n';
            differ = differ || !lines.empty();
        }
        exitCode = differ ? kExitFindings : kExitClean;
    });
}

}  // namespace cardtool
