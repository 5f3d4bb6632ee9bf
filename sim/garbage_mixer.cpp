#include "sim/garbage_mixer.h"

namespace dorvane::sim {

GarbageMixer::GarbageMixer(quint32 seed) : m_random(seed) {}

char GarbageMixer::NoiseByte() {
  // CR and LF would change the line structure the tool's transcript relies on.
  for (;;) {
    const auto byte = static_cast<unsigned char>(m_random.bounded(256));
    const bool printable = byte >= 0x20 && byte < 0x7F;
    if (!printable && byte != '\r' && byte != '\n') return static_cast<char>(byte);
  }
}

QByteArray GarbageMixer::Mix(const QByteArray& output) {
  QByteArray mixed;
  for (const char byte : output) {
    if (m_atLineStart) {
      const int count = 1 + static_cast<int>(m_random.bounded(3));
      for (int i = 0; i < count; ++i) mixed += NoiseByte();
      m_atLineStart = false;
    }
    mixed += byte;
    if (byte == '\n') m_atLineStart = true;
  }
  return mixed;
}

}  // namespace dorvane::sim
