// Starting the tool and holding a file on Windows: CreateProcessW with a pipe for each output,
// an exclusive CreateFileW.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>

#include "tests/support/WindowsCommandLine.h"
#include "tests/tools/ToolRun.h"

namespace toolrun {

namespace {

// Everything until the writing end closes.
std::string ReadAll(HANDLE pipe) {
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
    return text;
}

// The C runtime writes stdout and stderr in text mode, so on Windows every line ends in CRLF.
// That is checked here, once, and the text given back with the plain line ends that the tests'
// expectations are written in.
std::string PlainLineEnds(const std::string& text, const char* stream) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        if (text[i] == '\r' || (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))) {
            ADD_FAILURE() << stream << ": a line end other than CRLF at byte " << i;
        }
        plain += text[i];
    }
    return plain;
}

// A pipe whose writing end the child inherits.
struct Pipe {
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    Pipe() {
        SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        if (CreatePipe(&read, &write, &inherited, 0)) SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    }
    ~Pipe() {
        CloseWriting();
        if (read != nullptr) CloseHandle(read);
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    void CloseWriting() {
        if (write != nullptr) CloseHandle(write);
        write = nullptr;
    }
};

}  // namespace

Outcome RunTool(const std::vector<std::string>& arguments) {
    // The program's own path is quoted whole: the runtime takes no backslash in it as an escape.
    // Cross-built, it is the build's POSIX path, which wine finds on the drive of the working
    // folder that ctest sets.
    const std::wstring program = testsupport::NativePath(TAVREL_CARD_PROGRAM).wstring();
    std::wstring commandLine = L"\"" + program + L"\"";
    for (const std::string& argument : arguments) {
        commandLine += L" " + testsupport::WindowsCommandLineArgument(testsupport::NativePath(argument).wstring());
    }

    Outcome run;
    Pipe out, err;
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    // Nothing to read: the tool must never wait on the test's own input.
    const HANDLE input = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input;
    startup.hStdOutput = out.write;
    startup.hStdError = err.write;
    PROCESS_INFORMATION process{};
    const bool started = out.read != nullptr && err.read != nullptr && input != INVALID_HANDLE_VALUE &&
                         CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &process);
    const DWORD startError = started ? 0 : GetLastError();
    if (input != INVALID_HANDLE_VALUE) CloseHandle(input);
    // Only the child may hold the writing ends now, so each read ends when the child does.
    out.CloseWriting();
    err.CloseWriting();
    if (!started) {
        ADD_FAILURE() << "cannot start " << TAVREL_CARD_PROGRAM << ": error " << startError;
        return run;
    }

    // Both pipes drain at once: a child blocked on a full stderr would never finish its stdout.
    std::string errText;
    std::thread errReader([&] { errText = ReadAll(err.read); });
    run.out = PlainLineEnds(ReadAll(out.read), "stdout");
    errReader.join();
    run.err = PlainLineEnds(errText, "stderr");
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    if (GetExitCodeProcess(process.hProcess, &code)) run.exitCode = static_cast<int>(code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}

// Share mode 0, as the file layer's own open: the tool's open then fails with a sharing
// violation. The handle is not inheritable, so the tool never holds it itself.
HeldFile::HeldFile(const std::string& path)
    : m_handle(reinterpret_cast<std::intptr_t>(CreateFileW(testsupport::NativePath(path).c_str(),
                                                           GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                                           FILE_ATTRIBUTE_NORMAL, nullptr))) {
    m_held = reinterpret_cast<HANDLE>(m_handle) != INVALID_HANDLE_VALUE;
}

HeldFile::~HeldFile() {
    if (m_held) CloseHandle(reinterpret_cast<HANDLE>(m_handle));
}

}  // namespace toolrun
