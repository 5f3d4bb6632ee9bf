#pragma once
// The address check every window uses before an address reaches a device.

#include <optional>
#include <string>
#include <string_view>

namespace dorvane {

// The address in its normalised form, four fields of three digits joined by
// dots ("192.168.001.010"), or nothing when the text is not an address.
std::optional<std::string> ValidateIPAddress(std::string_view text);

// "010.001.001.001" -> "10.1.1.1": what ping and sockets are given. Works
// on the text of a box that passed ValidateIPAddress too: every part between
// dots becomes its decimal number (" 010 " -> "10", an empty part "0"), and
// a fifth part stays a part ("1.2.3.4.5"), so no other address is reached.
std::string IPAddressWithoutLeadingZeros(std::string_view text);

// Field n (0..3) of an address in the three-digits-per-field form, as the
// modules' menus take it one field at a time.
std::string AddressField(const std::string& address, int n);

}  // namespace dorvane
