#pragma once

#include "app/GuardedApplication.h"

#include "app/Language.h"
#include "app/Translation.h"

// The application: owns the QApplication and runs the main window in its language. The tool
// reads its own command line, so Qt is handed the program name alone.
class Application {
public:
    Application(char* programName, Language language);

    // Runs the main window modally until it closes; with `quitAfterStart`, closes it as soon as
    // it is shown, which checks that an installed program starts.
    void Run(bool quitAfterStart);

private:
    int m_argc = 1;
    char* m_argv[2];
    GuardedApplication m_app;
    LanguageScope m_language;
};
