#include "discovery/device_types.h"

#include <array>

namespace dorvane {

namespace {

struct DeviceTypeRow {
  std::string_view code;
  std::string_view text;
};

// X5 is the code of the A5 board: its text says A5 on purpose.
constexpr std::array<DeviceTypeRow, 15> kDeviceTypes = {{
    {"A1", "QM270 - A1 - XPort AR"},
    {"X1", "PELLAR - X1 - XPort 01"},
    {"X4", "PELLAR - X4 - XPort 04"},
    {"X2", "PELLAR - X2 - XPort 03/04"},
    {"X5", "PELLAR - A5 - XPort 03/04"},
    {"X6", "QM270 Rev. B - X6 - XPico"},
    {"PA", "XPico-IAP"},
    {"X7", "XPort Direct"},
    {"X8", "XPort Direct+"},
    {"E5", "XPort Pro"},
    {"E8", "XPort Pro Lx6"},
    {"X9", "PELLAR - X9 - XPort 05"},
    {"X3", "XPort 485"},
    {"XA", "Xport IAP"},
    {"P7", "PremierWave"},
}};

std::string PrintableCode(std::string_view code) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string text;
  for (char c : code) {
    auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) {
      text += c;
    } else {
      text += "\\x";
      text += kHex[byte >> 4];
      text += kHex[byte & 0x0F];
    }
  }
  return text;
}

}  // namespace

std::string DeviceTypeText(std::string_view productCode) {
  for (const DeviceTypeRow& row : kDeviceTypes) {
    if (row.code == productCode) return std::string(row.text);
  }
  return PrintableCode(productCode) + " - Unknown";
}

}  // namespace dorvane
