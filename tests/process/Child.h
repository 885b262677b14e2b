#pragma once

#ifndef _WIN32
#include <sys/types.h>
#endif

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace proctest {

// How a child ended: by itself with an exit code, or killed. Killed means by a signal on POSIX
// (`code` is its number) and by Kill on Windows (`code` is the exit code Kill gave it).
struct Ending {
    bool killed = false;
    int code = 0;
    bool operator==(const Ending&) const = default;
};

Ending Exited(int code);
// What Wait gives once Kill has ended the child.
Ending Killed();
#ifndef _WIN32
Ending Signalled(int signal);
#endif
std::ostream& operator<<(std::ostream& out, const Ending& ending);

// The test driver running as a process of its own, its standard input and output piped to the
// test; its errors go to the test's own.
class Child {
public:
    explicit Child(const std::vector<std::string>& args);
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // The next line it printed, without its end; empty once its output is closed.
    std::string ReadLine();
    // Everything it prints until its output closes.
    std::string ReadAll();
    // Closes its standard input, which tells a reader to stop.
    void CloseInput();
    // Ends it at once, wherever it is, as a crash would: none of its own code runs any more.
    void Kill();
    // Waits for it to end.
    Ending Wait();

private:
    // Up to `size` bytes of its output; 0 once the output is closed.
    std::size_t ReadSome(char* buffer, std::size_t size);

#ifdef _WIN32
    // Windows HANDLEs, kept as void* so that the header needs no <windows.h>.
    void* m_process = nullptr;
    void* m_input = nullptr;
    void* m_output = nullptr;
    bool m_killed = false;
#else
    pid_t m_pid = -1;
    int m_input = -1;
    int m_output = -1;
#endif
    std::string m_pending;
    std::optional<Ending> m_ended;
};

}  // namespace proctest
