// The core on the Windows ABI: the tables and scripts must come out as the
// host build writes them.

#include <fstream>
#include <string>
#include <vector>

#include "check_program.h"
#include "core_runs.h"

namespace dorvane::testing {

namespace {

void CoreRunsMatchTheHost(Check& check) {
  if (Options().referencePath.empty()) check.Skip("no --reference file of the host's core lines given");
  std::ifstream file(Options().referencePath, std::ios::binary);
  if (!file) check.Skip("the host's core lines cannot be read from " + Options().referencePath);
  std::vector<std::string> expected;
  for (std::string line; std::getline(file, line);) expected.push_back(line);
  std::vector<std::string> actual = CoreRunLines();
  check.Expect(actual.size() == expected.size(), "Windows wrote " + std::to_string(actual.size()) +
                                                     " lines, the host " + std::to_string(expected.size()));
  // The first few differences are enough to show the fault.
  int shown = 0;
  for (std::size_t i = 0; i < actual.size() && i < expected.size() && shown < 5; ++i) {
    if (actual[i] == expected[i]) continue;
    check.Expect(false, "line " + std::to_string(i + 1) + ": Windows '" + actual[i] + "', host '" + expected[i] + "'");
    ++shown;
  }
  check.Expect(!expected.empty(), "the host's core lines are empty");
}

}  // namespace

std::vector<CheckCase> CoreCases() { return {{"core tables and scripts as on the host", CoreRunsMatchTheHost}}; }

}  // namespace dorvane::testing
