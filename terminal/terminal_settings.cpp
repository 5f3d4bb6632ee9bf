#include "terminal/terminal_settings.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace dorvane::terminal {

namespace {

struct BaudEntry {
  int code;
  int rate;
};
// In list order: the list position is the index into this table.
constexpr std::array<BaudEntry, 8> kBauds = {{
    {0, 300}, {2, 1200}, {3, 2400}, {5, 9600}, {7, 19200}, {9, 38400}, {11, 57600}, {13, 115200},
}};

constexpr char kHexDigits[] = "0123456789ABCDEF";

bool IsPrintable(unsigned char c) { return c >= 0x20 && c < 0x7F; }

std::optional<int> NumberOf(std::string_view text) {
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string PadText(int width, std::string_view text) {
  if (width < 0) width = 0;
  std::size_t end = text.find_last_not_of(' ');
  std::string result(end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1));
  result.resize(static_cast<std::size_t>(width), ' ');
  return result;
}

const std::vector<std::string>& BaudRateEntries() {
  static const std::vector<std::string> entries = {" 300", "1200", "2400", "9600", "19200", "38400", "57600", "115200"};
  return entries;
}

int BaudCodeOfIndex(int index) {
  if (index < 0 || index >= static_cast<int>(kBauds.size())) return kDefaultBaudCode;
  return kBauds[static_cast<std::size_t>(index)].code;
}

int BaudRateOfCode(int code) {
  for (const BaudEntry& entry : kBauds) {
    if (entry.code == code) return entry.rate;
  }
  return 0;
}

std::optional<int> BaudCodeOfRate(int rate) {
  for (const BaudEntry& entry : kBauds) {
    if (entry.rate == rate) return entry.code;
  }
  return std::nullopt;
}

std::string SettingsText(int baudCode, bool evenParity, int dataBits, int stopBits) {
  int rate = BaudRateOfCode(baudCode);
  std::string text = rate ? std::to_string(rate) : std::string();
  text += evenParity ? ",e," : ",n,";
  text += std::to_string(dataBits) + "," + std::to_string(stopBits);
  return text;
}

std::string ReceivedText(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size() + bytes.size() / 8);
  for (char c : bytes) {
    if (c == '\n') continue;
    text += c;
    if (c == '\r') text += '\n';
  }
  return text;
}

std::string ErrorReportTitle(std::string_view programName, std::string_view version) {
  return std::string(programName) + " - Version " + std::string(version);
}

std::string ErrorReportText(std::string_view label, int number, std::string_view description) {
  return "An error has occured.\r\n\r\nProcedure: " + std::string(label) + "\r\nError Number: " +
         std::to_string(number) + "\r\nError Description: " + std::string(description);
}

std::string EscapedBytes(std::string_view bytes) {
  std::string text;
  for (char c : bytes) {
    auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '\r': text += "\\r"; continue;
      case '\n': text += "\\n"; continue;
      case '\t': text += "\\t"; continue;
      case '\\': text += "\\\\"; continue;
      default: break;
    }
    if (IsPrintable(byte)) {
      text += c;
    } else {
      text += "\\x";
      text += kHexDigits[byte >> 4];
      text += kHexDigits[byte & 0x0F];
    }
  }
  return text;
}

std::string UnescapedBytes(std::string_view text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      bytes += text[i];
      continue;
    }
    char kind = text[++i];
    if (kind == 'r') {
      bytes += '\r';
    } else if (kind == 'n') {
      bytes += '\n';
    } else if (kind == 't') {
      bytes += '\t';
    } else if (kind == 'x' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
      bytes += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
      i += 2;
    } else {
      bytes += kind;
    }
  }
  return bytes;
}

std::string LogLine(std::string_view timestamp, Direction direction, std::string_view bytes) {
  const char* kind = direction == Direction::Received ? " RX " : direction == Direction::Sent ? " TX " : " -- ";
  return std::string(timestamp) + kind + EscapedBytes(bytes) + "\n";
}

std::string HexText(std::string_view bytes, int& column) {
  std::string text;
  text.reserve(bytes.size() * 3 + bytes.size() / kHexBytesPerLine + 1);
  for (char c : bytes) {
    auto byte = static_cast<unsigned char>(c);
    if (column == kHexBytesPerLine) {
      text += '\n';
      column = 0;
    }
    if (column > 0) text += ' ';
    text += kHexDigits[byte >> 4];
    text += kHexDigits[byte & 0x0F];
    ++column;
  }
  return text;
}

void LimitTerminalSize(int& widthTwips, int& heightTwips) {
  heightTwips = std::min(std::max(heightTwips, kMinHeightTwips), kMaxHeightTwips);
  widthTwips = std::min(std::max(widthTwips, kMinWidthTwips), kMaxWidthTwips);
}

TerminalLayout PlaceTerminal(int widthTwips, int heightTwips, bool hexView) {
  LimitTerminalSize(widthTwips, heightTwips);
  constexpr int kMargin = 150;
  constexpr int kButtonHeight = 375;
  constexpr int kExitWidth = 1200;
  constexpr int kSendWidth = 1750;
  TerminalLayout layout;
  layout.trmText = {kMargin, kMargin, widthTwips - 300, heightTwips - 1490};
  if (hexView) {
    // The hex view gets the larger share: sixteen bytes to a line need
    // about fifty columns even at the smallest width.
    int both = layout.trmText.width - kMargin;
    int hexWidth = both * 3 / 5;
    layout.trmText.width = both - hexWidth;
    layout.trmHex = {kMargin + layout.trmText.width + kMargin, kMargin, hexWidth, layout.trmText.height};
  } else {
    layout.trmHex = {widthTwips - kMargin, kMargin, 0, layout.trmText.height};
  }
  layout.cmdExit = {widthTwips - (kExitWidth + 400), heightTwips - 1200, kExitWidth, kButtonHeight};
  // Send Command sits on the row of Exit: a thousand twips above it, where
  // it was once placed, it lay over the terminal text.
  layout.cmdSend = {layout.cmdExit.left - 1900, layout.cmdExit.top, kSendWidth, kButtonHeight};
  layout.txtSendData = {kMargin, layout.cmdSend.top, layout.cmdSend.left - 2 * kMargin, kButtonHeight};
  int optionsTop = layout.cmdExit.top + kButtonHeight + 150;
  layout.chkHexView = {kMargin, optionsTop, 1500, 300};
  layout.chkLog = {layout.chkHexView.left + layout.chkHexView.width + kMargin, optionsTop, 1800, 300};
  int logLeft = layout.chkLog.left + layout.chkLog.width + kMargin;
  layout.lblLogFile = {logLeft, optionsTop, widthTwips - kMargin - logLeft, 300};
  return layout;
}

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string_view argument = arguments[i];
    std::string value;
    bool takesValue = argument == "--port" || argument == "--baud" || argument == "--log";
    std::size_t equals = argument.find('=');
    if (equals != std::string_view::npos && argument.starts_with("--")) {
      value = std::string(argument.substr(equals + 1));
      argument = argument.substr(0, equals);
      takesValue = argument == "--port" || argument == "--baud" || argument == "--log";
      if (!takesValue) {
        line.error = "Option " + std::string(argument) + " takes no value.";
        return line;
      }
    } else if (takesValue) {
      if (i + 1 == arguments.size()) {
        line.error = "Option " + std::string(argument) + " needs a value.";
        return line;
      }
      value = arguments[++i];
    }
    if (argument == "--help" || argument == "-h") {
      line.help = true;
    } else if (argument == "--version") {
      line.version = true;
    } else if (argument == "--port") {
      std::optional<int> number = NumberOf(value);
      line.portNumber = 0;
      line.portPath.clear();
      if (number && *number >= 1 && *number <= kPortEntryCount) {
        line.portNumber = *number;
      } else if (number || value.empty()) {
        line.error = "--port takes a COM entry from 1 to 16 or a device path, not \"" + value + "\".";
        return line;
      } else {
        line.portPath = value;
      }
    } else if (argument == "--baud") {
      std::optional<int> rate = NumberOf(value);
      std::optional<int> code = rate ? BaudCodeOfRate(*rate) : std::nullopt;
      if (!code) {
        line.error = "--baud takes one of 300, 1200, 2400, 9600, 19200, 38400, 57600, 115200, not \"" + value + "\".";
        return line;
      }
      line.baudCode = *code;
    } else if (argument == "--log") {
      if (value.empty()) {
        line.error = "--log needs a file name.";
        return line;
      }
      line.logPath = value;
    } else {
      line.error = "Unknown argument \"" + std::string(argument) + "\".";
      return line;
    }
  }
  return line;
}

std::string UsageText(std::string_view programName) {
  std::string name(programName);
  return "Usage: " + name + " [--port N|PATH] [--baud RATE] [--log FILE]\n"
         "A serial terminal. What is typed goes to the port at once; what the device\n"
         "sends is shown. Without --port it asks for a COM port and a rate first.\n"
         "\n"
         "Options:\n"
         "  --port N|PATH  open COM entry N (1 to 16) or the device PATH at once,\n"
         "                 without the port selection window\n"
         "  --baud RATE    300, 1200, 2400, 9600, 19200, 38400, 57600 or 115200\n"
         "                 (default 9600); no parity, 8 data bits, 1 stop bit\n"
         "  --log FILE     append everything received and sent to FILE, with times\n"
         "  --help         show this help and end\n"
         "  --version      show the version and end\n"
         "\n"
         "Environment:\n"
         "  DORVANE_COM<N>  the device COM entry N opens (for example a pty)\n";
}

}  // namespace dorvane::terminal
