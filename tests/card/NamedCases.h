#pragma once

#include <ostream>
#include <string>

// Table-driven tests whose cases carry a `name`: gtest shows and prints each case by it.
namespace namedcases {

// For INSTANTIATE_TEST_SUITE_P: the case's name as the test's name.
inline constexpr auto kCaseName = [](const auto& info) { return std::string(info.param.name); };

// Found by gtest when a suite's file says `using namedcases::PrintTo;` next to its cases.
template <typename Case>
requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

}  // namespace namedcases
