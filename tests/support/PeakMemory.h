#pragma once

#include <cstdint>

namespace testsupport {

// The most memory this process has held in RAM so far, in bytes.
std::uint64_t PeakMemoryBytes();

}  // namespace testsupport
