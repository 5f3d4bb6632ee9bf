#pragma once
// The address check every window uses before an address reaches a device.

#include <optional>
#include <string>
#include <string_view>

namespace dorvane {

// Four fields of three digits joined by dots ("192.168.001.010"), or nothing
// when the text is not an address.
std::optional<std::string> NormalizeIPAddress(std::string_view text);

// The shared form: empties NormalizedIPAddress, then fills it when valid.
bool ValidateIPAddress(std::string_view text);

// "010.001.001.001" -> "10.1.1.1": what ping and sockets are given.
std::string IPAddressWithoutLeadingZeros(std::string_view normalized);

}  // namespace dorvane
