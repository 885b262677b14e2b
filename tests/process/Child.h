#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace proctest {

// The test driver running as a process of its own, its standard input and output piped to the
// test; its errors go to the test's own.
class Child {
public:
    explicit Child(const std::vector<std::string>& args);
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    pid_t Pid() const { return m_pid; }
    // The next line it printed, without its end; empty once its output is closed.
    std::string ReadLine();
    // Everything it prints until its output closes.
    std::string ReadAll();
    // Closes its standard input, which tells a reader to stop.
    void CloseInput();
    // Waits for it to end and gives the status as waitpid gives it.
    int Wait();

private:
    pid_t m_pid = -1;
    int m_input = -1;
    int m_output = -1;
    std::string m_pending;
    bool m_waited = false;
    int m_status = 0;
};

}  // namespace proctest
