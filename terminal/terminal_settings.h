#pragma once
// What the terminal program decides without a window or a port: the port and
// baud entries, the baud codes and the settings text, the receive rule and
// its cap, the error report's texts, the session log and hex view lines,
// the window's layout rules and the command line. Standard library only.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvane::terminal {

inline constexpr int kPortEntryCount = 16;

// The text without trailing blanks, padded with blanks on the right to the
// width, or cut to the width: PadText(2, "1") == "1 ".
std::string PadText(int width, std::string_view text);

// The baud list as shown, " 300" to "115200"; 9600 is selected at start.
const std::vector<std::string>& BaudRateEntries();
inline constexpr int kDefaultBaudIndex = 3;

// Baud codes as the port-opening procedure takes them: 0 = 300, 2 = 1200,
// 3 = 2400, 5 = 9600, 7 = 19200, 9 = 38400, 11 = 57600, 13 = 115200.
inline constexpr int kDefaultBaudCode = 5;
// The code of a list position; no selection (-1) or any other position
// gives 9600's code.
int BaudCodeOfIndex(int index);
// The rate of a code; 0 for a code not in the table.
int BaudRateOfCode(int code);
// The code of a rate; nullopt for a rate not in the table.
std::optional<int> BaudCodeOfRate(int rate);

// "9600,n,8,1": rate, parity ("n" or "e"), data bits, stop bits. A code not
// in the table leaves the rate part empty (",n,8,1").
std::string SettingsText(int baudCode, bool evenParity, int dataBits, int stopBits);

// The receive rule: every line feed removed, every carriage return made a
// carriage return and line feed pair.
std::string ReceivedText(std::string_view bytes);

// Past this many characters the terminal text restarts with the latest data.
inline constexpr std::size_t kTerminalTextCap = 65534;

// "DorvaneHyperTerminal - Version 1.0.11".
std::string ErrorReportTitle(std::string_view programName, std::string_view version);
// "An error has occured.", an empty line, then procedure, number and
// description each on a line of its own, CR LF separated, no indentation.
std::string ErrorReportText(std::string_view label, int number, std::string_view description);

// The error report labels.
inline constexpr const char* kFormLoadLabel = "Dorvane Form Load Hyper Terminal";
inline constexpr const char* kOpenPortClickLabel = "Dorvane Open Port Click";
inline constexpr const char* kOpenPortLabel = "Dorvane Open Port";

// One line of the session log: "<time> RX <bytes>", "<time> TX <bytes>" or
// a note of the terminal's own, "<time> -- <text>",
// the bytes escaped so every line stays one line and every byte can be read
// back (\r, \n, \t, \\, and \xHH for any other byte outside printable ASCII).
enum class Direction { Received, Sent, Note };
std::string LogLine(std::string_view timestamp, Direction direction, std::string_view bytes);
std::string EscapedBytes(std::string_view bytes);
// The bytes of an escaped text (the inverse of EscapedBytes).
std::string UnescapedBytes(std::string_view text);

// The hex view: each byte as two capital hex digits and a blank, sixteen to
// a line. column is the number of bytes already on the current line and is
// carried from one call to the next.
inline constexpr int kHexBytesPerLine = 16;
std::string HexText(std::string_view bytes, int& column);

// The terminal window in twips (1/1440 inch), the units its sizes were
// drawn in; the window turns them into pixels in one place.
struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};
inline constexpr int kMinHeightTwips = 7140;
inline constexpr int kMaxHeightTwips = 11640;
inline constexpr int kMinWidthTwips = 10260;
inline constexpr int kMaxWidthTwips = 15480;

struct TerminalLayout {
  TwipRect trmText;
  TwipRect trmHex;  // width 0 while the hex view is off
  TwipRect txtSendData;
  TwipRect cmdSend;
  TwipRect cmdExit;
  TwipRect chkHexView;
  TwipRect chkLog;
  TwipRect lblLogFile;
};
// The size kept inside the limits: height before width, minimum before
// maximum.
void LimitTerminalSize(int& widthTwips, int& heightTwips);
// Where every control goes for a window of this (limited) client size.
TerminalLayout PlaceTerminal(int widthTwips, int heightTwips, bool hexView);

// DorvaneHyperTerminal [--port N|PATH] [--baud RATE] [--log FILE]
// [--help] [--version]. A port skips the selection window.
struct CommandLine {
  bool help = false;
  bool version = false;
  int portNumber = 0;      // 1..16 when --port named a COM entry
  std::string portPath;    // when --port named a device
  int baudCode = kDefaultBaudCode;
  std::string logPath;
  std::string error;       // not empty: what is wrong with the arguments

  bool HasPort() const { return portNumber != 0 || !portPath.empty(); }
};
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);
std::string UsageText(std::string_view programName);

}  // namespace dorvane::terminal
