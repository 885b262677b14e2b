// restore FOLDER ENTRY [--dry-run], restore FOLDER --all-before TIME [--dry-run]: puts a card
// file back as it was before one kept write, or the whole card as it was at a moment. Each file
// is replaced in one step through the store and recorded in turn, so a restore can be undone.
#include <iostream>
#include <memory>

#include "core/history/Restore.h"
#include "core/text/FileErrorText.h"
#include "core/text/HistoryTexts.h"
#include "tools/card/CardSource.h"
#include "tools/card/Commands.h"
#include "tools/card/HistorySource.h"

namespace cardtool {

namespace {

std::string Word(const char* key) { return std::string(core::HistoryWord(key)); }

// The steps the options ask for; none after saying why on stderr.
std::optional<std::vector<core::history::RestoreStep>> StepsAsked(core::history::CardHistory& history,
                                                                  const std::optional<std::uint64_t>& id,
                                                                  const std::string& moment) {
    if (id) {
        const auto entry = EntryOf("restore", history, *id);
        if (!entry) return std::nullopt;
        if (!core::history::CardFileOfEntry(*entry)) {
            Complain("restore", Word("error.damaged") + entry->file);
            return std::nullopt;
        }
        if (!entry->before) {
            Complain("restore", entry->file + "：" + Word("restore.was-absent"));
            return std::nullopt;
        }
        return std::vector{core::history::StepUndoing(*entry)};
    }
    const auto when = core::history::ParseIsoTime(moment);
    if (!when) {
        Complain("restore", Word("error.bad-time") + moment);
        return std::nullopt;
    }
    const auto entries = history.Entries();
    if (!entries.ok()) {
        Complain("restore", Word("error.damaged") + history.Folder());
        return std::nullopt;
    }
    return core::history::StepsToMoment(*entries, *when);
}

}  // namespace

void AddRestoreCommand(CLI::App& app, int& exitCode) {
    struct Options {
        std::string folder;
        std::optional<std::uint64_t> entry;
        std::string allBefore;
        bool dryRun = false;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = app.add_subcommand(
        "restore", "Put a file of the card in FOLDER back as it was before the write ENTRY, or the whole card as it was at a moment.");
    command->add_option("FOLDER", options->folder, "The card's folder.")->required();
    command->add_option("ENTRY", options->entry, "The id of a history entry (see history): its file goes back to what it held before that write.");
    command->add_option("--all-before", options->allBefore,
                        "Every file the history knows back to what it held at this moment (2026-12-11T08:00, local time unless it ends in Z or +08:00).");
    command->add_flag("--dry-run", options->dryRun, "Say what would change, and write nothing.");
    command->callback([options, &exitCode] {
        RunGuarded("restore", exitCode, [&] {
            if (options->entry.has_value() == !options->allBefore.empty()) {
                Complain("restore", Word("error.one-target"));
                exitCode = kExitFailed;
                return;
            }
            auto recorder = RecorderFor("restore", options->folder);
            if (!recorder) {
                exitCode = kExitFailed;
                return;
            }
            auto history = recorder->HistoryOf(options->folder);
            auto steps = StepsAsked(history, options->entry, options->allBefore);
            if (!steps) {
                exitCode = kExitFailed;
                return;
            }
            core::history::MarkUnchanged(*recorder, options->folder, *steps);
            exitCode = kExitClean;
            if (steps->empty()) std::cout << Word("list.empty") << '\n';
            // Every file at once: all or nothing as the next command sees it.
            const auto restored = options->dryRun ? core::history::MultiWriteResult{}
                                                  : core::history::RestoreStepsTo(*recorder, history, options->folder, *steps);
            std::size_t done = 0;
            for (const auto& step : *steps) {
                if (!step.content) {
                    std::cout << step.name << "：" << Word("restore.absent-then") << '\n';
                    continue;
                }
                if (step.unchanged || options->dryRun) {
                    std::cout << step.name << "：" << Word(step.unchanged ? "restore.unchanged" : "restore.would") << '\n';
                    continue;
                }
                if (done++ == restored.written && restored.failure) {
                    Complain("restore", core::FileErrorText(restored.failure->error.value_or(
                                            core::FileError(core::FileErrorCause::Generic, step.name))));
                    exitCode = kExitFileError;
                    break;
                }
                std::cout << step.name << "：" << Word(restored.rolledBack ? "restore.rolled-back" : "restore.done") << '\n';
            }
            if (recorder->TakeMissedCopy()) Complain("restore", core::NoHistoryCopyText());
        });
    });
}

}  // namespace cardtool
