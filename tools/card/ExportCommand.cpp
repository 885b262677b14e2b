// export FOLDER [-o FILE]: the card as one JSON document, to stdout or into FILE. A file that
// could not be read is named in the document with its cause; the document is still written,
// and the command exits with 3.
#include <iostream>
#include <memory>
#include <span>

#include "core/cardjson/CardJson.h"
#include "core/fs/AtomicReplace.h"
#include "core/text/FileErrorText.h"
#include "tools/card/CardSource.h"
#include "tools/card/Commands.h"

namespace cardtool {

void AddExportCommand(CLI::App& app, int& exitCode) {
    struct Options {
        std::string folder;
        std::string output;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = app.add_subcommand("export", "Write the card in FOLDER as one JSON document.");
    command->add_option("FOLDER", options->folder, "The card's folder.")->required();
    command->add_option("-o,--output", options->output, "Write the document into this file, not to stdout.");
    command->callback([options, &exitCode] {
        const auto card = CardOfFolder("export", options->folder);
        if (!card) {
            exitCode = kExitFailed;
            return;
        }
        const std::string text = core::cardjson::CardToText(*card);
        if (options->output.empty()) {
            std::cout << text;
        } else {
            const auto bytes = std::as_bytes(std::span(text));
            const std::span<const std::uint8_t> content(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            auto written = core::ReplaceFileContents(core::SystemFileSystem(), options->output, content);
            if (!written.ok()) {
                Complain("export", core::FileErrorText(written.error().value_or(
                                       core::FileError(core::FileErrorCause::Generic, options->output))));
                exitCode = kExitFileError;
                return;
            }
        }
        exitCode = AnyUnreadable(*card) ? kExitFileError : kExitClean;
    });
}

}  // namespace cardtool
