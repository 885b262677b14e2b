#pragma once

#include <cstddef>

// Counts the bytes the program holds through operator new, so a test or a benchmark can see how
// much a piece of code allocated at its peak. Linking AllocationMeter.cpp into a program
// replaces the global operator new and delete of that whole program.
namespace allocationmeter {

// Starts a measurement from what is held now.
void Start();
// The most bytes held at once since Start(), above what was held then.
std::size_t PeakSinceStart();
// The largest single allocation since Start().
std::size_t LargestSinceStart();

}  // namespace allocationmeter
