#pragma once

// Building a Windows command line from separate arguments, for tests that start programs.

#include <string>

namespace testsupport {

// One argument as the C runtime of the started program (and CommandLineToArgvW) splits the
// command line again: quoted when it is empty or holds a blank or a quote; inside the quotes,
// backslashes double only before a quote, which includes the closing one.
inline std::wstring WindowsCommandLineArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) return argument;
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

}  // namespace testsupport
