#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace testsupport {

// Empty when a program file's index describes the file exactly: a full header, a count of at
// most 512, timers back to back from the end of the header to the end of the file, unused
// entries zero (entry 0 of a program emptied by deleting excepted, which points at the end of
// the header). Otherwise a line saying what is wrong. Reads the bytes directly, so it checks
// the store without sharing its code.
std::string ProgramIndexMismatch(std::span<const std::uint8_t> file);

}  // namespace testsupport
