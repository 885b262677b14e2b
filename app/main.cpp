#include <cstdlib>
#include <iostream>

#include "app/Application.h"
#include "app/DisplayCheck.h"
#include "app/Language.h"
#include "core/fs/ProcessSetup.h"

int main(int argc, char** argv) {
    // A write past ulimit -f must fail as a full disk, not kill the window halfway through a file.
    core::IgnoreFileSizeSignal();
    const auto parsed = ParseStartOptions(std::vector<std::string_view>(argv + 1, argv + argc));
    if (const auto* problem = std::get_if<std::string>(&parsed)) {
        std::cerr << argv[0] << ": " << *problem << '\n' << StartUsage(argv[0]) << '\n';
        return 2;
    }
    const StartOptions& options = std::get<StartOptions>(parsed);
    if (!DisplayAvailable()) {
        std::cerr << NoDisplayMessage(argv[0]) << '\n';
        return 1;
    }
    try {
        Application application(argv[0], ChooseLanguage(options.language, std::getenv("LC_ALL"),
                                                        std::getenv("LC_MESSAGES"), std::getenv("LANG")));
        application.Run(options.quitAfterStart);
    } catch (const std::exception& e) {
        // Before the window is up or after it is gone: no box can say it.
        std::cerr << argv[0] << ": " << e.what() << '\n';
        return 1;
    }
    return 0;
}
