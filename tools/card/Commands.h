#pragma once

#include <CLI/CLI.hpp>

// The commands of tavrel-card. Each adds itself to the program's command line as a subcommand
// and, when it is the one run, sets the program's exit code.
namespace cardtool {

// Exit codes shared by every command.
inline constexpr int kExitClean = 0;     // done, nothing to report
inline constexpr int kExitFindings = 1;  // done, and the card has something to fix
inline constexpr int kExitFailed = 2;    // wrong arguments, or the folder could not be used
inline constexpr int kExitFileError = 3; // a file of the card could not be read or written

// check FOLDER [--json]: the mistakes on the card in FOLDER.
void AddCheckCommand(CLI::App& app, int& exitCode);
// show FOLDER [--program NAME]: the card as a person reads it.
void AddShowCommand(CLI::App& app, int& exitCode);
// export FOLDER [-o FILE]: the whole card as one JSON document.
void AddExportCommand(CLI::App& app, int& exitCode);
// import FILE FOLDER [--dry-run]: writes the card a document describes.
void AddImportCommand(CLI::App& app, int& exitCode);
// diff A B: what differs between two cards, each a folder or a document.
void AddDiffCommand(CLI::App& app, int& exitCode);
// history FOLDER [--json] [--show ENTRY]: the writes kept of the card, newest first.
void AddHistoryCommand(CLI::App& app, int& exitCode);
// restore FOLDER ENTRY | --all-before TIME [--dry-run]: puts kept versions back.
void AddRestoreCommand(CLI::App& app, int& exitCode);

}  // namespace cardtool
