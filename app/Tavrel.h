#pragma once

#include <QApplication>

// The application: owns the QApplication and runs the main window. The tool reads no command
// line, so Qt is handed the program name alone.
class CTavrelApp {
public:
    explicit CTavrelApp(char* programName);

    // Runs the main window modally until it closes. Always false: there is nothing to do after.
    bool InitInstance();

private:
    int m_argc = 1;
    char* m_argv[2];
    QApplication m_app;
};
