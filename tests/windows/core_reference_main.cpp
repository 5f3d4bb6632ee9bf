// The host's lines of core_runs.h, one a line, for the Windows program to
// compare its own with.

#include <cstdio>

#include "core_runs.h"

int main() {
  for (const std::string& line : dorvane::testing::CoreRunLines()) std::printf("%s\n", line.c_str());
  return 0;
}
