#pragma once
// What the fuzz targets share: the input as bytes, cut into pieces, and the
// check that stops a run when a parser breaks a rule it promises.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace dorvane::fuzz {

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The input cut at every `separator`, so one input can carry an argument
// list or a series of arrivals.
inline std::vector<std::string> Pieces(std::string_view bytes, char separator) {
  std::vector<std::string> pieces;
  std::size_t from = 0;
  for (;;) {
    std::size_t at = bytes.find(separator, from);
    pieces.emplace_back(bytes.substr(from, at == std::string_view::npos ? at : at - from));
    if (at == std::string_view::npos) return pieces;
    from = at + 1;
  }
}

// The first line (without its CR), for targets whose input names what to
// look up in the rest.
inline std::string_view FirstLine(std::string_view bytes) {
  std::string_view line = bytes.substr(0, bytes.find('\n'));
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// A promise of the parser's header that the input broke: libFuzzer keeps the
// input as a crash.
inline void Require(bool holds, const char* promise) {
  if (holds) return;
  std::fprintf(stderr, "broken promise: %s\n", promise);
  std::abort();
}

}  // namespace dorvane::fuzz
