#pragma once

#include <cstdlib>
#include <string>

namespace testsupport {

// Sets an environment variable while the object lives, so that a program started meanwhile, or
// code that reads it, sees it; removes it again afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::string name, const std::string& value) : m_name(std::move(name)) { Set(value.c_str()); }
    ~ScopedEnvironment() { Set(nullptr); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    void Set(const char* value) const {
#ifdef _WIN32
        _putenv_s(m_name.c_str(), value ? value : "");
#else
        if (value) {
            setenv(m_name.c_str(), value, 1);
        } else {
            unsetenv(m_name.c_str());
        }
#endif
    }

    std::string m_name;
};

}  // namespace testsupport
