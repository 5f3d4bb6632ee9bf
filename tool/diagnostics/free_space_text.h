#pragma once
// The Disk Free Space value of the system test.

#include <cstdint>
#include <string>

namespace dorvane {

// Bytes in units of 1024 x 1024 x 1024 with two decimals and " GB": 1.5 GiB
// gives "1.50 GB". The decimal point is always a point: the value is an
// English text in every language.
std::string FreeSpaceText(std::uint64_t freeBytes);

}  // namespace dorvane
