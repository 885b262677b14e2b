#include <algorithm>

#include "core/schedule/LittleEndian.h"
#include "core/schedule/ScheduleFile.h"

namespace core {

ScheduleHeaderBytes EncodeScheduleHeader(const ScheduleHeader& h) {
    ScheduleHeaderBytes b{};
    le::Put16(b, 0, h.magic);
    le::Put16(b, 2, h.program);
    le::Put16(b, 4, h.count);
    le::Put16(b, 6, h.reserved);
    for (std::size_t i = 0; i < kMaxTimers; ++i) {
        le::Put32(b, 8 + 8 * i, h.index[i].offset);
        le::Put32(b, 12 + 8 * i, h.index[i].size);
    }
    return b;
}

ScheduleHeader DecodeScheduleHeader(std::span<const std::uint8_t> bytes) {
    ScheduleHeaderBytes b{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), b.size()), b.begin());
    ScheduleHeader h;
    h.magic = le::Get16(b, 0);
    h.program = le::Get16(b, 2);
    h.count = le::Get16(b, 4);
    h.reserved = le::Get16(b, 6);
    for (std::size_t i = 0; i < kMaxTimers; ++i) {
        h.index[i].offset = le::Get32(b, 8 + 8 * i);
        h.index[i].size = le::Get32(b, 12 + 8 * i);
    }
    return h;
}

}  // namespace core
