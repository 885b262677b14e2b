#pragma once

#include <cstddef>

// Measures what a piece of code allocates through operator new, so a test or a benchmark can
// see its peak. Linking AllocationMeter.cpp into a program replaces the global operator new
// and delete of that whole program; outside a measurement they cost next to nothing more.
namespace allocationmeter {

struct Figures {
    std::size_t peak = 0;     // the most bytes held at once by blocks allocated while measuring
    std::size_t largest = 0;  // the largest single allocation while measuring
};

// Starts a measurement; blocks allocated before it do not count.
void Start();
// Ends the measurement and gives its figures.
Figures Stop();

}  // namespace allocationmeter
