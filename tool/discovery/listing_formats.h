#pragma once
// The discovered devices as text for pellarctl: an aligned table for people,
// CSV and JSON for scripts. Rows keep the order of arrival.

#include <string>
#include <vector>

#include "discovery/discovery_codec.h"

namespace dorvane {

enum class ListingFormat { Table, Csv, Json };

// Table and CSV carry the listing's column titles ("MAC Address",
// "IP Address", "Device Type") as their first line; JSON is a list of
// objects with the keys "mac", "ip" and "type". Every form ends with a line
// break.
std::string FormatListing(const std::vector<DiscoveredDevice>& devices, ListingFormat format);

}  // namespace dorvane
