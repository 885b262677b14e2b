#include "tests/tools/ToolRun.h"

#include <algorithm>
#include <filesystem>

#include "core/fs/Path.h"
#include "tests/core/Samples.h"

namespace toolrun {

CardFolder::CardFolder(const std::string& name) : m_path(m_root / name) {
    std::filesystem::create_directory(testsupport::NativePath(m_path));
}

std::string CardFolder::operator/(const std::string& name) const { return core::JoinPath(m_path, name); }

CardFolder& CardFolder::Program(const std::string& name, std::vector<testbytes::Bytes> timers) {
    testsupport::WriteFileBytes(*this / name, samples::ProgramImage(0, timers));
    return *this;
}

CardFolder& CardFolder::File(const std::string& name, testbytes::Bytes bytes) {
    testsupport::WriteFileBytes(*this / name, bytes);
    return *this;
}

CardFolder& CardFolder::Folder(const std::string& name) {
    std::filesystem::create_directory(testsupport::NativePath(*this / name));
    return *this;
}

std::vector<std::pair<std::string, std::vector<std::uint8_t>>> CardFolder::Contents() const {
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> contents;
    for (const auto& entry : std::filesystem::directory_iterator(testsupport::NativePath(m_path))) {
        const std::u8string utf8 = entry.path().filename().u8string();
        std::string name(utf8.begin(), utf8.end());
        auto bytes = testsupport::ReadFileBytes(*this / name).value_or(std::vector<std::uint8_t>{});
        contents.emplace_back(std::move(name), std::move(bytes));
    }
    std::sort(contents.begin(), contents.end());
    return contents;
}

}  // namespace toolrun
