// Starting the tool and holding a file on POSIX: a shell command line, flock.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "tests/tools/ToolRun.h"

namespace toolrun {

namespace {

// `text` in single quotes for the shell.
std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace

Outcome RunTool(const std::vector<std::string>& arguments) {
    testsupport::TempFolder scratch;
    const std::string errPath = scratch / "stderr";
    std::string command = Quoted(TAVREL_CARD_PROGRAM);
    for (const std::string& argument : arguments) command += " " + Quoted(argument);
    command += " 2>" + Quoted(errPath);
    Outcome run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, got);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ostringstream err;
    err << std::ifstream(errPath).rdbuf();
    run.err = err.str();
    return run;
}

// O_CLOEXEC: the tool must not inherit the descriptor, or it would hold the lock itself.
HeldFile::HeldFile(const std::string& path) : m_handle(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
    if (m_handle >= 0) m_held = ::flock(static_cast<int>(m_handle), LOCK_EX | LOCK_NB) == 0;
}

HeldFile::~HeldFile() {
    if (m_handle >= 0) ::close(static_cast<int>(m_handle));
}

}  // namespace toolrun
