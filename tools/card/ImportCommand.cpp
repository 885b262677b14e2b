// import FILE FOLDER [--dry-run]: checks the whole document, then writes the files it describes
// that differ from the card's, each reported on its own line.
#include <algorithm>
#include <iostream>
#include <memory>

#include "core/cardjson/ImportCard.h"
#include "core/text/CardWords.h"
#include "core/text/FileErrorText.h"
#include "core/text/HistoryTexts.h"
#include "tools/card/CardSource.h"
#include "tools/card/Commands.h"
#include "tools/card/PendingWrite.h"

namespace cardtool {

namespace {

using core::cardjson::ImportOutcome;

const char* OutcomeKey(ImportOutcome outcome) {
    switch (outcome) {
    case ImportOutcome::Written: return "import.written";
    case ImportOutcome::WouldWrite: return "import.would-write";
    case ImportOutcome::Unchanged: return "import.unchanged";
    case ImportOutcome::LeftAbsent: return "import.left-absent";
    case ImportOutcome::RolledBack: return "import.rolled-back";
    case ImportOutcome::LeftUnreadable: break;
    }
    return "import.left-unreadable";
}

}  // namespace

void AddImportCommand(CLI::App& app, int& exitCode) {
    struct Options {
        std::string file;
        std::string folder;
        bool dryRun = false;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = app.add_subcommand("import", "Write the card that the JSON document FILE describes into FOLDER.");
    command->add_option("FILE", options->file, "The document, as export writes it.")->required();
    command->add_option("FOLDER", options->folder, "The card's folder.")->required();
    command->add_flag("--dry-run", options->dryRun, "Say what would change, and write nothing.");
    command->callback([options, &exitCode] {
        RunGuarded("import", exitCode, [&] {
            core::FileSystem& fs = *Context().fs;
            if (auto listed = fs.ListFolder(options->folder); !listed.ok()) {
                Complain("import", core::FileErrorText(listed.error().value_or(
                                       core::FileError(core::FileErrorCause::Generic, options->folder))));
                exitCode = kExitFailed;
                return;
            }
            SettleCard("import", options->folder);
            const auto text = DocumentText("import", options->file);
            const auto imported =
                text ? core::cardjson::ImportDocument(fs, options->folder, *text, options->dryRun) : core::cardjson::DocumentImport{};
            if (!text || imported.error) {
                if (imported.error) ComplainAbout("import", options->file, *imported.error);
                exitCode = kExitFailed;
                return;
            }
            const auto& report = imported.report;
            TellSettlements("import", report.settled);
            for (const auto& file : report.files) {
                std::cout << core::CardFileName(file.id.kind, file.id.program) << "：" << core::CardWord(OutcomeKey(file.outcome))
                          << '\n';
            }
            if (report.noHistoryCopy) Complain("import", core::NoHistoryCopyText());
            exitCode = kExitClean;
            if (report.failure) {
                const core::FileError error = report.failure->error.value_or(core::FileError(core::FileErrorCause::Generic, ""));
                const std::string text = core::FileErrorText(error);
                // A sentence about the card does not say which file: the tool says it first.
                Complain("import",
                         core::FileErrorTextNamesFile(error.cause()) ? text : error.path() + ": " + text);
                const bool nothingWritten = std::none_of(report.files.begin(), report.files.end(), [](const auto& file) {
                    return file.outcome == ImportOutcome::Written;
                });
                if (nothingWritten) Complain("import", std::string(core::CardWord("import.not-written")));
                exitCode = kExitFileError;
            }
        });
    });
}

}  // namespace cardtool
