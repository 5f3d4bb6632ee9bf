#pragma once
// What a soak compares between its early rounds and its last: the process's
// resident memory, open descriptors and threads, read from /proc, and the
// verdict against the soaks' targets (under 2 MB of growth, no more
// descriptors or threads).

#include <QDir>
#include <QFile>
#include <cstdio>

namespace dorvane::testing {

struct ProcessFigures {
  long rssKb = 0;
  long descriptors = 0;
  long threads = 0;

  static long StatusField(const QByteArray& name) {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
      if (line.startsWith(name + ':')) return line.mid(name.size() + 1).trimmed().split(' ').first().toLong();
    }
    return -1;
  }

  static ProcessFigures Now() {
    return {StatusField("VmRSS"), static_cast<long>(QDir("/proc/self/fd").entryList(QDir::NoDotAndDotDot).size()),
            StatusField("Threads")};
  }
};

// Prints both sets of figures and the growth; true when the targets are met.
inline bool ReportSoak(const char* unit, int earlyRound, const ProcessFigures& early, int lastRound,
                       const ProcessFigures& last) {
  std::printf("after %s %3d: RSS %ld kB, %ld descriptors, %ld threads\n", unit, earlyRound, early.rssKb,
              early.descriptors, early.threads);
  std::printf("after %s %3d: RSS %ld kB, %ld descriptors, %ld threads\n", unit, lastRound, last.rssKb,
              last.descriptors, last.threads);
  const long growthKb = last.rssKb - early.rssKb;
  std::printf("RSS growth %ld kB (target < 2048 kB); descriptors %+ld, threads %+ld (target 0)\n", growthKb,
              last.descriptors - early.descriptors, last.threads - early.threads);
  return growthKb < 2048 && last.descriptors <= early.descriptors && last.threads <= early.threads;
}

}  // namespace dorvane::testing
