#include <windows.h>

#include <filesystem>
#include <stdexcept>

#include "Child.h"
#include "support/TempFolder.h"
#include "support/WindowsCommandLine.h"

namespace proctest {

namespace {

// The exit code Kill gives; the driver never ends with it by itself.
constexpr UINT kKilledCode = 137;

// Large enough that a writer's whole log fits while the test still reads the other writer's.
constexpr DWORD kPipeSize = 1 << 16;

// The driver sits beside the test program. The build's path of it would be a Unix one under
// wine, which a Windows process cannot open.
std::wstring DriverPath() {
    std::wstring self(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()));
        if (length == 0) throw std::runtime_error("GetModuleFileNameW");
        if (length < self.size()) {
            self.resize(length);
            break;
        }
        self.resize(2 * self.size());
    }
    return (std::filesystem::path(self).parent_path() / TAVREL_PROGRAM_FILE_DRIVER).wstring();
}

}  // namespace

Ending Killed() { return {true, static_cast<int>(kKilledCode)}; }

Child::Child(const std::vector<std::string>& args) {
    HANDLE inputRead = nullptr, inputWrite = nullptr, outputRead = nullptr, outputWrite = nullptr;
    if (!CreatePipe(&inputRead, &inputWrite, nullptr, kPipeSize)) throw std::runtime_error("CreatePipe");
    if (!CreatePipe(&outputRead, &outputWrite, nullptr, kPipeSize)) {
        CloseHandle(inputRead);
        CloseHandle(inputWrite);
        throw std::runtime_error("CreatePipe");
    }
    // Only the child's ends are inherited, and only by this child: were the test's end of its input
    // inherited, closing it here would not end the input.
    SetHandleInformation(inputRead, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    SetHandleInformation(outputWrite, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    HANDLE error = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), GetStdHandle(STD_ERROR_HANDLE), GetCurrentProcess(), &error, 0,
                         TRUE, DUPLICATE_SAME_ACCESS)) {
        error = nullptr;  // the test has no error output: neither has the child
    }

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inputRead;
    startup.hStdOutput = outputWrite;
    startup.hStdError = error;
    // The program's own name is read up to the next quote, with no escapes; a path has no quotes.
    const std::wstring program = DriverPath();
    std::wstring commandLine = L"\"" + program + L"\"";
    for (const std::string& arg : args)
        commandLine += L" " + testsupport::WindowsCommandLineArgument(testsupport::NativePath(arg).wstring());
    PROCESS_INFORMATION info{};
    const BOOL created = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &info);
    const DWORD why = GetLastError();
    CloseHandle(inputRead);
    CloseHandle(outputWrite);
    if (error) CloseHandle(error);
    m_input = inputWrite;
    m_output = outputRead;
    if (!created) {
        CloseInput();
        CloseHandle(m_output);
        throw std::runtime_error("CreateProcessW failed with error " + std::to_string(why));
    }
    CloseHandle(info.hThread);
    m_process = info.hProcess;
}

Child::~Child() {
    if (!m_ended) {
        Kill();
        Wait();
    }
    CloseInput();
    CloseHandle(m_output);
    CloseHandle(m_process);
}

std::size_t Child::ReadSome(char* buffer, std::size_t size) {
    DWORD got = 0;
    // Fails with ERROR_BROKEN_PIPE once the child's end is closed.
    if (!ReadFile(m_output, buffer, static_cast<DWORD>(size), &got, nullptr)) return 0;
    return got;
}

void Child::CloseInput() {
    if (m_input) CloseHandle(m_input);
    m_input = nullptr;
}

void Child::Kill() {
    if (m_ended || m_killed) return;
    TerminateProcess(m_process, kKilledCode);
    m_killed = true;
}

Ending Child::Wait() {
    if (m_ended) return *m_ended;
    WaitForSingleObject(m_process, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(m_process, &code);
    // Ended by itself just before the kill, it keeps the code it chose.
    m_ended = m_killed && code == kKilledCode ? Killed() : Exited(static_cast<int>(code));
    return *m_ended;
}

}  // namespace proctest
