#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <cerrno>
#include <stdexcept>

#include "Child.h"

extern char** environ;

namespace proctest {

Ending Signalled(int signal) { return {true, signal}; }

Ending Killed() { return Signalled(SIGKILL); }

Child::Child(const std::vector<std::string>& args) {
    int input[2];
    int output[2];
    if (::pipe2(input, O_CLOEXEC) != 0 || ::pipe2(output, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    std::vector<std::string> all{TAVREL_PROGRAM_FILE_DRIVER};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : all) argv.push_back(arg.data());
    argv.push_back(nullptr);
    const int spawned = ::posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(input[0]);
    ::close(output[1]);
    m_input = input[1];
    m_output = output[0];
    if (spawned != 0) throw std::runtime_error("posix_spawn " + all[0]);
}

Child::~Child() {
    if (!m_ended) {
        Kill();
        Wait();
    }
    CloseInput();
    if (m_output >= 0) ::close(m_output);
}

std::size_t Child::ReadSome(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(m_output, buffer, size);
        if (got < 0 && errno == EINTR) continue;
        return got > 0 ? static_cast<std::size_t>(got) : 0;
    }
}

void Child::CloseInput() {
    if (m_input >= 0) ::close(m_input);
    m_input = -1;
}

void Child::Kill() {
    if (!m_ended) ::kill(m_pid, SIGKILL);
}

Ending Child::Wait() {
    if (m_ended) return *m_ended;
    int status = 0;
    while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_ended = WIFSIGNALED(status) ? Signalled(WTERMSIG(status)) : Exited(WEXITSTATUS(status));
    return *m_ended;
}

}  // namespace proctest
