// show FOLDER [--program NAME]: each file of the card in the window's words, timers one a line.
// A program is read and said one timer at a time, so a card of any size is shown.
#include <iostream>
#include <memory>

#include "core/cardjson/CardFileStream.h"
#include "core/cardjson/CardJson.h"
#include "core/cardjson/CardWordsOf.h"
#include "core/cardjson/DocumentWriter.h"
#include "core/cardjson/TimerJson.h"
#include "tools/card/CardSource.h"
#include "tools/card/Commands.h"

namespace cardtool {

namespace {

using namespace core::cardjson;

std::vector<std::string> AllStems() {
    std::vector<std::string> stems;
    for (const core::CardFileId id : core::AllCardFiles()) stems.push_back(FileStem(id));
    return stems;
}

// Says one file; false when it could not be read whole.
bool ShowFile(const std::string& folder, core::CardFileId id) {
    NoteWorkingOn(core::CardFilePath(folder, id.kind, id.program));
    CardFileStream stream(*Context().fs, folder, id);
    const FileImage& head = stream.Head();
    const bool program = head.state == core::CardFileState::Read && HoldsTimers(id.kind);
    std::cout << FileHeadLine(id, program ? ProgramSummary(HeadToJson(stream), stream.TimerCount())
                                          : FileSummary(FileToJson(head)))
              << '\n';
    for (std::size_t i = 0; i < stream.TimerCount(); ++i) {
        const auto timer = stream.Next();
        if (!timer) {
            std::cout.flush();
            ComplainOf("show", stream.Failure(), FileStem(id));
            return false;
        }
        for (const std::string& line : TimerLines(i, TimerToJson(*timer, id.kind)))
            std::cout << "  " << line << '\n';
    }
    return head.state == core::CardFileState::Read || head.state == core::CardFileState::Absent;
}

int Show(const std::string& folder, const std::string& only) {
    if (!FolderListed("show", folder)) return kExitFailed;
    bool whole = true;
    for (const core::CardFileId id : core::AllCardFiles()) {
        if (!only.empty() && FileStem(id) != only) continue;
        whole = ShowFile(folder, id) && whole;
    }
    return whole ? kExitClean : kExitFileError;
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
        RunGuarded("show", exitCode, [&] { exitCode = Show(options->folder, options->program); });
    });
}

}  // namespace cardtool
