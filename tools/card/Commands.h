#pragma once

#include <CLI/CLI.hpp>

// The commands of tavrel-card. Each adds itself to the program's command line as a subcommand
// and, when it is the one run, sets the program's exit code.
namespace cardtool {

// Exit codes shared by every command.
inline constexpr int kExitClean = 0;     // done, nothing to report
inline constexpr int kExitFindings = 1;  // done, and the card has something to fix
inline constexpr int kExitFailed = 2;    // wrong arguments, or the folder could not be used

// check FOLDER [--json]: the mistakes on the card in FOLDER.
void AddCheckCommand(CLI::App& app, int& exitCode);

}  // namespace cardtool
