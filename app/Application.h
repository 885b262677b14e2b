#pragma once

#include <QApplication>

// The application: owns the QApplication and runs the main window. The tool reads no command
// line, so Qt is handed the program name alone.
class Application {
public:
    explicit Application(char* programName);

    // Runs the main window modally until it closes.
    void Run();

private:
    int m_argc = 1;
    char* m_argv[2];
    QApplication m_app;
};
