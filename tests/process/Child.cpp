#include "Child.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <cerrno>
#include <stdexcept>
#include <utility>

extern char** environ;

namespace proctest {

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
    if (!m_waited) {
        ::kill(m_pid, SIGKILL);
        Wait();
    }
    CloseInput();
    if (m_output >= 0) ::close(m_output);
}

std::string Child::ReadLine() {
    for (;;) {
        if (const auto end = m_pending.find('\n'); end != std::string::npos) {
            std::string line = m_pending.substr(0, end);
            m_pending.erase(0, end + 1);
            return line;
        }
        char buffer[4096];
        const ssize_t got = ::read(m_output, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return std::exchange(m_pending, {});
        m_pending.append(buffer, static_cast<std::size_t>(got));
    }
}

std::string Child::ReadAll() {
    std::string all = std::exchange(m_pending, {});
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(m_output, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return all;
        all.append(buffer, static_cast<std::size_t>(got));
    }
}

void Child::CloseInput() {
    if (m_input >= 0) ::close(m_input);
    m_input = -1;
}

int Child::Wait() {
    if (m_waited) return m_status;
    while (::waitpid(m_pid, &m_status, 0) < 0 && errno == EINTR) {
    }
    m_waited = true;
    return m_status;
}

}  // namespace proctest
