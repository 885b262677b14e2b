#include "core/dates/SpecialDateFile.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "core/fs/AtomicReplace.h"

namespace core {

using core::FileError;
using core::FileErrorCause;
using core::OpenMode;

namespace {

DateFileResult Failed(const FileError& error) {
    return {false, error};
}

}  // namespace

DateFileResult ReadDateFile(core::FileSystem& fs, const std::string& path,
                            SpecialDateTable& table, std::uint32_t& count) {
    count = 0;
    try {
        auto file = fs.Open(path, OpenMode::Read);
        const std::uint64_t records = std::min<std::uint64_t>(file->Length() / 2, kMaxSpecialDates);
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(records * 2));
        const std::size_t got = core::ReadFully(*file, bytes);
        file->Close();
        const std::size_t loaded = got / 2;
        for (std::size_t k = 0; k < loaded; ++k) table[k] = {bytes[2 * k], bytes[2 * k + 1]};
        count = static_cast<std::uint32_t>(loaded);
        return {};
    } catch (const FileError& error) {
        count = 0;
        return Failed(error);
    }
}

DateFileResult WriteDateFile(core::FileSystem& fs, const std::string& path,
                             const SpecialDateTable& table, std::uint32_t count) {
    const std::size_t n = std::min<std::size_t>(count, kMaxSpecialDates);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(2 * n);
    for (std::size_t k = 0; k < n; ++k) {
        bytes.push_back(table[k].month);
        bytes.push_back(table[k].day);
    }
    try {
        // Hold the old file, when there is one, until the new one has taken its place.
        std::unique_ptr<core::File> held;
        try {
            held = fs.Open(path, OpenMode::Read);
        } catch (const FileError& error) {
            if (error.cause() != FileErrorCause::FileNotFound) throw;
        }
        core::ReplaceFileContents(fs, path, bytes, std::move(held));
        return {};
    } catch (const FileError& error) {
        return Failed(error);
    }
}

}  // namespace core
