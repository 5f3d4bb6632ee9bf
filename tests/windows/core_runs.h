#pragma once
// The core's tables and the PELLAR setup scripts on the recording runner,
// written out as lines. The same source is built for the host and for
// Windows: the Windows program must write, byte for byte, what the host
// build writes, so the script an installer's laptop runs is the one the
// host's tests check.

#include <string>
#include <vector>

namespace dorvane::testing {

std::vector<std::string> CoreRunLines();

}  // namespace dorvane::testing
