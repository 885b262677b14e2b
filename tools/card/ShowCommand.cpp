// show FOLDER [--program NAME]: each file of the card in the window's words, timers one a line.
#include <iostream>
#include <memory>

#include "core/cardjson/CardJson.h"
#include "core/cardjson/CardWordsOf.h"
#include "tools/card/CardSource.h"
#include "tools/card/Commands.h"

namespace cardtool {

namespace {

std::vector<std::string> AllStems() {
    std::vector<std::string> stems;
    for (const core::CardFileId id : core::AllCardFiles()) stems.push_back(core::cardjson::FileStem(id));
    return stems;
}

}  // namespace

void AddShowCommand(CLI::App& app, int& exitCode) {
    struct Options {
        std::string folder;
        std::string program;
    };
    auto options = std::make_shared<Options>();
    CLI::App* show = app.add_subcommand("show", "Show the card in FOLDER as a person reads it.");
    show->add_option("FOLDER", options->folder, "The card's folder.")->required();
    show->add_option("--program", options->program, "Only this file: SCH01 ... SPSCH06, SDATE01 ... SDATE06.")
        ->check(CLI::IsMember(AllStems()));
    show->callback([options, &exitCode] {
        const auto card = CardOfFolder("show", options->folder);
        if (!card) {
            exitCode = kExitFailed;
            return;
        }
        const core::cardjson::Json document = core::cardjson::CardToJson(*card);
        for (const core::CardFileId id : core::AllCardFiles()) {
            if (!options->program.empty() && core::cardjson::FileStem(id) != options->program) continue;
            for (const std::string& line : core::cardjson::FileLines(id, core::cardjson::FileOfDocument(document, id))) {
                std::cout << line << '\n';
            }
        }
        exitCode = AnyUnreadable(*card) ? kExitFileError : kExitClean;
    });
}

}  // namespace cardtool
