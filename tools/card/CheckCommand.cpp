// check FOLDER: reads every file of the card and prints what is wrong, one finding a line or as
// JSON. A file that cannot be read is a finding like any other; only a folder that cannot be
// listed stops the command.
#include <algorithm>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "core/check/CardCheck.h"
#include "core/text/FileErrorText.h"
#include "tools/card/CardSource.h"
#include "tools/card/Commands.h"
#include "tools/card/PendingWrite.h"

namespace cardtool {

namespace {

using core::Finding;

// "SCH01.DAT timer 1 and timer 2: error same-start: 两个定时的开始时间相同。"
std::string Line(const Finding& f) {
    std::string line = f.file;
    if (f.timer) line += " timer " + std::to_string(*f.timer);
    if (f.other) line += " and timer " + std::to_string(*f.other);
    if (f.date) line += " " + core::DateText(*f.date);
    if (f.otherFile) line += " and " + *f.otherFile;
    return line + ": " + core::SeverityName(f.severity) + " " + f.code + ": " + f.message;
}

nlohmann::ordered_json Json(const Finding& f) {
    nlohmann::ordered_json object;
    object["code"] = f.code;
    object["severity"] = core::SeverityName(f.severity);
    object["file"] = f.file;
    if (f.timer) object["timer"] = *f.timer;
    if (f.other) object["other"] = *f.other;
    if (f.otherFile) object["other_file"] = *f.otherFile;
    if (f.date) object["date"] = core::DateText(*f.date);
    object["message"] = f.message;
    return object;
}

void Print(const std::vector<Finding>& findings, bool json) {
    if (!json) {
        for (const Finding& f : findings) std::cout << Line(f) << '\n';
        return;
    }
    auto array = nlohmann::ordered_json::array();
    for (const Finding& f : findings) array.push_back(Json(f));
    std::cout << array.dump(2) << '\n';
}

// Notes alone leave the card fit to use.
bool NeedsFixing(const std::vector<Finding>& findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding& f) { return f.severity != core::Severity::Note; });
}

}  // namespace

void AddCheckCommand(CLI::App& app, int& exitCode) {
    struct Options {
        std::string folder;
        bool json = false;
    };
    auto options = std::make_shared<Options>();
    CLI::App* check = app.add_subcommand("check", "Find the mistakes on the card in FOLDER.");
    check->add_option("FOLDER", options->folder, "The card's folder.")->required();
    check->add_flag("--json", options->json, "Print the findings as a JSON array.");
    check->callback([options, &exitCode] {
        RunGuarded("check", exitCode, [&] {
            SettleCard("check", options->folder);
            NoteWorkingOn(options->folder);
            const auto findings = core::CheckCardFolder(*Context().fs, options->folder);
            if (!findings.ok()) {
                const core::FileError error =
                    findings.error().value_or(core::FileError(core::FileErrorCause::Generic, options->folder));
                std::cerr << "tavrel-card check: " << core::FileErrorText(error) << '\n';
                exitCode = kExitFailed;
                return;
            }
            Print(*findings, options->json);
            exitCode = NeedsFixing(*findings) ? kExitFindings : kExitClean;
        });
    });
}

}  // namespace cardtool
