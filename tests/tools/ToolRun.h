#pragma once

#include <string>
#include <vector>

#include "tests/support/Bytes.h"
#include "tests/support/TempFolder.h"

// Running the built tavrel-card as a person or a script would, on card folders written here.
namespace toolrun {

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// `text` in single quotes for the shell.
std::string Quoted(const std::string& text);

// Runs the program with `arguments` (already quoted where needed) and collects what it says.
Outcome RunTool(const std::string& arguments);

// A card folder that the test fills file by file.
class CardFolder {
public:
    CardFolder& Program(const std::string& name, std::vector<testbytes::Bytes> timers);
    CardFolder& File(const std::string& name, testbytes::Bytes bytes);
    // A folder where the card reader expects a file: it exists but cannot be read.
    CardFolder& Folder(const std::string& name);
    std::string path() const { return Quoted(m_folder.path()); }
    const std::string& rawPath() const { return m_folder.path(); }
    // Every file's name and bytes, to see that nothing changed.
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> Contents() const;

private:
    testsupport::TempFolder m_folder;
};

}  // namespace toolrun
