#include "discovery/listing_formats.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace dorvane {

namespace {

using Row = std::array<std::string, 3>;

const Row kTitles = {"MAC Address", "IP Address", "Device Type"};

Row Cells(const DiscoveredDevice& device) { return {device.macAddress, device.ipAddress, device.deviceType}; }

std::string Table(const std::vector<DiscoveredDevice>& devices) {
  std::vector<Row> rows{kTitles};
  for (const DiscoveredDevice& device : devices) rows.push_back(Cells(device));
  std::array<std::size_t, 2> widths{};
  for (const Row& row : rows) {
    for (std::size_t column = 0; column < widths.size(); ++column) {
      widths[column] = std::max(widths[column], row[column].size());
    }
  }
  std::string text;
  for (const Row& row : rows) {
    for (std::size_t column = 0; column < widths.size(); ++column) {
      text += row[column] + std::string(widths[column] - row[column].size() + 2, ' ');
    }
    text += row[2] + "\n";
  }
  return text;
}

std::string CsvField(const std::string& field) {
  if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
  std::string quoted = "\"";
  for (char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string Csv(const std::vector<DiscoveredDevice>& devices) {
  std::vector<Row> rows{kTitles};
  for (const DiscoveredDevice& device : devices) rows.push_back(Cells(device));
  std::string text;
  for (const Row& row : rows) text += CsvField(row[0]) + "," + CsvField(row[1]) + "," + CsvField(row[2]) + "\n";
  return text;
}

std::string JsonString(const std::string& value) {
  std::string text = "\"";
  for (char c : value) {
    auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      text += '\\';
      text += c;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(byte));
      text += escaped;
    } else {
      text += c;
    }
  }
  return text + "\"";
}

std::string Json(const std::vector<DiscoveredDevice>& devices) {
  if (devices.empty()) return "[]\n";
  std::string text = "[\n";
  for (std::size_t i = 0; i < devices.size(); ++i) {
    const DiscoveredDevice& device = devices[i];
    text += "  {\"mac\": " + JsonString(device.macAddress) + ", \"ip\": " + JsonString(device.ipAddress) +
            ", \"type\": " + JsonString(device.deviceType) + "}" + (i + 1 < devices.size() ? ",\n" : "\n");
  }
  return text + "]\n";
}

}  // namespace

std::string FormatListing(const std::vector<DiscoveredDevice>& devices, ListingFormat format) {
  switch (format) {
    case ListingFormat::Csv: return Csv(devices);
    case ListingFormat::Json: return Json(devices);
    case ListingFormat::Table: break;
  }
  return Table(devices);
}

}  // namespace dorvane
