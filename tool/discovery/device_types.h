#pragma once
// The product code of a discovery reply and the device-type text it stands for.

#include <string>
#include <string_view>

namespace dorvane {

// The text of the fixed device-type table for a two-character product code,
// compared exactly (upper and lower case distinct). Any other code gives the
// code followed by " - Unknown"; bytes outside printable ASCII are written as
// \xHH there, so no control character or broken UTF-8 reaches a listing.
std::string DeviceTypeText(std::string_view productCode);

}  // namespace dorvane
