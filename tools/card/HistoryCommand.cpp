// history FOLDER [--json] [--show ENTRY]: the writes this computer kept of the card in FOLDER,
// newest first, or what one of them changed.
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

#include "core/text/HistoryTexts.h"
#include "tools/card/CardSource.h"
#include "tools/card/Commands.h"
#include "tools/card/HistoryChange.h"
#include "tools/card/HistorySource.h"

namespace cardtool {

namespace {

// An entry as the history stores it, with its command in the card's words beside its key.
nlohmann::ordered_json EntryJson(const core::history::Entry& entry) {
    auto json = nlohmann::ordered_json::parse(core::history::EncodeEntry(entry));
    json["command_text"] = CommandWords(entry);
    return json;
}

}  // namespace

void AddHistoryCommand(CLI::App& app, int& exitCode) {
    struct Options {
        std::string folder;
        bool json = false;
        std::optional<std::uint64_t> show;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command =
        app.add_subcommand("history", "List the writes kept on this computer of the card in FOLDER, newest first.");
    command->add_option("FOLDER", options->folder, "The card's folder.")->required();
    command->add_flag("--json", options->json, "Print the entries as a JSON array.");
    command->add_option("--show", options->show, "Say what the entry with this id changed.");
    command->callback([options, &exitCode] {
        RunGuarded("history", exitCode, [&] {
            auto recorder = RecorderFor("history", options->folder);
            if (!recorder) {
                exitCode = kExitFailed;
                return;
            }
            auto history = recorder->HistoryOf(options->folder);
            if (options->show) {
                const auto entry = EntryOf("history", history, *options->show);
                if (!entry) {
                    exitCode = kExitFailed;
                    return;
                }
                std::cout << EntryLine(*entry) << '\n';
                const auto lines = ChangeLines("history", history, *entry);
                if (!lines) {
                    exitCode = kExitFileError;
                    return;
                }
                for (const std::string& line : *lines) std::cout << "  " << line << '\n';
                exitCode = kExitClean;
                return;
            }
            const auto entries = history.Entries();
            if (!entries.ok()) {
                Complain("history", std::string(core::HistoryWord("error.damaged")) + history.Folder());
                exitCode = kExitFileError;
                return;
            }
            if (options->json) {
                auto array = nlohmann::ordered_json::array();
                for (const auto& entry : *entries) array.push_back(EntryJson(entry));
                std::cout << array.dump(2) << '\n';
            } else if (entries->empty()) {
                std::cout << core::HistoryWord("list.empty") << '\n';
            } else {
                for (const auto& entry : *entries) std::cout << EntryLine(entry) << '\n';
            }
            exitCode = kExitClean;
        });
    });
}

}  // namespace cardtool
