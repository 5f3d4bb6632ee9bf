#include "dialogue/transcript_log.h"

#include <cstdio>

namespace dorvane {

std::string JsonEscapeBytes(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default:
        if (byte < 0x20 || byte >= 0x7f) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out;
}

void TranscriptLog::Write(double time, std::string_view key, std::string_view kind, std::string_view value) {
  if (!m_sink) return;
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%.3f", time);
  m_sink(std::string("{\"t\":") + stamp + ",\"" + std::string(key) + "\":\"" + std::string(kind) +
         "\",\"text\":\"" + JsonEscapeBytes(value) + "\"}");
}

void TranscriptLog::Sent(double time, std::string_view bytes, Secrecy secrecy) {
  if (secrecy == Secrecy::Secret && !m_showSecrets) {
    // Keep the line end visible so the answer's shape stays readable.
    std::string masked(bytes.size() - (bytes.ends_with('\r') ? 1 : 0), '*');
    if (bytes.ends_with('\r')) masked += '\r';
    Write(time, "dir", "send", masked);
    return;
  }
  Write(time, "dir", "send", bytes);
}

void TranscriptLog::Received(double time, std::string_view bytes) { Write(time, "dir", "receive", bytes); }

void TranscriptLog::Status(double time, std::string_view text) { Write(time, "dir", "status", text); }

void TranscriptLog::Event(double time, std::string_view name, std::string_view detail) {
  Write(time, "event", name, detail);
}

}  // namespace dorvane
