#pragma once
// What the program was started with, and where the companion program it
// starts is looked for.

#include <string>
#include <string_view>

namespace dorvane {

// The program's first command-line argument: programming windows open with
// it as the device address when it is not blank.
inline std::string CommandLineText;

// "<ProgramFiles>\DorvanePELLAR\DorvaneHyperTerminal.exe", with exactly one
// backslash after the folder whether or not the value ends with one.
std::string TerminalProgramPath(std::string_view programFiles);

// Folder joined with a file name by "\" unless the folder already ends with it.
std::string JoinWindowsPath(std::string_view folder, std::string_view name);

}  // namespace dorvane
