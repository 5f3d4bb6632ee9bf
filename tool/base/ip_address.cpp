#include "base/ip_address.h"

#include <array>
#include <cctype>
#include <charconv>

#include "base/text_trim.h"

namespace dorvane {

namespace {

constexpr std::string_view kFieldBlanks = " \t";

// A field is a plain decimal number with optional blanks around it. Only the
// last field can hold a further dot ("1.2.3.4.5" has field 4 "4.5"); its
// fractional part is dropped.
std::optional<int> FieldValue(std::string_view field) {
  field = TrimBlanks(field, kFieldBlanks);
  if (field.empty()) return std::nullopt;
  std::size_t dot = field.find('.');
  std::string_view whole = field.substr(0, dot);
  if (dot != std::string_view::npos) {
    std::string_view fraction = field.substr(dot + 1);
    for (char c : fraction) {
      if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    }
    if (whole.empty() && fraction.empty()) return std::nullopt;
    if (whole.empty()) return 0;
  }
  if (!whole.empty() && whole.front() == '+') whole.remove_prefix(1);
  if (whole.empty() || whole.size() > 6) return std::nullopt;
  int value = 0;
  auto [ptr, ec] = std::from_chars(whole.data(), whole.data() + whole.size(), value);
  if (ec != std::errc() || ptr != whole.data() + whole.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::string> ValidateIPAddress(std::string_view text) {
  std::array<std::string_view, 4> fields;
  std::string_view rest = text;
  for (int i = 0; i < 3; ++i) {
    std::size_t dot = rest.find('.');
    if (dot == std::string_view::npos) return std::nullopt;
    fields[i] = rest.substr(0, dot);
    rest = rest.substr(dot + 1);
  }
  fields[3] = rest;
  std::string normalized;
  for (int i = 0; i < 4; ++i) {
    std::optional<int> value = FieldValue(fields[i]);
    if (!value || *value < 0 || *value > 255) return std::nullopt;
    char digits[4] = {char('0' + *value / 100), char('0' + *value / 10 % 10),
                      char('0' + *value % 10), 0};
    if (i > 0) normalized += '.';
    normalized += digits;
  }
  return normalized;
}

std::string IPAddressWithoutLeadingZeros(std::string_view text) {
  std::string out;
  bool first = true;
  for (;;) {
    std::size_t dot = text.find('.');
    // The blanks and signs the check lets pass: "\t010" and "-0" are
    // addresses there, and ping and sockets must get their numbers.
    std::string_view field = TrimBlanks(text.substr(0, dot), kFieldBlanks);
    if (!field.empty() && field.front() == '+') field.remove_prefix(1);
    if (field.size() > 1 && field.front() == '-' && field.find_first_not_of('0', 1) == std::string_view::npos) {
      field.remove_prefix(1);
    }
    while (field.size() > 1 && field.front() == '0') field.remove_prefix(1);
    if (!first) out += '.';
    out += field.empty() ? std::string_view("0") : field;
    first = false;
    if (dot == std::string_view::npos) break;
    text.remove_prefix(dot + 1);
  }
  return out;
}

std::string AddressField(const std::string& address, int n) {
  const std::size_t at = static_cast<std::size_t>(n) * 4;
  return at < address.size() ? address.substr(at, 3) : std::string();
}

}  // namespace dorvane
