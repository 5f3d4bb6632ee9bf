#pragma once
// A run's transcript as JSON lines: time, direction, bytes as text with
// control characters escaped, and status texts. Secret answers are masked
// unless the caller asks for them.

#include <functional>
#include <string>
#include <string_view>

#include "dialogue/dialogue.h"

namespace dorvane {

// Bytes as a JSON string body: printable ASCII as is, \r \n \t \" \\ escaped,
// every other byte as \u00XX.
std::string JsonEscapeBytes(std::string_view bytes);

class TranscriptLog {
 public:
  using LineSink = std::function<void(const std::string& line)>;

  TranscriptLog() = default;
  TranscriptLog(LineSink sink, bool showSecrets) : m_sink(std::move(sink)), m_showSecrets(showSecrets) {}

  bool Enabled() const { return static_cast<bool>(m_sink); }
  void Sent(double time, std::string_view bytes, Secrecy secrecy);
  void Received(double time, std::string_view bytes);
  void Status(double time, std::string_view text);
  void Event(double time, std::string_view name, std::string_view detail = {});

 private:
  void Write(double time, std::string_view key, std::string_view kind, std::string_view value);

  LineSink m_sink;
  bool m_showSecrets = false;
};

}  // namespace dorvane
