#pragma once
// Where the companion programs are looked for.

#include <string>
#include <string_view>

namespace dorvane {

// "<ProgramFiles>\DorvanePELLAR\DorvaneHyperTerminal.exe", with exactly one
// backslash after the folder whether or not the value ends with one.
std::string TerminalProgramPath(std::string_view programFiles);

// Folder joined with a file name by "\" unless the folder already ends with it.
std::string JoinWindowsPath(std::string_view folder, std::string_view name);

}  // namespace dorvane
