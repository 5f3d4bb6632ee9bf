// Bytes a serial device sends the terminal (the screen, the hex view, the
// log), and a log line read back.
#include "fuzz_input.h"
#include "terminal/terminal_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace dorvane::terminal;
  const std::string_view bytes = dorvane::fuzz::Bytes(data, size);
  const std::string text = ReceivedText(bytes);
  dorvane::fuzz::Require(text.size() <= 2 * bytes.size(), "the receive rule at most doubles the text");
  int column = bytes.empty() ? 0 : data[0] % (kHexBytesPerLine + 1);
  HexText(bytes, column);
  dorvane::fuzz::Require(column >= 0 && column <= kHexBytesPerLine, "the hex view's column stays on its line");
  const std::string escaped = EscapedBytes(bytes);
  dorvane::fuzz::Require(escaped.find_first_of("\r\n") == std::string::npos, "an escaped line stays one line");
  dorvane::fuzz::Require(UnescapedBytes(escaped) == bytes, "every byte of the log reads back");
  UnescapedBytes(bytes);
  return 0;
}
