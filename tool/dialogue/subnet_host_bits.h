#pragma once
// The subnet-mask and baud-rate lists every programming window offers, and
// the module's answer for a mask: the number of host bits.

#include <array>
#include <string>

namespace dorvane {

class RunValues;

inline constexpr std::array<const char*, 17> kSubnetMasks = {
    "255.255.255.000", "255.255.000.000", "255.000.000.000", "255.128.000.000", "255.255.248.000",
    "255.255.252.000", "255.255.254.000", "255.255.255.128", "255.255.255.192", "255.255.255.224",
    "255.255.255.240", "255.255.255.248", "255.255.255.252", "255.255.240.000", "255.255.224.000",
    "255.255.192.000", "255.255.128.000"};

// The serial rates of a board's channel. Windows that offer fewer start
// their list further down; the last rates are always there.
inline constexpr std::array<const char*, 7> kBaudRates = {"1200", "2400", "9600", "19200", "38400", "57600", "115200"};
inline constexpr const char* kDefaultBaudRate = "57600";

// "8" for index 0 ... "15" for index 16; "0" for any other index.
std::string HostBitsForIndex(int index);

// Sets HostBitsText of the run values from the list index.
void SubnetHostBits(RunValues& values, int index);

// The list index of a mask written with or without leading zeros, or -1.
int SubnetMaskIndex(const std::string& mask);

}  // namespace dorvane
