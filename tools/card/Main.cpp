// tavrel-card: the command line's parts are put together here; what each command does lives in
// its own file.
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "core/fs/ProcessSetup.h"
#include "core/text/CardWords.h"
#include "tools/card/Commands.h"
#include "tools/card/Utf8Arguments.h"

int main(int argc, char** argv) {
    // A write past the file size limit must fail as a full disk, not kill the program.
    core::IgnoreFileSizeSignal();
    CLI::App app("Works on the files of a schedule player's SD card folder.", "tavrel-card");
    app.set_version_flag("--version", TAVREL_VERSION);
    app.require_subcommand(1);

    int exitCode = cardtool::kExitClean;
    cardtool::AddCheckCommand(app, exitCode);
    cardtool::AddShowCommand(app, exitCode);
    cardtool::AddExportCommand(app, exitCode);
    cardtool::AddImportCommand(app, exitCode);
    cardtool::AddDiffCommand(app, exitCode);
    cardtool::AddHistoryCommand(app, exitCode);
    cardtool::AddRestoreCommand(app, exitCode);

    try {
        std::vector<std::string> arguments = cardtool::Utf8Arguments(argc, argv);
        std::vector<char*> pointers;
        for (std::string& argument : arguments) pointers.push_back(argument.data());
        app.parse(static_cast<int>(pointers.size()), pointers.data());
    } catch (const CLI::ParseError& e) {
        // --help and --version end here too, with CLI11's success code.
        return app.exit(e) == 0 ? cardtool::kExitClean : cardtool::kExitFailed;
    } catch (const std::bad_alloc&) {
        // Each command names its own file; this is the command line before any command ran.
        std::cerr << "tavrel-card: " << core::CardWord("tool.out-of-memory") << '\n';
        return cardtool::kExitFailed;
    } catch (const std::exception& e) {
        std::cerr << "tavrel-card: " << core::CardWord("tool.unexpected") << e.what() << '\n';
        return cardtool::kExitFailed;
    }
    return exitCode;
}
