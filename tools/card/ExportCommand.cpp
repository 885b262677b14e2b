// export FOLDER [-o FILE]: the card as one JSON document, to stdout or into FILE. A file that
// could not be read is named in the document with its cause; the document is still written,
// and the command exits with 3. The document is written as the card is read, a timer at a time;
// a card whose document would be larger than import reads is refused before anything is written,
// since a backup that cannot be restored is no backup.
#include <iostream>
#include <memory>
#include <span>

#include "core/cardjson/DocumentWriter.h"
#include "core/fs/AtomicReplace.h"
#include "core/text/CardWords.h"
#include "tools/card/CardSource.h"
#include "tools/card/Commands.h"

namespace cardtool {

namespace {

using core::cardjson::DocumentWriter;

// Writes the document into `output` in one step: on any failure the file keeps what it held.
int WriteInto(DocumentWriter& writer, const std::string& output) {
    NoteWorkingOn(output);
    const auto written = core::ReplaceFileContents(
        *Context().fs, output,
        [&](core::File& out) -> core::Result<> {
            std::optional<core::Failure> failed;
            const bool whole = writer.Write([&](std::string_view piece) {
                auto done =
                    out.Write(std::span(reinterpret_cast<const std::uint8_t*>(piece.data()), piece.size()));
                if (!done.ok()) failed = done.failure();
                return done.ok();
            });
            if (failed) return *failed;
            if (!whole)
                return core::IoFailure(
                    writer.Failure().value_or(core::FileError(core::FileErrorCause::Generic, "")));
            return {};
        },
        nullptr);
    if (written.ok()) return kExitClean;
    // A card file that failed part-way is named by itself; nothing was written.
    ComplainOf("export", writer.Failure() ? writer.Failure() : written.error(), output);
    return kExitFileError;
}

int WriteOut(DocumentWriter& writer) {
    const bool whole = writer.Write([](std::string_view piece) {
        return static_cast<bool>(std::cout.write(piece.data(), static_cast<std::streamsize>(piece.size())));
    });
    std::cout.flush();
    if (whole) return kExitClean;
    if (writer.Failure()) ComplainOf("export", writer.Failure(), "");
    return kExitFileError;
}

int Export(const std::string& folder, const std::string& output) {
    if (!FolderListed("export", folder)) return kExitFailed;
    DocumentWriter writer(*Context().fs, folder);
    const std::uint64_t limit = Context().largestDocument;
    if (writer.Measure(limit).overLimit) {
        Complain("export",
                 folder + ": " + WithValue(core::CardWord("export.too-large"), std::to_string(limit)));
        return kExitFailed;
    }
    const int written = output.empty() ? WriteOut(writer) : WriteInto(writer, output);
    if (written != kExitClean) return written;
    return writer.AnyUnreadable() ? kExitFileError : kExitClean;
}

}  // namespace

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
        RunGuarded("export", exitCode, [&] { exitCode = Export(options->folder, options->output); });
    });
}

}  // namespace cardtool
