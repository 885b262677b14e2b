#include "tests/support/ProgramFileCheck.h"

#include <sstream>

namespace testsupport {

namespace {

std::uint32_t Get32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

}  // namespace

std::string ProgramIndexMismatch(std::span<const std::uint8_t> file) {
    constexpr std::size_t kHeader = 4104;
    if (file.size() < kHeader) return "shorter than its header";
    const std::uint32_t count = file[4] | file[5] << 8;
    if (count > 512) return "count above 512";
    std::uint64_t at = kHeader;
    for (std::size_t i = 0; i < 512; ++i) {
        const std::uint32_t offset = Get32(file, 8 + 8 * i);
        const std::uint32_t size = Get32(file, 12 + 8 * i);
        std::ostringstream entry;
        entry << "entry " << i << " = " << offset << "/" << size;
        if (i < count) {
            if (offset != at) return entry.str() + ", expected offset " + std::to_string(at);
            at += size;
        } else if (!(offset == 0 && size == 0) && !(count == 0 && i == 0 && offset == kHeader && size == 0)) {
            return entry.str() + " past the count";
        }
    }
    if (at != file.size()) {
        return "timers end at " + std::to_string(at) + ", the file at " + std::to_string(file.size());
    }
    return {};
}

}  // namespace testsupport
