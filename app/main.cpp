#include <iostream>

#include "app/Application.h"
#include "app/DisplayCheck.h"
#include "core/fs/ProcessSetup.h"

int main(int, char** argv) {
    // A write past ulimit -f must fail as a full disk, not kill the window halfway through a file.
    core::IgnoreFileSizeSignal();
    if (!DisplayAvailable()) {
        std::cerr << NoDisplayMessage(argv[0]) << '\n';
        return 1;
    }
    Application application(argv[0]);
    application.Run();
    return 0;
}
