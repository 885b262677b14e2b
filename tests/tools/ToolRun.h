#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/Bytes.h"
#include "tests/support/TempFolder.h"

// Running the built tavrel-card as a person or a script would, on card folders written here.
// How a program is started and a file held differs per platform: ToolRunPosix.cpp and
// ToolRunWindows.cpp.
namespace toolrun {

// What the program said, its lines ended by '\n' on every platform (see ToolRunWindows.cpp).
struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the program with `arguments`, each reaching it as one argument exactly as written, and
// collects what it says: stdout through a pipe, as a script reading it would, and stderr.
Outcome RunTool(const std::vector<std::string>& arguments);

// Holds a file as another program would: the tool runs in a process of its own, and its
// exclusive open of the file fails for as long as this object lives.
class HeldFile {
public:
    explicit HeldFile(const std::string& path);
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool held() const { return m_held; }

private:
    std::intptr_t m_handle;  // a file descriptor or a HANDLE
    bool m_held = false;
};

// A card folder that the test fills file by file.
class CardFolder {
public:
    CardFolder() = default;
    // The card in a folder of this name, for names that a command line could mangle.
    explicit CardFolder(const std::string& name);
    CardFolder& Program(const std::string& name, std::vector<testbytes::Bytes> timers);
    CardFolder& File(const std::string& name, testbytes::Bytes bytes);
    // A folder where the card reader expects a file: it exists but cannot be read.
    CardFolder& Folder(const std::string& name);
    const std::string& path() const { return m_path; }
    std::string operator/(const std::string& name) const;
    // Every file's name and bytes, to see that nothing changed.
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> Contents() const;

private:
    testsupport::TempFolder m_root;
    std::string m_path = m_root.path();
};

}  // namespace toolrun
