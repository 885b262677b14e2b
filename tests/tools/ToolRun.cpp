#include "tests/tools/ToolRun.h"

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/core/Samples.h"

namespace toolrun {

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

Outcome RunTool(const std::string& arguments) {
    testsupport::TempFolder scratch;
    const std::string errPath = scratch / "stderr";
    const std::string command = Quoted(TAVREL_CARD_PROGRAM) + " " + arguments + " 2>" + Quoted(errPath);
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

CardFolder& CardFolder::Program(const std::string& name, std::vector<testbytes::Bytes> timers) {
    testsupport::WriteFileBytes(m_folder / name, samples::ProgramImage(0, timers));
    return *this;
}

CardFolder& CardFolder::File(const std::string& name, testbytes::Bytes bytes) {
    testsupport::WriteFileBytes(m_folder / name, bytes);
    return *this;
}

CardFolder& CardFolder::Folder(const std::string& name) {
    std::filesystem::create_directory(m_folder / name);
    return *this;
}

std::vector<std::pair<std::string, std::vector<std::uint8_t>>> CardFolder::Contents() const {
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> contents;
    for (const std::string& name : m_folder.Entries()) {
        contents.emplace_back(name, testsupport::ReadFileBytes(m_folder / name).value_or(std::vector<std::uint8_t>{}));
    }
    return contents;
}

}  // namespace toolrun
