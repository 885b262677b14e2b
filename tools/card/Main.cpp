// tavrel-card: the command line's parts are put together here; what each command does lives in
// its own file.
#include <iostream>

#include "tools/card/Commands.h"

int main(int argc, char** argv) {
    CLI::App app("Works on the files of a schedule player's SD card folder.", "tavrel-card");
    app.set_version_flag("--version", TAVREL_VERSION);
    app.require_subcommand(1);

    int exitCode = cardtool::kExitClean;
    cardtool::AddCheckCommand(app, exitCode);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // --help and --version end here too, with CLI11's success code.
        return app.exit(e) == 0 ? cardtool::kExitClean : cardtool::kExitFailed;
    }
    return exitCode;
}
