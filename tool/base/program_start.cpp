#include "base/program_start.h"

namespace dorvane {

std::string JoinWindowsPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (path.empty() || path.back() != '\\') path += '\\';
  path += name;
  return path;
}

std::string TerminalProgramPath(std::string_view programFiles) {
  return JoinWindowsPath(programFiles, "DorvanePELLAR\\DorvaneHyperTerminal.exe");
}

}  // namespace dorvane
