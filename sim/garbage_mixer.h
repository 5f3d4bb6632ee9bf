#pragma once
// Line noise for the "garbage" failure mode: a few non-printable bytes at the
// start of every line the module sends. Lines themselves stay whole, so the
// texts the tool looks for still arrive and only its tolerance of junk is
// put to the test.

#include <QByteArray>
#include <QRandomGenerator>

namespace dorvane::sim {

class GarbageMixer {
 public:
  // A fixed seed by default, so a failing run can be repeated byte for byte.
  explicit GarbageMixer(quint32 seed = 0x5EED);

  QByteArray Mix(const QByteArray& output);

 private:
  char NoiseByte();

  QRandomGenerator m_random;
  bool m_atLineStart = true;
};

}  // namespace dorvane::sim
