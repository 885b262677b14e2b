// What Child does the same way on every platform: lines out of the bytes of its output.
#include "Child.h"

#include <utility>

namespace proctest {

Ending Exited(int code) { return {false, code}; }

std::ostream& operator<<(std::ostream& out, const Ending& ending) {
    return out << (ending.killed ? "killed, code " : "exited with ") << ending.code;
}

std::string Child::ReadLine() {
    for (;;) {
        if (const auto end = m_pending.find('\n'); end != std::string::npos) {
            std::string line = m_pending.substr(0, end);
            m_pending.erase(0, end + 1);
            return line;
        }
        char buffer[4096];
        const std::size_t got = ReadSome(buffer, sizeof buffer);
        if (got == 0) return std::exchange(m_pending, {});
        m_pending.append(buffer, got);
    }
}

std::string Child::ReadAll() {
    std::string all = std::exchange(m_pending, {});
    char buffer[4096];
    while (const std::size_t got = ReadSome(buffer, sizeof buffer)) all.append(buffer, got);
    return all;
}

}  // namespace proctest
