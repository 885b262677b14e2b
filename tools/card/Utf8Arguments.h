#pragma once

// The command line as UTF-8, the encoding every path of the tool is in.

#include <string>
#include <vector>

namespace cardtool {

// The program's arguments, the program's name first. On Windows main's argv is in the ANSI code
// page, where a folder such as 存储卡 may turn into question marks, so there the arguments are
// taken from the UTF-16 command line instead; elsewhere they are argv as given.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

}  // namespace cardtool
