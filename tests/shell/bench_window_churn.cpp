// Benchmark: the main window opens and closes every programming window 100
// times, as an installer going from board to board does. Prints the memory,
// open descriptors and threads after rounds 10 and 100. Targets: RSS growth
// under 2 MB, no growth in descriptors or threads.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <cstdio>

#include "families/board_family.h"
#include "shell/main_window.h"
#include "widgets/message_boxes.h"
#include "widgets/programming_window.h"

using namespace dorvane;

namespace {

constexpr int kRounds = 100;
constexpr int kEarly = 10;

struct Figures {
  long rssKb = 0;
  long descriptors = 0;
  long threads = 0;
};

long StatusField(const QByteArray& name) {
  QFile status("/proc/self/status");
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith(name + ':')) return line.mid(name.size() + 1).trimmed().split(' ').first().toLong();
  }
  return -1;
}

Figures Measure() {
  return {StatusField("VmRSS"), static_cast<long>(QDir("/proc/self/fd").entryList(QDir::NoDotAndDotDot).size()),
          StatusField("Threads")};
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  SetMessageBoxResponder([](const MessageBoxRequest&) { return QMessageBox::Ok; });
  MainWindow main;
  main.show();
  Figures early, late;
  for (int round = 1; round <= kRounds; ++round) {
    for (const BoardFamily* family : BoardFamilies()) {
      // As the main window does: the window is modal until Exit closes it.
      std::unique_ptr<ProgrammingWindow> window = family->openWindow(main, &main, {});
      QTimer::singleShot(0, window.get(), &QDialog::reject);
      window->exec();
    }
    QApplication::processEvents();
    if (round == kEarly) early = Measure();
    if (round == kRounds) late = Measure();
  }
  std::printf("after round %3d: RSS %ld kB, %ld descriptors, %ld threads\n", kEarly, early.rssKb, early.descriptors,
              early.threads);
  std::printf("after round %3d: RSS %ld kB, %ld descriptors, %ld threads\n", kRounds, late.rssKb, late.descriptors,
              late.threads);
  const long growthKb = late.rssKb - early.rssKb;
  std::printf("RSS growth %ld kB (target < 2048 kB); descriptors %+ld, threads %+ld (target 0)\n", growthKb,
              late.descriptors - early.descriptors, late.threads - early.threads);
  const bool met = growthKb < 2048 && late.descriptors <= early.descriptors && late.threads <= early.threads;
  std::printf("%s\n", met ? "targets met" : "targets missed");
  return met ? 0 : 1;
}
