#include "tests/support/TempFolder.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "core/fs/FileSystem.h"
#include "core/fs/Path.h"

namespace testsupport {

namespace fs = std::filesystem;

fs::path NativePath(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

namespace {

std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace

TempFolder::TempFolder() {
    // A random name, created only if nobody has it yet, as mkdtemp does where there is one.
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = fs::temp_directory_path() / ("tavrel-test-" + std::to_string(random() % 1000000000));
        std::error_code error;
        if (fs::create_directory(candidate, error)) {
            m_path = Utf8(candidate);
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(NativePath(m_path), ignored);
}

std::string TempFolder::operator/(const std::string& name) const { return core::JoinPath(m_path, name); }

std::vector<std::string> TempFolder::Entries() const {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(NativePath(m_path), error)) {
        names.push_back(Utf8(entry.path().filename()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path) {
    std::ifstream in(NativePath(path), std::ios::binary);
    if (!in) return std::nullopt;
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(NativePath(path), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

bool StretchFile(const std::string& path, std::uint64_t length) {
    auto file = core::SystemFileSystem().Open(path, core::OpenMode::ReadWrite);
    return file.ok() && (*file)->Truncate(length).ok() && (*file)->Close().ok();
}

}  // namespace testsupport
